// The heap of a command on large pages. A process of its own, as the call changes
// how the C library manages the heap for the rest of the process.
#include "base/grosseseiten.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kEigeneHalde = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kEigeneHalde = false;
#else
constexpr bool kEigeneHalde = true;
#endif
#else
constexpr bool kEigeneHalde = true;
#endif

struct Bereich {
    std::uintptr_t von = 0;
    std::uintptr_t bis = 0;
    std::string flags;
};

// The mappings of this process with their "VmFlags" line ("hg": large pages asked for).
std::vector<Bereich> abbildungen() {
    std::vector<Bereich> liste;
    std::ifstream smaps("/proc/self/smaps");
    std::string zeile;
    while (std::getline(smaps, zeile)) {
        if (zeile.rfind("VmFlags:", 0) == 0 && !liste.empty()) {
            liste.back().flags = zeile;
            continue;
        }
        const auto strich = zeile.find('-');
        const auto leer = zeile.find(' ');
        if (strich == std::string::npos || leer == std::string::npos || strich > leer)
            continue;
        char* ende = nullptr;
        const std::uintptr_t von = std::strtoull(zeile.c_str(), &ende, 16);
        if (ende != zeile.c_str() + strich)
            continue;
        liste.push_back({von, std::strtoull(zeile.c_str() + strich + 1, nullptr, 16), {}});
    }
    return liste;
}

const Bereich* bereichVon(const std::vector<Bereich>& liste, const void* p) {
    const auto a = reinterpret_cast<std::uintptr_t>(p);
    for (const Bereich& b : liste)
        if (a >= b.von && a < b.bis)
            return &b;
    return nullptr;
}

TEST(HaldeMitGrossenSeiten, GrowsTheHeapOnceAndTheRowsThatFollowLieOnLargePages) {
    if (!kEigeneHalde)
        GTEST_SKIP() << "the sanitizer's allocator keeps a heap of its own";
    constexpr std::size_t kVorrat = std::size_t{6} << 20U;
    const auto* vorher = static_cast<const char*>(sbrk(0));
    drel::haldeMitGrossenSeiten(kVorrat);
    const auto* nachher = static_cast<const char*>(sbrk(0));
    // The heap grew by the pad at once (a compiler that drops the probing pair of malloc
    // and free leaves it where it was).
    ASSERT_GE(static_cast<std::size_t>(nachher - vorher), kVorrat);

    // Rows allocated now come out of the heap, not from fresh mappings, and most of
    // them lie in the large pages asked for (where the system has them at all).
    constexpr int kZeilen = 70000;
    std::vector<char*> zeilen;
    zeilen.reserve(kZeilen);
    for (int i = 0; i < kZeilen; ++i)
        zeilen.push_back(static_cast<char*>(std::malloc(64)));
    const std::vector<Bereich> liste = abbildungen();
    int grosse = 0;
    for (char* z : zeilen) {
        ASSERT_LT(z, nachher);
        const Bereich* b = bereichVon(liste, z);
        ASSERT_NE(b, nullptr);
        if (b->flags.find(" hg") != std::string::npos)
            ++grosse;
    }
    if (std::ifstream("/sys/kernel/mm/transparent_hugepage/enabled")) {
        EXPECT_GE(grosse, kZeilen / 2);
    }
    for (char* z : zeilen)
        std::free(z);
    // Freed rows stay with the process for the next command step.
    EXPECT_EQ(static_cast<const char*>(sbrk(0)), nachher);
}

} // namespace

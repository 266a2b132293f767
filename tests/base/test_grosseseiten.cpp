// The heap of a command on large pages. A process of its own, as the call changes
// how the C library manages the heap for the rest of the process.
#include "base/grosseseiten.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitizer = true;
#elif defined(__has_feature)
constexpr bool kSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kSanitizer = false;
#endif

// Whether the mapping that holds the address was asked for large pages ("hg").
bool grosseSeitenErbeten(const void* p) {
    const auto a = reinterpret_cast<std::uintptr_t>(p);
    std::ifstream smaps("/proc/self/smaps");
    bool darin = false;
    for (std::string zeile; std::getline(smaps, zeile);) {
        std::uintptr_t von = 0, bis = 0;
        if (std::sscanf(zeile.c_str(), "%" SCNxPTR "-%" SCNxPTR " ", &von, &bis) == 2)
            darin = a >= von && a < bis;
        else if (darin && zeile.rfind("VmFlags:", 0) == 0)
            return zeile.find(" hg") != std::string::npos;
    }
    return false;
}

TEST(HaldeMitGrossenSeiten, GrowsTheHeapOnceAndTheRowsThatFollowLieOnLargePages) {
    if (kSanitizer)
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
    int grosse = 0;
    for (int i = 0; i < kZeilen; ++i) {
        zeilen.push_back(static_cast<char*>(std::malloc(64)));
        ASSERT_LT(zeilen.back(), nachher);
        // One look per 4 KiB is enough.
        if (i % 50 == 0 && grosseSeitenErbeten(zeilen.back()))
            grosse += 50;
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

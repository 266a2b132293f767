#include "base/grosseseiten.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace drel {

void grosseSeitenErbitten(void* anfang, std::size_t laenge) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const auto a = reinterpret_cast<std::uintptr_t>(anfang);
    const std::uintptr_t von = (a + kGrosseSeite - 1) & ~(kGrosseSeite - 1);
    const std::uintptr_t bis = (a + laenge) & ~(kGrosseSeite - 1);
    if (bis > von)
        madvise(reinterpret_cast<void*>(von), bis - von, MADV_HUGEPAGE);
#else
    (void)anfang;
    (void)laenge;
#endif
}

void haldeMitGrossenSeiten(std::size_t vorrat) {
#if defined(__GLIBC__) && defined(__linux__) && defined(MADV_HUGEPAGE)
    // A block under the threshold at which the C library maps memory of its own, so
    // that it comes from the heap; two of them force the heap to grow by the pad even
    // when its free top still held the first.
    constexpr std::size_t kBlock = std::size_t{96} << 10U;
    // Fixing the trim threshold also fixes this one, which the C library would
    // otherwise raise as large blocks come and go; buffers of a file read whole stay
    // mapped of their own and go back when freed.
    constexpr int kEigeneAbbildungAb = 1 << 20;
    if (mallopt(M_TOP_PAD, static_cast<int>(vorrat + kGrosseSeite)) == 0 ||
        mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * (vorrat + kGrosseSeite))) == 0 ||
        mallopt(M_MMAP_THRESHOLD, kEigeneAbbildungAb) == 0)
        return;
    const auto* vorher = static_cast<const char*>(sbrk(0));
    std::array<void*, 2> bloecke{std::malloc(kBlock), std::malloc(kBlock)};
    const auto* nachher = static_cast<const char*>(sbrk(0));
    for (void* b : bloecke) {
        // A store the compiler must keep, or it drops the pair of malloc and free.
        if (b != nullptr)
            *static_cast<volatile char*>(b) = 0;
        std::free(b);
    }
    if (nachher > vorher)
        grosseSeitenErbitten(const_cast<char*>(vorher),
                             std::min(static_cast<std::size_t>(nachher - vorher), vorrat));
#else
    (void)vorrat;
#endif
}

} // namespace drel

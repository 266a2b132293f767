#include "base/grosseseiten.h"

#include <cstdint>
#if defined(__linux__)
#include <sys/mman.h>
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

} // namespace drel

// Large pages for large buffers that are filled at once (an export read whole, a
// printed diagram): one page fault per 2 MiB instead of one per 4 KiB. On a virtual
// machine a fault costs microseconds, and such a buffer takes hundreds of them.
#pragma once

#include <cstddef>

namespace drel {

inline constexpr std::size_t kGrosseSeite = std::size_t{2} << 20U;

// Asks the system to back the whole 2 MiB pages inside [anfang, anfang + laenge) with
// large pages where it offers them on request. Only a hint: without it nothing changes.
void grosseSeitenErbitten(void* anfang, std::size_t laenge);

} // namespace drel

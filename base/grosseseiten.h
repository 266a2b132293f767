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

// For a short-lived process that fills its heap with many small records (the rows of
// the tables a command reads): grows the heap once, keeps it from being handed back,
// and asks for large pages over the next `vorrat` bytes of it. `vorrat` should be what
// the process fills in any case, as a large page counts whole once it is touched.
// Call it first thing in main; where the C library or the system offers none of this,
// nothing changes.
void haldeMitGrossenSeiten(std::size_t vorrat);

} // namespace drel

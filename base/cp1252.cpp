#include "base/cp1252.h"

#include <array>
#include <cstddef>

namespace drel {

namespace {

// Code points of the bytes 0x80 to 0x9F; the five unassigned bytes map to themselves,
// as the Windows conversion does.
constexpr std::array<char32_t, 32> kHoch{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char32_t cp1252ZuUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHoch[byte - 0x80];
    return byte;
}

char unicodeZuCp1252(char32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF))
        return static_cast<char>(zeichen);
    for (std::size_t i = 0; i < kHoch.size(); ++i) {
        if (kHoch[i] == zeichen)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace drel

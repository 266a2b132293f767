// Report geometry: every position and size is in 0.1 mm, measured from the
// paper's top-left corner with y growing downward, the way the bands flow down
// a page. Font sizes stay in points.
#pragma once

namespace drel::bericht {

inline constexpr double einheitenJeMm = 10.0;

// Millimetres to report units.
constexpr double ausMm(double mm) {
    return mm * einheitenJeMm;
}

// The report definitions of the windows give positions in screen pixels at 96 dpi;
// this converts such a value to report units.
constexpr double ausPixel(double pixel) {
    return pixel * 254.0 / 96.0;
}

} // namespace drel::bericht

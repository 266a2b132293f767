// Colours as the chart stores and reports them: Windows colour values
// 0x00BBGGRR (16711680 is pure blue), converted once at the picture boundary.
#pragma once

#include <QtGlobal>

namespace drel::chart {

using WinFarbe = quint32;

inline constexpr WinFarbe kSchwarz = 0;
inline constexpr WinFarbe kWeiss = 16777215;
inline constexpr WinFarbe kReinBlau = 16711680;    // border of the fills
inline constexpr WinFarbe kFuellFarbe1 = 16446684; // area of graph 1, RGB(220, 244, 250)
inline constexpr WinFarbe kFuellFarbe2 = 16243645; // area of graph 2, RGB(189, 219, 247)
inline constexpr WinFarbe kFuellFarbe3 = 15448477; // area of graph 3, RGB(157, 185, 235)
inline constexpr WinFarbe kSilber = 12632256;
inline constexpr WinFarbe kGrau = 8421504;

// To and from the opaque 0xFFRRGGBB pixels of the pictures (QRgb's layout).
constexpr quint32 zuQRgb(WinFarbe farbe) {
    return 0xFF000000u | ((farbe & 0xFFu) << 16) | (farbe & 0xFF00u) | ((farbe >> 16) & 0xFFu);
}

constexpr WinFarbe ausQRgb(quint32 rgb) {
    return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}

} // namespace drel::chart

// Colours as the chart stores and reports them: Windows colour values
// 0x00BBGGRR (16711680 is pure blue), converted once at the picture boundary.
#pragma once

#include <QRgb>
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

constexpr QRgb zuQRgb(WinFarbe farbe) {
    return qRgb(static_cast<int>(farbe & 0xFFu), static_cast<int>((farbe >> 8) & 0xFFu),
                static_cast<int>((farbe >> 16) & 0xFFu));
}

constexpr WinFarbe ausQRgb(QRgb rgb) {
    return static_cast<WinFarbe>(qRed(rgb)) | (static_cast<WinFarbe>(qGreen(rgb)) << 8) |
           (static_cast<WinFarbe>(qBlue(rgb)) << 16);
}

} // namespace drel::chart

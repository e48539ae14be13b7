#pragma once

#include <QColor>
#include <QtGlobal>

namespace zf {

// A colour as the handheld's tools store it: 0x00BBGGRR, red in the low byte.
// Form files keep it as a signed decimal, so the top byte must stay zero.
using PalmColor = quint32;

inline constexpr PalmColor kPalmWhite = 0xFFFFFF;
inline constexpr PalmColor kPalmBlack = 0x000000;
inline constexpr PalmColor kPalmGray = 0x808080;

constexpr int palmRed(PalmColor c) { return int(c & 0xFF); }
constexpr int palmGreen(PalmColor c) { return int((c >> 8) & 0xFF); }
constexpr int palmBlue(PalmColor c) { return int((c >> 16) & 0xFF); }

// The 32-bit ARGB value Qt images use, fully opaque.
constexpr QRgb palmToRgb(PalmColor c)
{
    return 0xFF000000u | (quint32(palmRed(c)) << 16) | (quint32(palmGreen(c)) << 8)
           | quint32(palmBlue(c));
}

constexpr PalmColor rgbToPalm(QRgb rgb)
{
    return PalmColor(qRed(rgb)) | (PalmColor(qGreen(rgb)) << 8) | (PalmColor(qBlue(rgb)) << 16);
}

inline QColor palmToQColor(PalmColor c) { return QColor::fromRgb(palmToRgb(c)); }

} // namespace zf

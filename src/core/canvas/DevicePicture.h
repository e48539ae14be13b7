#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace zf {

// The handheld drawn around a form's screen in its design window: a dark
// case whose 160 x 160 screen the form's own screen covers, the writing area
// with its four soft buttons below it, and the hardware buttons at the bottom.
inline constexpr QSize kDevicePictureSize{167, 226};
inline constexpr QRect kDeviceScreenRect{4, 2, 160, 160};

// RGB32, in a few flat colours (well under 256), the same every time.
QImage devicePicture();

} // namespace zf

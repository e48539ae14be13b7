#pragma once

#include <QImage>
#include <QString>

namespace zf {

// Pictures of a form for files and file managers. A form is a picture of
// whole handheld pixels, so it is enlarged by whole factors and never
// smoothed: every pixel stays a sharp square.

// The picture `scale` times as large (1 or more).
QImage enlargedPicture(const QImage &picture, int scale);

// The picture fitted inside `size` x `size` pixels: the largest whole factor
// that fits; when even the handheld's own size is too large, made smaller
// with the nearest-neighbour rule (each pixel of the result takes the colour
// of the nearest pixel of the picture), keeping its proportions.
QImage fittedPicture(const QImage &picture, int size);

// Writes the picture as PNG, whole or not at all; false with the reason.
bool writePng(const QImage &picture, const QString &path, QString *error);

} // namespace zf

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace zf {

class DesignForm;
class DesignProject;

// Where design windows go: cascaded and tiled on request, and a new one
// beside the others rather than exactly on top of one. All design windows
// are of one size, `window` (frame included), placed in `area`, the client
// area in its own coordinates.

// One cascade step: a window's caption and a little more, so that every
// caption of a cascade stays readable.
inline constexpr int kCascadeStep = 24;

// `count` windows, each one step right and down from the one before it,
// from the area's top-left corner; a window that would reach past the area's
// bottom starts the cascade again at the top, one step right of where the
// last one started, so no two windows share a place and every caption shows.
std::vector<QPoint> cascadePositions(int count, QSize window, const QRect &area);

// `count` windows side by side in rows, as many across as the area's width
// takes (at least one), the rows one under another.
std::vector<QPoint> tilePositions(int count, QSize window, const QRect &area);

// Where a new design window opens: `preferred`, or, while a shown window of
// the project other than `placed` (the new one) already stands there, one
// cascade step further right and down. After a few steps it gives up and
// takes `preferred`.
QPoint freeWindowPosition(const DesignProject &project, const DesignForm &placed, QPoint preferred);

} // namespace zf

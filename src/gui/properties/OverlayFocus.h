#pragma once

class QEvent;
class QWidget;

namespace zf {

// Whether `event`, received by an editor laid over a grid cell, means the
// user left that editor: a focus-out to anything but the editor's own
// pop-up list, whatever reason the platform gives for it.
bool leavesOverlay(const QWidget *overlay, const QEvent *event);

} // namespace zf

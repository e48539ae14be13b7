#pragma once

namespace zf {

class Canvas;
class TPTButton;
class TPTCheckbox;
class TPTEdit;
class TPTGsi;
class TPTLabel;
class TPTList;
class TPTPopTrigger;

// The drawings of the classes only PToolBox places (core/controls/
// SharedPaint.h has the others), as they look on the handheld: in the
// object's own coordinates, reading the object only. Most take their
// colours from the container named by PalmForm.
void paint(Canvas &canvas, const TPTButton &button);
void paint(Canvas &canvas, const TPTEdit &field);
void paint(Canvas &canvas, const TPTLabel &label);
void paint(Canvas &canvas, const TPTPopTrigger &trigger);
void paint(Canvas &canvas, const TPTCheckbox &box);
void paint(Canvas &canvas, const TPTList &list);
void paint(Canvas &canvas, const TPTGsi &gsi);

} // namespace zf

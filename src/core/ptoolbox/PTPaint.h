#pragma once

namespace zf {

class Canvas;
class TPTButton;
class TPTCheckbox;
class TPTDialog;
class TPTEdit;
class TPTGsi;
class TPTLabel;
class TPTList;
class TPTPopTrigger;

// The drawings of the PToolBox classes and of the dialog both libraries
// share, as they look on the handheld. Like the CControls drawings (see
// CCPaint.h) they work in the object's own coordinates and only read the
// object. Most take their colours from the container named by PalmForm.
void paint(Canvas &canvas, const TPTDialog &dialog);
void paint(Canvas &canvas, const TPTButton &button);
void paint(Canvas &canvas, const TPTEdit &field);
void paint(Canvas &canvas, const TPTLabel &label);
void paint(Canvas &canvas, const TPTPopTrigger &trigger);
void paint(Canvas &canvas, const TPTCheckbox &box);
void paint(Canvas &canvas, const TPTList &list);
void paint(Canvas &canvas, const TPTGsi &gsi);

} // namespace zf

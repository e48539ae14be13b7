#pragma once

namespace zf {

class Canvas;
class TCCCheckbox;
class TCCDropDown;
class TCCListBox;
class TCCMenu;
class TCCMenuBar;
class TCCPopUp;
class TCCTable;
class TCCTextLine;

// The drawings of the classes only CControls places (core/controls/
// SharedPaint.h has the others), under the same rules: the canvas is in the
// object's coordinates and clipped to it, and painting only writes pixels.
void paint(Canvas &canvas, const TCCMenuBar &bar);
void paint(Canvas &canvas, const TCCMenu &menu);
// Labels and edits look alike.
void paint(Canvas &canvas, const TCCTextLine &text);
void paint(Canvas &canvas, const TCCCheckbox &box);
void paint(Canvas &canvas, const TCCListBox &list);
void paint(Canvas &canvas, const TCCDropDown &dropDown);
void paint(Canvas &canvas, const TCCPopUp &popUp);
void paint(Canvas &canvas, const TCCTable &table);

} // namespace zf

#pragma once

namespace zf {

class Canvas;
class TCCBitmap;
class TCCButton;
class TCCCheckbox;
class TCCDropDown;
class TCCForm;
class TCCListBox;
class TCCMenu;
class TCCMenuBar;
class TCCPopUp;
class TCCRadio;
class TCCSwitch;
class TCCTable;
class TCCTextLine;

// The drawings of the CControls classes (also the screen and the classes
// PToolBox shares), each as it looks on the handheld. The canvas is set to the
// object's own coordinates and clipped to its rectangle; painting reads the
// object and writes pixels, nothing else: the sizes that follow from other
// properties are kept by the objects themselves.
void paint(Canvas &canvas, const TCCForm &screen);
void paint(Canvas &canvas, const TCCMenuBar &bar);
void paint(Canvas &canvas, const TCCMenu &menu);
void paint(Canvas &canvas, const TCCButton &button);
void paint(Canvas &canvas, const TCCSwitch &button);
// Labels and edits look alike.
void paint(Canvas &canvas, const TCCTextLine &text);
void paint(Canvas &canvas, const TCCCheckbox &box);
void paint(Canvas &canvas, const TCCListBox &list);
void paint(Canvas &canvas, const TCCDropDown &dropDown);
void paint(Canvas &canvas, const TCCPopUp &popUp);
void paint(Canvas &canvas, const TCCRadio &radio);
void paint(Canvas &canvas, const TCCTable &table);
void paint(Canvas &canvas, const TCCBitmap &bitmap);

} // namespace zf

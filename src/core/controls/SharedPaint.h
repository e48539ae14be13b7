#pragma once

namespace zf {

class Canvas;
class TCCBitmap;
class TCCButton;
class TCCForm;
class TCCRadio;
class TCCSwitch;
class TPTDialog;

// The drawings of the classes both libraries place, and of the screen and
// the dialog that hold them, each as it looks on the handheld. The canvas is
// set to the object's own coordinates and clipped to its rectangle; painting
// reads the object and writes pixels, nothing else: the sizes that follow
// from other properties are kept by the objects themselves.
void paint(Canvas &canvas, const TCCForm &screen);
void paint(Canvas &canvas, const TPTDialog &dialog);
void paint(Canvas &canvas, const TCCButton &button);
void paint(Canvas &canvas, const TCCSwitch &button);
void paint(Canvas &canvas, const TCCRadio &radio);
void paint(Canvas &canvas, const TCCBitmap &bitmap);

} // namespace zf

#pragma once

#include <QString>

namespace zf {

class DesignObject;
class LineWriter;
class TCCButton;
struct CodeContainer;

// The colour code of PToolBox projects: three helper functions written into
// the main file, and the calls to them. Colours are written as Palm indices.

// FormColors(0, ...) for a form, FormColors(1, ...) for a dialog.
QString containerColors(const CodeContainer &container);
// The ButColors or FieldColors call of an ordinary Button, Select, Label or
// Field; empty for every other object.
QString objectColors(const DesignObject &object);
// The colours of a select box's date or time picker dialog.
QString pickerColors(const TCCButton &select);

// FormColors, then ButColors and FieldColors when asked for, each followed
// by an empty line.
void writeColorFunctions(LineWriter &out, bool butColors, bool fieldColors);
void writeColorPrototypes(LineWriter &out, bool butColors, bool fieldColors);

} // namespace zf

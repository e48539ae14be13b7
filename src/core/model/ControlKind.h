#pragma once

#include <QString>

#include <optional>

namespace zf {

// The kinds of control of both libraries, one per toolbox button. The word of
// a kind is what form files store under "Control", what the control list shows
// after the name, and the long prefix of most default names.
enum class ControlKind {
    // Both libraries
    Button,
    Label,
    CheckBox,
    Radio,
    Dialog,
    // CControls
    Switch,
    Edit,
    EditLine,
    ListBox,
    DropDown,
    PopUp,
    Table,
    Image,
    Menu,
    MenuBar,
    // PToolBox
    Select,
    Push,
    List,
    PopTrigger,
    Field,
    Gsi,
    Bitmap,
};

QString kindWord(ControlKind kind);
std::optional<ControlKind> kindFromWord(const QString &word);

} // namespace zf

#pragma once

namespace zf {

class DesignObject;

// What a placed object is to the PToolBox generator. Within a PToolBox
// project each class stands for one kind; a Button is a repeat button only
// when its ButtonType is 1.
enum class PtKind {
    Button,
    RepeatButton,
    Select,
    Push,
    CheckBox,
    PopTrigger,
    Field,
    List,
    Label,
    Gsi,
    Radio,
    Bitmap,
    Dialog,
    Other, // a class PToolBox does not know: nothing is written for it
};

PtKind ptKindOf(const DesignObject &object);

} // namespace zf

#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace zf {

class DesignContainer;
class DesignForm;
class DesignObject;
class DesignProject;
class LibrarySupport;

// Cut, Copy, Paste and Duplicate of controls between places, forms, projects
// and running copies of the program. The core reads and writes the
// clipboard's bytes only; the application moves them through the system
// clipboard under kControlMimeType.
//
// The record is an INI text: a header section naming the class, the library
// whose form-file record follows and the control's name, then that record
// with every property a form file keeps (a dialog's without its controls).
// Several controls add "Count" to the first header; the header of each
// further control is named like the first with its number after a space
// ("Zentiform Control 2", ...) and its record follows it. One control makes
// exactly the record it always made.

inline const QString kControlMimeType = QStringLiteral("application/x-zentiform-control");

// The record of `control` under `name`; empty when no library writes the
// control's class.
QByteArray encodeControl(const DesignObject &control, const QString &name);

// A control read back from a record, not yet placed, under the stored name;
// or the message refusing a record that is damaged or not one of ours.
struct DecodedControl
{
    std::unique_ptr<DesignObject> control;
    QString error;
    int library = 0; // whose record it was
};
DecodedControl decodeControl(const QByteArray &bytes, const DesignForm &form);

// The record of several controls, each under its own name; empty when a
// control's class has no library to write it.
QByteArray encodeControls(const std::vector<DesignObject *> &controls);

// Every control of a record, in its order; or the message refusing a record
// of which any part is damaged.
struct DecodedControls
{
    std::vector<DecodedControl> controls;
    QString error;
};
DecodedControls decodeControls(const QByteArray &bytes, const DesignForm &form);

// What Cut, Copy and Duplicate take: the selected control or dialog and the
// controls selected with it in its container, in child order. Empty for no
// selection, the form itself, a menu bar or a menu.
std::vector<DesignObject *> CopiedSelection(const DesignProject &project);

// Copy: the record of the selected control under the name "Copiado". Nothing
// for no selection, the form itself, a menu bar or a menu; nothing either,
// after an error message, when the control's window holds an object named
// "Copiado" already. With several controls selected (CopiedSelection), the
// record of all of them under their own names.
std::optional<QByteArray> CopyControl(DesignProject &project);

// Cut: the record of the selected control under its own name; the control is
// then deleted (a dialog with its controls) as one undo step, and the form
// becomes the selected object. Nothing for what Copy refuses. Several
// selected controls are taken and deleted together, in one step.
std::optional<QByteArray> CutControl(DesignProject &project);

// Paste into the current design window, as one undo step: into the selected
// dialog, or else onto the screen (a dialog always onto the screen, empty). The
// control keeps its position, now in its new container, takes a fresh name
// after its kind's long word and becomes the only selection. `bytes` is what
// the clipboard holds of our type, empty when it holds none: then nothing is
// pasted and nothing stays selected. A class the library does not paste is
// dropped, the selection kept, and the returned note says why, for the
// status bar; it is empty otherwise. A stored name the window already holds,
// or a damaged record, is refused with a message and changes nothing. The
// current dialog stays what it was.
//
// A record of several controls pastes all of them in one undo step, each
// under a fresh name and at the place it had, so they keep their places
// relative to each other; they become the selection, the first the selected
// object. Their stored names are not checked, since none of them is kept.
QString PasteControl(DesignProject &project, const QByteArray &bytes);

// Edit > Duplicate: copies what Copy would take, without the clipboard, and
// pastes it into the same container, kDuplicateOffset pixels right and down,
// as one undo step. The copies become the selection. Returns the note of
// PasteControl for a class the library does not paste.
inline constexpr int kDuplicateOffset = 4; // one step of the grid
QString DuplicateSelection(DesignProject &project);

// Hooks a recreated control into `form` inside `container`: it gets a fresh
// name from `kindWord`, its line in the control list, and becomes the selected
// object, selected alone. Call it inside an open change of the form.
DesignObject *AddPastedControl(const QString &kindWord, std::unique_ptr<DesignObject> control,
                               DesignContainer *container, DesignForm &form);

} // namespace zf

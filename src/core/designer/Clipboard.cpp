#include "core/designer/Clipboard.h"
#include "core/base/IniDocument.h"
#include "core/base/Saturating.h"
#include "core/designer/DesignCommands.h"
#include "core/designer/SelectionDisplay.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/FormFileRecord.h"
#include "core/model/LibrarySupport.h"
#include "core/model/PTDialog.h"
#include "core/model/UserInterface.h"

#include <algorithm>

namespace zf {

namespace {

// A space keeps the header apart from every record: no control name has one.
const QString kHeaderSection = QStringLiteral("Zentiform Control");
const QString kCopyName = QStringLiteral("Copiado");
// More than any form holds; a record that claims more is refused rather than
// pasted for minutes.
constexpr int kMaxRecordControls = 1000;

QString damagedMessage()
{
    return QStringLiteral("The clipboard holds a control that cannot be read; nothing is pasted");
}

QString libraryName(int library)
{
    return library == kLibraryCControls ? QStringLiteral("CControls") : QStringLiteral("PToolBox");
}

// Why a control the library in force does not paste stays on the clipboard,
// in the words of the library it came from; `others` when the rest of the
// record was pasted.
QString refusedPasteNote(const DecodedControl &decoded, int library, bool others = false)
{
    const std::optional<ControlKind> kind =
        LibrarySupport::forLibrary(decoded.library).kindOf(*decoded.control);
    const QString what = libraryName(decoded.library) + QLatin1Char(' ') +
                         (kind ? kindWord(*kind) : className(decoded.control->classId()));
    return QStringLiteral("A ") + what + QStringLiteral(" cannot be pasted into a ") +
           libraryName(library) +
           (others ? QStringLiteral(" form; it was left out")
                   : QStringLiteral(" form; nothing was pasted"));
}

// The header of the record's control number `index` (from 0).
QString headerSection(int index)
{
    return index == 0 ? kHeaderSection
                      : kHeaderSection + QLatin1Char(' ') + QString::number(index + 1);
}

// The library whose form-file record holds the class: the one in force, or
// else the other, so that a form left open from a project of the other
// library can still be copied.
const LibrarySupport *recordLibrary(const DesignProject &project, const DesignObject &control)
{
    for (const LibrarySupport *library :
         {&project.librarySupport(), &LibrarySupport::forLibrary(kLibraryCControls),
          &LibrarySupport::forLibrary(kLibraryPToolBox)}) {
        if (library->kindOf(control))
            return library;
    }
    return nullptr;
}

// The kind a pasted class takes in the library in force: its kind word names
// it and its list line. Menus and menu bars are not pasted.
std::optional<ControlKind> pasteKind(const LibrarySupport &library, const DesignObject &control)
{
    const std::optional<ControlKind> kind = library.kindOf(control);
    if (kind == ControlKind::Menu || kind == ControlKind::MenuBar)
        return std::nullopt;
    return kind;
}

// The selected object when Cut and Copy take it: a control or a dialog.
DesignObject *copyableSelection(const DesignProject &project)
{
    // The screen (standing for the form), the menu bar and the menus lie in
    // no container.
    DesignObject *object = project.selectedObject();
    return object && object->form() && object->parent() ? object : nullptr;
}

// What a paste goes into: the selected dialog of the window, else its screen.
DesignContainer *pasteContainer(const DesignForm &form)
{
    auto *dialog = objectCast<TPTDialog>(form.project().selectedObject());
    if (dialog && dialog->form() == &form)
        return dialog;
    return form.screen();
}

// Writes one control's header and record; false when no library writes its
// class.
bool writeControl(IniDocument &doc, int index, const DesignObject &control, const QString &name)
{
    const DesignForm *form = control.form();
    const LibrarySupport *library = form ? recordLibrary(form->project(), control) : nullptr;
    if (!library)
        return false;
    // A copy has the properties without the children, so a dialog's record
    // carries none of its controls, and without the container, so it reads
    // back onto whatever container the paste chooses.
    std::unique_ptr<DesignObject> copy = control.clone();
    copy->setName(name);
    FormFileRecordWriter(doc, headerSection(index))
        .text(u"Class", className(control.classId()))
        .number(u"Lib", library->library())
        .text(u"Name", name);
    library->saveControlRecord(doc, *copy);
    return true;
}

DecodedControl decodeAt(const IniDocument &doc, int index, const DesignForm &form)
{
    const FormFileRecord header(doc, headerSection(index));
    ClassId classId;
    const bool known =
        classIdFromName(header.text(u"Class"), &classId) && classId != ClassId::TCCForm;
    const LibrarySupport &library = LibrarySupport::forLibrary(header.number(u"Lib", 0));
    const QString name = header.text(u"Name");
    if (!known || library.library() == 0 || name.isEmpty() || !doc.hasSection(name) ||
        name.compare(kHeaderSection, Qt::CaseInsensitive) == 0)
        return {nullptr, damagedMessage()};

    std::unique_ptr<DesignObject> control =
        library.loadControlRecord(FormFileRecord(doc, name), form, form.screen());
    if (!control || control->classId() != classId)
        return {nullptr, damagedMessage()};
    control->setName(name);
    return {std::move(control), QString(), library.library()};
}

// The record's bytes as a document; false for a record too large to be ours.
bool parseRecord(const QByteArray &bytes, IniDocument &doc)
{
    if (bytes.size() > IniDocument::kMaxFileSize)
        return false;
    doc.parse(bytes);
    return true;
}

// Gives a recreated control its place in `form`: a fresh name from
// `kindWord`, the container's colours, and for a dialog the window's grid.
DesignObject *hookIn(const QString &kindWord, std::unique_ptr<DesignObject> control,
                     DesignContainer *container, DesignForm &form)
{
    DesignProject &project = form.project();
    // Pasted names take the long word whatever the Short names option says.
    control->setName(project.uniqueControlName(kindWord, form));
    control->setPalmForm(project.librarySupport().setsPalmForm() ? container : nullptr);
    if (auto *dialog = objectCast<TPTDialog>(control.get())) {
        // A pasted dialog follows the window's grid, as a new one does.
        dialog->setGridSpace(form.screen()->gridSpace());
        dialog->setGridVisible(form.screen()->gridVisible());
        form.setSnapDialogGridSize(form.snapGridSize());
    }
    return form.addObject(std::move(control), container);
}

// Pastes several recreated controls into `target` (dialogs onto the screen),
// each moved by `offset`, as one undo step named `text`; they become the
// selection. Returns the note for the controls the library does not paste.
QString pasteSeveral(DesignForm &form, std::vector<DecodedControl> decoded, DesignContainer *target,
                     QPoint offset, const QString &text)
{
    DesignProject &project = form.project();
    const LibrarySupport &library = project.librarySupport();
    std::vector<std::pair<ControlKind, DecodedControl *>> pasted;
    const DecodedControl *refused = nullptr;
    for (DecodedControl &entry : decoded) {
        if (const std::optional<ControlKind> kind = pasteKind(library, *entry.control))
            pasted.emplace_back(*kind, &entry);
        else if (!refused)
            refused = &entry;
    }
    if (pasted.empty())
        return refused ? refusedPasteNote(*refused, project.library()) : QString();

    form.perform(text, [&] {
        form.deselectAll();
        DesignObject *first = nullptr;
        for (auto &[kind, entry] : pasted) {
            DesignObject &control = *entry->control;
            control.setLeft(saturate(qint64(control.left()) + offset.x()));
            control.setTop(saturate(qint64(control.top()) + offset.y()));
            DesignContainer *container = kind == ControlKind::Dialog ? form.screen() : target;
            DesignObject *placed =
                hookIn(kindWord(kind), std::move(entry->control), container, form);
            form.selectControl(placed, true, true);
            if (!first)
                first = placed;
        }
        project.setSelectedObject(first);
        form.setLastSelected(first);
        form.refreshControlList();
    });
    return refused ? refusedPasteNote(*refused, project.library(), true) : QString();
}

// Deletes several controls of one container as one undo step; the form is
// then the selected object.
void deleteSeveral(DesignForm &form, const std::vector<DesignObject *> &controls)
{
    form.perform(QStringLiteral("Cut %1 controls").arg(controls.size()), [&] {
        for (DesignObject *control : controls)
            form.removeObject(control);
        form.setLastSelected(nullptr);
        form.project().setSelectedObject(form.screen());
        form.deselectAll();
        form.refreshControlList();
    });
}

} // namespace

QByteArray encodeControl(const DesignObject &control, const QString &name)
{
    IniDocument doc;
    return writeControl(doc, 0, control, name) ? doc.toBytes() : QByteArray();
}

DecodedControl decodeControl(const QByteArray &bytes, const DesignForm &form)
{
    IniDocument doc;
    if (!parseRecord(bytes, doc))
        return {nullptr, damagedMessage()};
    return decodeAt(doc, 0, form);
}

QByteArray encodeControls(const std::vector<DesignObject *> &controls)
{
    IniDocument doc;
    for (size_t i = 0; i < controls.size(); ++i) {
        if (!writeControl(doc, int(i), *controls[i], controls[i]->name()))
            return {};
    }
    if (controls.size() > 1)
        FormFileRecordWriter(doc, kHeaderSection).number(u"Count", int(controls.size()));
    return doc.toBytes();
}

DecodedControls decodeControls(const QByteArray &bytes, const DesignForm &form)
{
    IniDocument doc;
    if (!parseRecord(bytes, doc))
        return {{}, damagedMessage()};
    // Each further control needs a header of its own, so a damaged count
    // stops at the first one missing.
    const int count = std::max(1, FormFileRecord(doc, kHeaderSection).number(u"Count", 1));
    if (count > kMaxRecordControls)
        return {{}, damagedMessage()};
    DecodedControls decoded;
    for (int i = 0; i < count; ++i) {
        DecodedControl control = decodeAt(doc, i, form);
        if (!control.control)
            return {{}, control.error};
        decoded.controls.push_back(std::move(control));
    }
    return decoded;
}

std::vector<DesignObject *> CopiedSelection(const DesignProject &project)
{
    DesignObject *subject = copyableSelection(project);
    if (!subject)
        return {};
    std::vector<DesignObject *> controls;
    for (DesignObject *sibling : subject->parent()->children()) {
        if (sibling == subject || sibling->isSelected())
            controls.push_back(sibling);
    }
    return controls;
}

std::optional<QByteArray> CopyControl(DesignProject &project)
{
    const std::vector<DesignObject *> controls = CopiedSelection(project);
    if (controls.empty())
        return std::nullopt;
    QByteArray bytes;
    if (controls.size() > 1) {
        bytes = encodeControls(controls);
    } else {
        DesignObject *control = controls.front();
        const QString refused = control->form()->renameError(control, kCopyName);
        if (!refused.isEmpty()) {
            project.ui().error(refused);
            return std::nullopt;
        }
        bytes = encodeControl(*control, kCopyName);
    }
    if (bytes.isEmpty())
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> CutControl(DesignProject &project)
{
    const std::vector<DesignObject *> controls = CopiedSelection(project);
    if (controls.empty())
        return std::nullopt;
    QByteArray bytes = encodeControls(controls);
    if (bytes.isEmpty())
        return std::nullopt;
    DesignForm &form = *controls.front()->form();
    if (controls.size() > 1)
        deleteSeveral(form, controls);
    else
        form.perform(QStringLiteral("Cut ") + controls.front()->name(),
                     [&] { DeleteControl(form); });
    return bytes;
}

QString PasteControl(DesignProject &project, const QByteArray &bytes)
{
    DesignForm *form = project.currentDesignWindow();
    if (!form)
        return {};
    if (bytes.isEmpty()) {
        project.setSelectedObject(nullptr);
        return {};
    }
    DecodedControls decoded = decodeControls(bytes, *form);
    if (!decoded.error.isEmpty()) {
        project.ui().error(decoded.error);
        return {};
    }
    if (decoded.controls.size() > 1) {
        return pasteSeveral(*form, std::move(decoded.controls), pasteContainer(*form), {},
                            QStringLiteral("Paste"));
    }
    DecodedControl &single = decoded.controls.front();
    const QString refused = form->renameError(nullptr, single.control->name());
    if (!refused.isEmpty()) {
        project.ui().error(refused);
        return {};
    }
    const std::optional<ControlKind> kind = pasteKind(project.librarySupport(), *single.control);
    if (!kind)
        return refusedPasteNote(single, project.library());
    DesignContainer *container =
        *kind == ControlKind::Dialog ? form->screen() : pasteContainer(*form);
    form->perform(QStringLiteral("Paste"), [&] {
        AddPastedControl(kindWord(*kind), std::move(single.control), container, *form);
    });
    return {};
}

QString DuplicateSelection(DesignProject &project)
{
    const std::vector<DesignObject *> controls = CopiedSelection(project);
    if (controls.empty())
        return {};
    DesignForm &form = *controls.front()->form();
    DecodedControls decoded = decodeControls(encodeControls(controls), form);
    if (!decoded.error.isEmpty())
        return {};
    return pasteSeveral(form, std::move(decoded.controls), controls.front()->parent(),
                        {kDuplicateOffset, kDuplicateOffset}, QStringLiteral("Duplicate"));
}

DesignObject *AddPastedControl(const QString &kindWord, std::unique_ptr<DesignObject> control,
                               DesignContainer *container, DesignForm &form)
{
    DesignObject *placed = hookIn(kindWord, std::move(control), container, form);
    form.project().setSelectedObject(placed);
    form.refreshControlList();
    MostrarSeleccionado(form, false);
    return placed;
}

} // namespace zf

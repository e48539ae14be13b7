#include "core/designer/Clipboard.h"
#include "core/base/IniDocument.h"
#include "core/designer/DesignCommands.h"
#include "core/designer/SelectionDisplay.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/FormFileRecord.h"
#include "core/model/LibrarySupport.h"
#include "core/model/PTDialog.h"
#include "core/model/UserInterface.h"

namespace zf {

namespace {

// A space keeps the header apart from every record: no control name has one.
const QString kHeaderSection = QStringLiteral("Zentiform Control");
const QString kCopyName = QStringLiteral("Copiado");

QString damagedMessage()
{
    return QStringLiteral("The clipboard holds a control that cannot be read; nothing is pasted");
}

QString libraryName(int library)
{
    return library == kLibraryCControls ? QStringLiteral("CControls") : QStringLiteral("PToolBox");
}

// Why a control the library in force does not paste stays on the clipboard,
// in the words of the library it came from.
QString refusedPasteNote(const DecodedControl &decoded, int library)
{
    const std::optional<ControlKind> kind =
        LibrarySupport::forLibrary(decoded.library).kindOf(*decoded.control);
    const QString what = libraryName(decoded.library) + QLatin1Char(' ') +
                         (kind ? kindWord(*kind) : className(decoded.control->classId()));
    return QStringLiteral("A ") + what + QStringLiteral(" cannot be pasted into a ") +
           libraryName(library) + QStringLiteral(" form; nothing was pasted");
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

} // namespace

QByteArray encodeControl(const DesignObject &control, const QString &name)
{
    const DesignForm *form = control.form();
    const LibrarySupport *library = form ? recordLibrary(form->project(), control) : nullptr;
    if (!library)
        return {};
    // A copy has the properties without the children, so a dialog's record
    // carries none of its controls, and without the container, so it reads
    // back onto whatever container the paste chooses.
    std::unique_ptr<DesignObject> copy = control.clone();
    copy->setName(name);
    IniDocument doc;
    FormFileRecordWriter(doc, kHeaderSection)
        .text(u"Class", className(control.classId()))
        .number(u"Lib", library->library())
        .text(u"Name", name);
    library->saveControlRecord(doc, *copy);
    return doc.toBytes();
}

DecodedControl decodeControl(const QByteArray &bytes, const DesignForm &form)
{
    if (bytes.size() > IniDocument::kMaxFileSize)
        return {nullptr, damagedMessage()};
    IniDocument doc;
    doc.parse(bytes);
    const FormFileRecord header(doc, kHeaderSection);
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

std::optional<QByteArray> CopyControl(DesignProject &project)
{
    DesignObject *control = copyableSelection(project);
    if (!control)
        return std::nullopt;
    const QString refused = control->form()->renameError(control, kCopyName);
    if (!refused.isEmpty()) {
        project.ui().error(refused);
        return std::nullopt;
    }
    QByteArray bytes = encodeControl(*control, kCopyName);
    if (bytes.isEmpty())
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> CutControl(DesignProject &project)
{
    DesignObject *control = copyableSelection(project);
    if (!control)
        return std::nullopt;
    QByteArray bytes = encodeControl(*control, control->name());
    if (bytes.isEmpty())
        return std::nullopt;
    DesignForm &form = *control->form();
    form.perform(QStringLiteral("Cut ") + control->name(), [&] { DeleteControl(form); });
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
    DecodedControl decoded = decodeControl(bytes, *form);
    if (!decoded.control) {
        project.ui().error(decoded.error);
        return {};
    }
    const QString refused = form->renameError(nullptr, decoded.control->name());
    if (!refused.isEmpty()) {
        project.ui().error(refused);
        return {};
    }
    const std::optional<ControlKind> kind = pasteKind(project.librarySupport(), *decoded.control);
    if (!kind)
        return refusedPasteNote(decoded, project.library());
    DesignContainer *container =
        *kind == ControlKind::Dialog ? form->screen() : pasteContainer(*form);
    form->perform(QStringLiteral("Paste"), [&] {
        AddPastedControl(kindWord(*kind), std::move(decoded.control), container, *form);
    });
    return {};
}

DesignObject *AddPastedControl(const QString &kindWord, std::unique_ptr<DesignObject> control,
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
    DesignObject *placed = form.addObject(std::move(control), container);
    project.setSelectedObject(placed);
    form.refreshControlList();
    MostrarSeleccionado(form, false);
    return placed;
}

} // namespace zf

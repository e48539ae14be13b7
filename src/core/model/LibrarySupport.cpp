#include "core/model/LibrarySupport.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/FormFileRecord.h"
#include "core/model/PTDialog.h"

#include <algorithm>
#include <array>

namespace zf {

namespace {

// The supports installed by the layer that knows both libraries, by library
// value; see core/libraries/Libraries.h.
std::array<const LibrarySupport *, 3> &installedLibraries()
{
    static std::array<const LibrarySupport *, 3> supports{};
    return supports;
}

} // namespace

void LibrarySupport::install(const LibrarySupport &support)
{
    const int library = support.library();
    Q_ASSERT(library == kLibraryCControls || library == kLibraryPToolBox);
    installedLibraries()[std::size_t(library)] = &support;
}

const LibrarySupport &LibrarySupport::forLibrary(int library)
{
    static const LibrarySupport none;
    if (library != kLibraryCControls && library != kLibraryPToolBox)
        return none;
    const LibrarySupport *support = installedLibraries()[std::size_t(library)];
    // A program that forgot to install the libraries would silently do
    // nothing for every control; stop it at its first use instead.
    if (!support)
        qFatal("The control libraries are not installed: call zf::installLibraries() first");
    return *support;
}

const KindSpec *LibrarySupport::spec(ControlKind kind) const
{
    for (const KindSpec &entry : kinds()) {
        if (entry.kind == kind)
            return &entry;
    }
    return nullptr;
}

const KindSpec *LibrarySupport::specOf(const DesignObject &object) const
{
    for (const KindSpec &entry : kinds()) {
        if (entry.classId == object.classId() && (!entry.owns || entry.owns(object)))
            return &entry;
    }
    return nullptr;
}

std::optional<ControlKind> LibrarySupport::kindOf(const DesignObject &object) const
{
    const KindSpec *entry = specOf(object);
    return entry ? std::optional(entry->kind) : std::nullopt;
}

std::vector<ControlKind> LibrarySupport::toolboxKinds() const
{
    std::vector<ControlKind> result;
    for (const KindSpec &entry : kinds()) {
        if (entry.onToolbox)
            result.push_back(entry.kind);
    }
    return result;
}

QString LibrarySupport::namePrefix(ControlKind kind, bool shortNames) const
{
    const KindSpec *entry = spec(kind);
    return entry ? QLatin1String(shortNames ? entry->shortPrefix : entry->longPrefix) : QString();
}

bool LibrarySupport::createControlAt(DesignForm &form, int x, int y, DesignContainer *clicked) const
{
    DesignProject &project = form.project();
    const std::optional<ControlKind> tool = project.pressedTool();
    const KindSpec *entry = tool ? spec(*tool) : nullptr;
    if (!entry || !entry->onToolbox)
        return false;
    project.setPressedTool(std::nullopt); // one click places one control

    bool created = false;
    if (createWindowObject(form, entry->kind, &created))
        return created;

    form.perform(QStringLiteral("Create ") + kindWord(entry->kind), [&] {
        if (!entry->keepsSelection)
            form.deselectAll();
        const QString name =
            project.uniqueControlName(namePrefix(entry->kind, project.shortNames()), form);
        DesignObject *object = nullptr;
        if (!entry->place) {
            object = form.newDialog(name);
        } else {
            // A click on the shown dialog places the control inside it.
            DesignContainer *container = objectCast<TPTDialog>(clicked) ? clicked : form.screen();
            std::unique_ptr<DesignObject> control = entry->make();
            entry->place(*control, name, x, y);
            control->setName(name);
            control->setColor(project.newControlColor());
            if (setsPalmForm())
                control->setPalmForm(container);
            object = form.addObject(std::move(control), container);
        }
        project.setSelectedObject(object);
        form.refreshControlList();
    });
    return true;
}

void LibrarySupport::listControls(const DesignForm &form, ControlList &lines) const
{
    if (kinds().empty())
        return;
    const auto line = [this](DesignObject *object) {
        const auto kind = kindOf(*object);
        return ControlListLine{object->name() + QStringLiteral(": ") + (kind ? kindWord(*kind) : QString()),
                               object};
    };
    for (DesignObject *object : form.screen()->children()) {
        if (auto *dialog = objectCast<TPTDialog>(object)) {
            for (DesignObject *child : dialog->children())
                lines.push_back(line(child));
        }
        lines.push_back(line(object));
    }
    lines.push_back({form.name() + QStringLiteral(": Form"), form.screen()});
    for (DesignObject *object : form.windowChildren()) {
        if (kindOf(*object))
            lines.push_back(line(object));
    }
}

const PropertyDefs &LibrarySupport::formRows() const
{
    static const PropertyDefs none;
    return none;
}

const RecordFields &LibrarySupport::formFields() const
{
    static const RecordFields none;
    return none;
}

PropertyRows LibrarySupport::propertyRows(const DesignObject &object) const
{
    if (objectCast<TCCForm>(&object))
        return rowsOf(object, formRows());
    const KindSpec *entry = specOf(object);
    return entry ? rowsOf(object, entry->rows) : PropertyRows();
}

QString LibrarySupport::applyPropertyValue(DesignObject &object, const QString &row,
                                           const QString &text) const
{
    if (objectCast<TCCForm>(&object))
        return applyRow(object, formRows(), row, text);
    const KindSpec *entry = specOf(object);
    return entry ? applyRow(object, entry->rows, row, text) : QString();
}

std::optional<PropertyRow> LibrarySupport::shownText(const DesignObject &object) const
{
    const KindSpec *entry = specOf(object);
    if (!entry || entry->textRow.isEmpty())
        return std::nullopt;
    for (const PropertyDef &def : entry->rows) {
        if (def.name == entry->textRow)
            return PropertyRow{def.name, def.text(object)};
    }
    return std::nullopt;
}

ItemsEditor LibrarySupport::itemsEditor(const DesignObject &object) const
{
    const KindSpec *entry = specOf(object);
    return entry ? entry->itemsEditor : ItemsEditor::None;
}

void LibrarySupport::saveControlRecord(IniDocument &doc, const DesignObject &object) const
{
    const KindSpec *entry = specOf(object);
    if (!entry)
        return;
    FormFileRecordWriter writer(doc, object.name());
    for (const RecordField &field : entry->fields) {
        if (field.beforeHead && field.write)
            field.write(writer, object);
    }
    writer.text(u"Control", recordWord(entry->kind)).text(u"Name", object.name());
    for (const RecordField &field : entry->fields) {
        if (!field.beforeHead && field.write)
            field.write(writer, object);
    }
    if (object.isContainer()) {
        for (const DesignObject *child : static_cast<const DesignContainer &>(object).children())
            saveControlRecord(doc, *child);
    }
}

std::unique_ptr<DesignObject> LibrarySupport::loadControlRecord(const FormFileRecord &record,
                                                                const DesignForm &form,
                                                                DesignContainer *container) const
{
    // Compared case-sensitively: the words are the kinds' own.
    const std::optional<ControlKind> kind = kindFromWord(record.text(u"Control"));
    const KindSpec *entry = kind ? spec(*kind) : nullptr;
    if (!entry)
        return nullptr;
    std::unique_ptr<DesignObject> object = entry->make();
    object->setName(record.text(u"Name", entry->recordName));
    for (const RecordField &field : entry->fields) {
        if (field.read)
            field.read(record, *object, form);
    }
    if (entry->settle)
        entry->settle(*object);
    // Controls draw with the colour set of the container they were loaded
    // into; classes without one (dialogs, fields) ignore it.
    if (setsPalmForm())
        object->setPalmForm(container);
    return object;
}

void LibrarySupport::saveWindowRecords(IniDocument &doc, const DesignForm &form) const
{
    for (const DesignObject *object : form.windowChildren())
        saveControlRecord(doc, *object);
}

QStringList LibrarySupport::extraRecordSections(const DesignObject &object) const
{
    QStringList sections;
    if (const KindSpec *entry = specOf(object)) {
        for (const RecordField &field : entry->fields) {
            if (!field.sectionSuffix.isEmpty())
                sections << object.name() + field.sectionSuffix;
        }
    }
    return sections;
}

void LibrarySupport::saveFormKeys(IniDocument &doc, const DesignForm &form) const
{
    FormFileRecordWriter writer(doc, kFormSection);
    for (const RecordField &field : formFields())
        field.write(writer, *form.screen());
}

void LibrarySupport::loadFormKeys(const FormFileRecord &record, DesignForm &form) const
{
    for (const RecordField &field : formFields())
        field.read(record, *form.screen(), form);
}

} // namespace zf

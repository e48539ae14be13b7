#include "core/properties/PropertySheet.h"
#include "core/ccontrols/CCTable.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/ItemListObject.h"
#include "core/model/LibrarySupport.h"
#include "core/model/UserInterface.h"

#include <algorithm>

namespace zf {

namespace {

// Undo steps of one cell edit merge; the session tells edits apart.
constexpr int kCellEditMerge = 2;

void report(UserInterface &ui, const QStringList &messages)
{
    for (const QString &message : messages)
        ui.error(message);
}

} // namespace

void ShowControlProperties(DesignObject &object, const QString &currentRow)
{
    DesignForm *form = object.form();
    if (!form)
        return;
    DesignProject &project = form->project();
    // Selected first, so that undoing what showing changed keeps the object
    // in the sheet.
    project.setSelectedObject(&object);
    report(project.ui(), project.librarySupport().showControlProperties(object, currentRow));
}

PropertySheet::PropertySheet(DesignProject &project, QObject *parent)
    : QObject(parent), m_project(project)
{
    connect(&project, &DesignProject::selectedObjectChanged, this, [this] {
        endEdit(); // an edit belongs to the object it began on
        Q_EMIT rowsChanged();
    });
    connect(&project, &DesignProject::currentDesignWindowChanged, this,
            &PropertySheet::rowsChanged);
    connect(&project, &DesignProject::libraryChanged, this, &PropertySheet::rowsChanged);
    connect(&project, &DesignProject::formAdded, this, &PropertySheet::watch);
    for (const auto &form : project.forms())
        watch(form.get());
}

PropertySheet::~PropertySheet() = default;

void PropertySheet::watch(DesignForm *form)
{
    connect(form, &DesignForm::changed, this, &PropertySheet::rowsChanged);
}

DesignObject *PropertySheet::subject() const
{
    DesignObject *object = m_project.selectedObject();
    return object && object->form() ? object : nullptr;
}

PropertyRows PropertySheet::rows() const
{
    const DesignObject *object = subject();
    return object ? m_project.librarySupport().propertyRows(*object) : PropertyRows();
}

QString PropertySheet::value(const QString &row) const
{
    for (const PropertyRow &r : rows()) {
        if (r.name == row)
            return r.value;
    }
    return {};
}

int PropertySheet::currentRow() const
{
    const PropertyRows all = rows();
    if (all.empty())
        return -1;
    const auto it = std::find_if(all.begin(), all.end(), [this](const PropertyRow &r) {
        return r.name == m_currentRowName;
    });
    if (it != all.end())
        return int(it - all.begin());
    return std::clamp(m_currentRowIndex, 0, int(all.size()) - 1);
}

QString PropertySheet::currentRowName() const
{
    const int index = currentRow();
    return index >= 0 ? rows().at(size_t(index)).name : m_currentRowName;
}

void PropertySheet::setCurrentRow(int index)
{
    const PropertyRows all = rows();
    if (index < 0 || index >= int(all.size()))
        return;
    m_currentRowIndex = index;
    m_currentRowName = all.at(size_t(index)).name;
}

void PropertySheet::anchorCurrentRow()
{
    const int index = currentRow();
    if (index >= 0)
        setCurrentRow(index);
}

ControlList PropertySheet::chooserLines() const
{
    DesignForm *form = m_project.currentDesignWindow();
    if (!form && subject())
        form = subject()->form();
    if (!form)
        return {};
    ControlList lines;
    m_project.librarySupport().listControls(*form, lines);
    std::stable_sort(lines.begin(), lines.end(),
                     [](const ControlListLine &a, const ControlListLine &b) {
                         return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
                     });
    return lines;
}

int PropertySheet::chooserIndex() const
{
    const DesignObject *object = subject();
    if (!object)
        return -1;
    const ControlList lines = chooserLines();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].object == object)
            return int(i);
    }
    return -1;
}

void PropertySheet::chooseObject(int index)
{
    const ControlList lines = chooserLines();
    if (index < 0 || index >= int(lines.size()))
        return;
    DesignObject *object = lines[size_t(index)].object;
    DesignForm *form = object->form();
    showObject(object);
    // The chosen object becomes the only one selected; the form's own line
    // selects no control.
    form->deselectAll();
    if (object != form->screen() && !object->isSelected())
        form->selectControl(object, true, false);
    form->setLastSelected(object);
    form->notifyChanged();
}

void PropertySheet::showObject(DesignObject *object)
{
    endEdit();
    if (!object || !object->form())
        return;
    ShowControlProperties(*object, currentRowName());
    anchorCurrentRow();
    Q_EMIT rowsChanged();
}

void PropertySheet::refill()
{
    showObject(subject());
}

ChoiceList PropertySheet::choices(const QString &row) const
{
    return choiceList(row, subject(), m_project);
}

int PropertySheet::choiceIndex(const QString &row) const
{
    return int(choices(row).entries.indexOf(value(row)));
}

PropertySheet::Ellipsis PropertySheet::ellipsis(const QString &row) const
{
    const DesignObject *object = subject();
    if (!object)
        return Ellipsis::None;
    switch (TipoCelda(row)) {
    case CellKind::ItemList:
        switch (m_project.librarySupport().itemsEditor(*object)) {
        case ItemsEditor::Items:
            return Ellipsis::ItemsEditor;
        case ItemsEditor::Table:
            return Ellipsis::TableEditor;
        case ItemsEditor::None:
            return Ellipsis::None;
        }
        return Ellipsis::None;
    case CellKind::ColorSet:
        // Only a picker has colours to edit.
        if (value(row) != QLatin1String("(Colors)"))
            return Ellipsis::None;
        [[fallthrough]];
    case CellKind::Bitmap:
        if (objectCast<TCCButton>(object))
            return Ellipsis::ColorSetDialog;
        if (objectCast<TCCBitmap>(object))
            return Ellipsis::BitmapEditor;
        return Ellipsis::None;
    default:
        return Ellipsis::None;
    }
}

QString PropertySheet::apply(DesignObject &object, const QString &row, const QString &text,
                             MergeKey merge)
{
    DesignForm &form = *object.form();
    QString message;
    form.perform(
        QStringLiteral("Change ") + row,
        [&] {
            message = m_project.librarySupport().applyPropertyValue(object, row, text);
            if (row == QLatin1String("Name") && message.isEmpty())
                form.refreshControlList();
        },
        merge);
    return message;
}

void PropertySheet::beginEdit(const QString &row)
{
    if (m_edit && m_edit->row == row)
        return;
    endEdit();
    m_edit = Edit{row, DesignForm::newMergeSession(), {}};
    m_currentRowName = row;
}

void PropertySheet::editText(const QString &text)
{
    DesignObject *object = subject();
    if (!m_edit || !object)
        return;
    // A number still being typed ("", "-") waits; it refuses nothing.
    if (!ValorOK(m_edit->row, text)) {
        m_edit->refusal.clear();
        return;
    }
    m_edit->refusal = apply(*object, m_edit->row, text, {kCellEditMerge, m_edit->session});
}

void PropertySheet::endEdit()
{
    if (!m_edit)
        return;
    const QString refusal = m_edit->refusal;
    m_edit.reset();
    if (!refusal.isEmpty())
        report(m_project.ui(), {refusal});
    Q_EMIT rowsChanged();
}

void PropertySheet::chooseValue(const QString &row, const QString &text)
{
    endEdit();
    DesignObject *object = subject();
    if (!object)
        return;
    m_currentRowName = row;
    // A choice can change which rows exist or what they hold: the object is
    // shown again within the same step.
    QStringList messages;
    object->form()->perform(QStringLiteral("Change ") + row, [&] {
        const QString message = apply(*object, row, text, {});
        if (!message.isEmpty())
            messages << message;
        m_project.setSelectedObject(object);
        messages << m_project.librarySupport().showControlProperties(*object, row);
    });
    report(m_project.ui(), messages);
    anchorCurrentRow();
    Q_EMIT rowsChanged();
}

ItemListObject *PropertySheet::itemList() const
{
    DesignObject *object = subject();
    if (!object || m_project.librarySupport().itemsEditor(*object) != ItemsEditor::Items)
        return nullptr;
    return dynamic_cast<ItemListObject *>(object);
}

QStringList PropertySheet::itemsToEdit() const
{
    const ItemListObject *list = itemList();
    return list ? list->items() : QStringList();
}

void PropertySheet::replaceItems(const QStringList &items)
{
    endEdit();
    if (ItemListObject *list = itemList())
        list->form()->perform(QStringLiteral("Edit Items"), [&] { list->setItems(items); });
}

std::optional<TableGrid> PropertySheet::tableToEdit() const
{
    const DesignObject *object = subject();
    const auto *table = objectCast<TCCTable>(object);
    if (!table || m_project.librarySupport().itemsEditor(*table) != ItemsEditor::Table)
        return std::nullopt;
    return TableGrid(*table);
}

void PropertySheet::replaceTable(const TableGrid &grid)
{
    endEdit();
    auto *table = objectCast<TCCTable>(subject());
    if (!table || m_project.librarySupport().itemsEditor(*table) != ItemsEditor::Table)
        return;
    table->form()->perform(QStringLiteral("Edit Table"), [&] { grid.writeTo(*table); });
}

void PropertySheet::replaceBitmap(const QString &stringBits)
{
    endEdit();
    if (auto *bitmap = objectCast<TCCBitmap>(subject()))
        bitmap->form()->perform(QStringLiteral("Edit Bitmap"),
                                [&] { bitmap->setStringBits(stringBits); });
}

void PropertySheet::replaceDotColors(const QString &colors)
{
    endEdit();
    if (auto *select = objectCast<TCCButton>(subject()))
        select->form()->perform(QStringLiteral("Edit Picker Colors"),
                                [&] { select->setDotColors(colors); });
}

} // namespace zf

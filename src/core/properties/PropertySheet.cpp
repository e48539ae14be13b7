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

// Rows edited in an editor of their own, or naming one object, which several
// controls never share.
bool isSingleControlRow(const PropertyRow &row)
{
    switch (TipoCelda(row.name)) {
    case CellKind::ItemList:
    case CellKind::Bitmap:
    case CellKind::ColorSet:
        return true;
    default:
        return row.name == QLatin1String("Name");
    }
}

const PropertyRow *findRow(const PropertyRows &rows, const QString &name)
{
    const auto it =
        std::find_if(rows.begin(), rows.end(), [&](const PropertyRow &r) { return r.name == name; });
    return it != rows.end() ? &*it : nullptr;
}

} // namespace

class PropertySheet::Batch
{
public:
    explicit Batch(PropertySheet &sheet) : m_sheet(sheet) { ++m_sheet.m_batchDepth; }
    ~Batch()
    {
        if (--m_sheet.m_batchDepth == 0 && m_sheet.m_batchChanged) {
            m_sheet.m_batchChanged = false;
            Q_EMIT m_sheet.rowsChanged();
        }
    }
    Batch(const Batch &) = delete;
    Batch &operator=(const Batch &) = delete;

private:
    PropertySheet &m_sheet;
};

void ShowControlProperties(DesignObject &object, const QString &currentRow)
{
    DesignForm *form = object.form();
    if (!form)
        return;
    DesignProject &project = form->project();
    project.setSelectedObject(&object);
    project.librarySupport().showControlProperties(object, currentRow);
}

PropertySheet::PropertySheet(DesignProject &project, QObject *parent)
    : QObject(parent), m_project(project)
{
    connect(&project, &DesignProject::selectedObjectChanged, this, [this] {
        Batch batch(*this);
        endEdit(); // an edit belongs to the object it began on
        invalidate();
    });
    connect(&project, &DesignProject::currentDesignWindowChanged, this, &PropertySheet::invalidate);
    connect(&project, &DesignProject::libraryChanged, this, &PropertySheet::invalidate);
    connect(&project, &DesignProject::formAdded, this, &PropertySheet::watch);
    for (const auto &form : project.forms())
        watch(form.get());
}

PropertySheet::~PropertySheet() = default;

void PropertySheet::watch(DesignForm *form)
{
    connect(form, &DesignForm::changed, this, &PropertySheet::invalidate);
}

void PropertySheet::invalidate()
{
    m_rows.reset();
    if (m_batchDepth > 0)
        m_batchChanged = true;
    else
        Q_EMIT rowsChanged();
}

DesignObject *PropertySheet::subject() const
{
    DesignObject *object = m_project.selectedObject();
    return object && object->form() ? object : nullptr;
}

std::vector<DesignObject *> PropertySheet::subjects() const
{
    DesignObject *primary = subject();
    if (!primary)
        return {};
    std::vector<DesignObject *> all{primary};
    // Controls and dialogs go together; the form, its menus and its menu
    // bar are edited alone.
    if (!primary->parent() || !primary->isSelected())
        return all;
    primary->form()->forEachObject([&](DesignObject *object) {
        if (object != primary && object->parent() && object->isSelected())
            all.push_back(object);
    });
    return all;
}

PropertyRows PropertySheet::computeRows() const
{
    const std::vector<DesignObject *> objects = subjects();
    if (objects.empty())
        return {};
    const LibrarySupport &library = m_project.librarySupport();
    PropertyRows rows = library.propertyRows(*objects.front());
    if (objects.size() > 1) {
        std::vector<PropertyRows> others;
        for (size_t i = 1; i < objects.size(); ++i)
            others.push_back(library.propertyRows(*objects[i]));
        std::erase_if(rows, [&](PropertyRow &row) {
            if (isSingleControlRow(row))
                return true;
            for (const PropertyRows &other : others) {
                const PropertyRow *same = findRow(other, row.name);
                if (!same)
                    return true;
                if (same->value != row.value)
                    row.value.clear();
            }
            return false;
        });
    }
    if (!m_filter.isEmpty()) {
        std::erase_if(rows, [this](const PropertyRow &row) {
            return !row.name.contains(m_filter, Qt::CaseInsensitive);
        });
    }
    return rows;
}

const PropertyRows &PropertySheet::rows() const
{
    if (!m_rows)
        m_rows = computeRows();
    return *m_rows;
}

QString PropertySheet::rowName(int index) const
{
    const PropertyRows &all = rows();
    return index >= 0 && index < int(all.size()) ? all[size_t(index)].name : QString();
}

QString PropertySheet::value(const QString &row) const
{
    const PropertyRow *found = findRow(rows(), row);
    return found ? found->value : QString();
}

void PropertySheet::setFilter(const QString &text)
{
    if (text == m_filter)
        return;
    m_filter = text;
    invalidate();
}

int PropertySheet::currentRow() const
{
    const PropertyRows &all = rows();
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
    return index >= 0 ? rowName(index) : m_currentRowName;
}

void PropertySheet::setCurrentRow(int index)
{
    const QString name = rowName(index);
    if (name.isEmpty())
        return;
    m_currentRowIndex = index;
    m_currentRowName = name;
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
    Batch batch(*this);
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
    Batch batch(*this);
    endEdit();
    if (!object || !object->form())
        return;
    ShowControlProperties(*object, currentRowName());
    invalidate();
    anchorCurrentRow();
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

QString PropertySheet::contentRow() const
{
    for (const PropertyRow &row : rows()) {
        const Ellipsis editor = ellipsis(row.name);
        if (editor != Ellipsis::None && editor != Ellipsis::ColorSetDialog)
            return row.name;
    }
    return {};
}

PropertySheet::Ellipsis PropertySheet::ellipsis(const QString &row) const
{
    const DesignObject *object = subject();
    if (!object || isMultiple())
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

QString PropertySheet::apply(const QString &row, const QString &text, MergeKey merge)
{
    const std::vector<DesignObject *> objects = subjects();
    if (objects.empty())
        return {};
    DesignForm &form = *objects.front()->form();
    const LibrarySupport &library = m_project.librarySupport();
    QString message;
    form.performOrRevert(
        QStringLiteral("Change ") + row,
        [&] {
            for (DesignObject *object : objects) {
                message = library.applyPropertyValue(*object, row, text);
                // Several controls take a value together or not at all.
                if (!message.isEmpty() && objects.size() > 1)
                    return false;
            }
            if (row == QLatin1String("Name") && message.isEmpty())
                form.refreshControlList();
            return true;
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
    if (!m_edit || !subject())
        return;
    // A number still being typed ("", "-") waits; it refuses nothing.
    if (!ValorOK(m_edit->row, text)) {
        m_edit->refusal.clear();
        return;
    }
    m_edit->refusal = apply(m_edit->row, text, {kCellEditMerge, m_edit->session});
}

void PropertySheet::endEdit()
{
    if (!m_edit)
        return;
    const QString refusal = m_edit->refusal;
    m_edit.reset();
    if (!refusal.isEmpty())
        report(m_project.ui(), {refusal});
    invalidate();
}

void PropertySheet::chooseValue(const QString &row, const QString &text)
{
    Batch batch(*this);
    endEdit();
    DesignObject *object = subject();
    if (!object)
        return;
    m_currentRowName = row;
    QStringList messages;
    if (const QString message = apply(row, text, {}); !message.isEmpty())
        messages << message;
    // A choice can change which rows exist or what they hold: the object is
    // shown again.
    m_project.setSelectedObject(object);
    if (!isMultiple())
        m_project.librarySupport().showControlProperties(*object, row);
    report(m_project.ui(), messages);
    invalidate();
    anchorCurrentRow();
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

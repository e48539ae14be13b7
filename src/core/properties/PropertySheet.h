#pragma once

#include "core/model/DesignForm.h"
#include "core/model/PropertyRow.h"
#include "core/properties/CellKinds.h"
#include "core/properties/TableGrid.h"

#include <QObject>

#include <optional>
#include <vector>

namespace zf {

class DesignObject;
class DesignProject;
class ItemListObject;

// Shows `object` in the property sheet: the object becomes the selected
// object, and the library's side effects of showing it follow (a closed menu
// opens unless the sheet is on its "Test" row). Showing is looking: what it
// changes is no undo step of its own.
void ShowControlProperties(DesignObject &object, const QString &currentRow = {});

// The property sheet of the selected objects, without any window: its rows,
// the row the user is on, the object chooser, how each row is edited, and
// every edit applied through the library in force as one undo step. It keeps
// no object: everything is read from the project when asked, so it never
// points at an object that was deleted or undone away. The rows are worked
// out once per change; rowsChanged() tells the window to read them again,
// once per change or edit.
//
// With several controls of one form selected, the sheet shows the rows they
// all have, each with the value they share or an empty cell where they
// differ, and an edit applies to all of them as one step; a value one of them
// refuses changes none. The item, table, bitmap and colour editors and the
// names stay with one control.
class PropertySheet : public QObject
{
    Q_OBJECT

public:
    // What a row's ellipsis button opens.
    enum class Ellipsis { None, ItemsEditor, TableEditor, BitmapEditor, ColorSetDialog };

    explicit PropertySheet(DesignProject &project, QObject *parent = nullptr);
    ~PropertySheet() override;

    DesignProject &project() const { return m_project; }
    // The selected object; its screen stands for the form.
    DesignObject *subject() const;
    // Every object an edit applies to: the subject first, then the other
    // controls selected beside it.
    std::vector<DesignObject *> subjects() const;
    bool isMultiple() const { return subjects().size() > 1; }

    // The rows the sheet shows, in order: those whose names contain the
    // filter text, when there is one.
    const PropertyRows &rows() const;
    // The name of the row at `index` of rows(); empty past the end.
    QString rowName(int index) const;
    // The value text of a row; empty when the subject has no such row.
    QString value(const QString &row) const;

    // Only rows whose names contain `text` (any letter case) are shown.
    const QString &filter() const { return m_filter; }
    void setFilter(const QString &text);

    // The row the user is on: kept by name when another object is shown,
    // else by place.
    int currentRow() const;
    QString currentRowName() const;
    void setCurrentRow(int index);

    // The object chooser: the lines of the current form's objects, sorted,
    // and the line of the subject (-1 when none).
    ControlList chooserLines() const;
    int chooserIndex() const;
    // Picks a chooser line: its object is shown and becomes the only one
    // selected (the form's line clears the selection).
    void chooseObject(int index);

    // Shows an object (ShowControlProperties with the sheet's row); a cell
    // edit in progress ends first.
    void showObject(DesignObject *object);
    // Shows the subject again, as after a choice or an editor.
    void refill();

    // How a row is edited.
    CellKind cellKind(const QString &row) const { return TipoCelda(row); }
    ChoiceList choices(const QString &row) const;
    // The entry equal to the row's value, -1 when there is none.
    int choiceIndex(const QString &row) const;
    Ellipsis ellipsis(const QString &row) const;
    // The row whose editor holds the subject's content (its items, table or
    // bitmap), which a double click on the object opens; empty for objects
    // whose content is their text.
    QString contentRow() const;

    // Typing in a cell. Each text is applied at once when the row takes it
    // (ValorOK); the texts of one edit make one undo step. A value the
    // library refuses or limits is reported once, when the edit ends, if the
    // last text was still refused; the property keeps the last value taken.
    void beginEdit(const QString &row);
    void editText(const QString &text);
    void endEdit();
    bool isEditing() const { return m_edit.has_value(); }
    QString editedRow() const { return m_edit ? m_edit->row : QString(); }

    // Picking a word from a row's list: applied as one undo step, reported at
    // once, then the subject is shown again on that row.
    void chooseValue(const QString &row, const QString &text);

    // The items editor: a copy of the subject's items to edit, and on OK the
    // edited lines replace them (Cancel calls nothing).
    QStringList itemsToEdit() const;
    void replaceItems(const QStringList &items);
    // The table editor: a copy of the subject table; on OK it replaces the
    // table. Either way the editor then calls refill().
    std::optional<TableGrid> tableToEdit() const;
    void replaceTable(const TableGrid &grid);
    // The bitmap editor's and the picker colour dialog's OK.
    void replaceBitmap(const QString &stringBits);
    void replaceDotColors(const QString &colors);

Q_SIGNALS:
    // Rows, values, the chooser or the subject may have changed.
    void rowsChanged();

private:
    struct Edit
    {
        QString row;
        quint64 session = 0;
        QString refusal; // what the last text got, reported at the end
    };

    // Holds back rowsChanged() while the sheet works, and sends it once at
    // the end when anything changed meanwhile.
    class Batch;
    friend class Batch;

    void watch(DesignForm *form);
    void invalidate();
    PropertyRows computeRows() const;
    // Applies one value to every subject as a change of their form; returns
    // the library's message, which refuses the value for all of them when
    // several are edited.
    QString apply(const QString &row, const QString &text, MergeKey merge);
    ItemListObject *itemList() const;
    void anchorCurrentRow();

    DesignProject &m_project;
    QString m_currentRowName;
    int m_currentRowIndex = 0;
    QString m_filter;
    std::optional<Edit> m_edit;
    mutable std::optional<PropertyRows> m_rows;
    int m_batchDepth = 0;
    bool m_batchChanged = false;
};

} // namespace zf

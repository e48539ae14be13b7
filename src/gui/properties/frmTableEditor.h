#pragma once

#include "core/properties/TableGrid.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QTableWidget;

namespace zf {

class CellEditorDelegate;
class PropertySheet;
class UserInterface;

// The "Table Editor": a table's columns (alignment and width) and the cells
// of its rows in one grid, edited on a copy that reaches the table only
// through OK. The header row and the label column are fixed; the grid's
// coordinates below are those of TableGrid, whose row 0 and column 0 are
// these headers.
class TfrmTableEd : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize kInitialSize{383, 270};
    static constexpr QSize kMinimumSize{283, 270};

    TfrmTableEd(const TableGrid &grid, UserInterface &ui, QWidget *parent = nullptr);

    // The edited copy, the cell being typed in included.
    const TableGrid &grid() const;

    QTableWidget *table() const { return m_stgTable; }
    QComboBox *alignList() const { return m_cmbAlign; }
    QPushButton *button(const QString &objectName) const;

    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int column);

    void addRow();
    void deleteRow();
    void addColumn();
    void deleteColumn();
    void clearAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void cellEdited(int widgetRow, int widgetColumn);
    bool filterGridKey(QKeyEvent *key);
    void openAlignList();
    void writeAlign();
    void hideAlignList();
    bool moveAlignChoice(const QKeyEvent &key);
    void commitTyping() const;

    TableGrid m_grid;
    UserInterface &m_ui;
    QTableWidget *m_stgTable;
    CellEditorDelegate *m_delegate;
    QComboBox *m_cmbAlign;
    bool m_rebuilding = false;
};

// The ellipsis of a Table's "Items" row: the editor on a copy of the
// subject table with the zoom view paused; OK replaces the table as one
// undoable change. Either way the rows are shown again.
void EditSubjectTable(PropertySheet &sheet, QWidget *parent);

} // namespace zf

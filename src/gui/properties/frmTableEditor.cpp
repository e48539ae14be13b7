#include "gui/properties/frmTableEditor.h"
#include "core/app/Prompts.h"
#include "core/model/DesignProject.h"
#include "core/model/PropertyWords.h"
#include "core/properties/PropertySheet.h"
#include "gui/app/HelpTopics.h"
#include "gui/properties/CellEditorDelegate.h"
#include "gui/properties/OverlayFocus.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

namespace zf {

namespace {

constexpr int kRowHeight = 20;
constexpr int kListHeight = 18;

// The widget's cells start below the header row and right of the label
// column, which are its headers.
int widgetIndex(int gridIndex)
{
    return gridIndex - 1;
}

int gridIndex(int widgetIndex)
{
    return widgetIndex + 1;
}

// What a cell of one row keeps of what is typed or pasted into its editor:
// the editor never shows what the cell would not hold.
class CellValidator : public QValidator
{
public:
    CellValidator(int row, QObject *parent) : QValidator(parent), m_row(row) {}

    State validate(QString &input, int &position) const override
    {
        position = int(TableGrid::cellText(m_row, QStringView(input).left(position)).size());
        input = TableGrid::cellText(m_row, input);
        return Acceptable;
    }

private:
    int m_row;
};

bool isCharacter(QChar c)
{
    // Enter, Esc and Backspace arrive as control characters and always pass.
    return c.unicode() >= 0x20 && c.unicode() != 0x7f;
}

} // namespace

TfrmTableEd::TfrmTableEd(const TableGrid &grid, UserInterface &ui, QWidget *parent)
    : QDialog(parent), m_grid(grid), m_ui(ui)
{
    setObjectName(QStringLiteral("frmTableEd"));
    setWindowTitle(QStringLiteral("Table Editor"));
    resize(kInitialSize);
    setMinimumSize(kMinimumSize);

    m_stgTable = new QTableWidget(this);
    m_stgTable->setObjectName(QStringLiteral("stgTable"));
    m_stgTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_stgTable->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_stgTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_stgTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_stgTable->setEditTriggers(QAbstractItemView::AnyKeyPressed |
                                QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed);
    m_delegate = new CellEditorDelegate(this, m_stgTable);
    m_stgTable->setItemDelegate(m_delegate);
    m_stgTable->installEventFilter(this);

    m_cmbAlign = new QComboBox(m_stgTable->viewport());
    m_cmbAlign->setObjectName(QStringLiteral("cmbAlign"));
    m_cmbAlign->addItems(words::alignment());
    m_cmbAlign->installEventFilter(this);
    m_cmbAlign->hide();

    auto *panel = new QVBoxLayout;
    const auto addButton = [this, panel](const char *name, const QString &text, auto slot) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        panel->addWidget(button);
        return button;
    };
    addButton("butAddRow", QStringLiteral("Add &Row"), &TfrmTableEd::addRow);
    addButton("butDeleteRow", QStringLiteral("Delete Row"), &TfrmTableEd::deleteRow);
    addButton("butAddCol", QStringLiteral("Add &Col"), &TfrmTableEd::addColumn);
    addButton("butDeleteCol", QStringLiteral("Delete Col"), &TfrmTableEd::deleteColumn);
    addButton("butClearAll", QStringLiteral("Clear All"), &TfrmTableEd::clearAll);
    panel->addStretch();
    addButton("butCancel", QStringLiteral("Cancel"), &QDialog::reject);
    addButton("butOk", QStringLiteral("OK"), &QDialog::accept);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_stgTable, 1);
    layout->addLayout(panel);

    addHelpKey(this, HelpTopic::TableEditor);

    connect(m_delegate, &CellEditorDelegate::editorCreated, this,
            [](QWidget *editor, const QModelIndex &index) {
                if (auto *line = qobject_cast<QLineEdit *>(editor))
                    line->setValidator(new CellValidator(gridIndex(index.row()), line));
            });
    connect(m_stgTable, &QTableWidget::cellChanged, this, &TfrmTableEd::cellEdited);
    connect(m_stgTable, &QTableWidget::currentCellChanged, this, &TfrmTableEd::hideAlignList);
    connect(m_stgTable, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        if (gridIndex(row) == TableGrid::kAlignRow)
            openAlignList();
    });
    connect(m_cmbAlign, &QComboBox::activated, this, &TfrmTableEd::writeAlign);

    rebuild();
    setCurrentCell(TableGrid::kAlignRow, 1);
}

QPushButton *TfrmTableEd::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

const TableGrid &TfrmTableEd::grid() const
{
    commitTyping();
    return m_grid;
}

void TfrmTableEd::commitTyping() const
{
    m_delegate->commitAndClose();
}

void TfrmTableEd::rebuild()
{
    m_rebuilding = true;
    const QSignalBlocker blocker(m_stgTable);
    m_stgTable->setRowCount(widgetIndex(m_grid.gridRows()));
    m_stgTable->setColumnCount(widgetIndex(m_grid.gridColumns()));
    for (int c = 1; c < m_grid.gridColumns(); ++c)
        m_stgTable->setHorizontalHeaderItem(widgetIndex(c),
                                            new QTableWidgetItem(m_grid.cell(0, c)));
    for (int r = 1; r < m_grid.gridRows(); ++r) {
        m_stgTable->setVerticalHeaderItem(widgetIndex(r), new QTableWidgetItem(m_grid.cell(r, 0)));
        for (int c = 1; c < m_grid.gridColumns(); ++c) {
            auto *item = new QTableWidgetItem(m_grid.cell(r, c));
            // Alignments are picked from their list, never typed.
            if (r == TableGrid::kAlignRow)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            m_stgTable->setItem(widgetIndex(r), widgetIndex(c), item);
        }
    }
    m_rebuilding = false;
}

void TfrmTableEd::cellEdited(int widgetRow, int widgetColumn)
{
    if (m_rebuilding)
        return;
    const int row = gridIndex(widgetRow);
    const int column = gridIndex(widgetColumn);
    QTableWidgetItem *item = m_stgTable->item(widgetRow, widgetColumn);
    m_grid.setCell(row, column, item->text());
    // What the cell cannot hold (a separator, a letter in a width) goes.
    const QString kept = m_grid.cell(row, column);
    if (item->text() != kept) {
        const QSignalBlocker blocker(m_stgTable);
        item->setText(kept);
    }
}

int TfrmTableEd::currentRow() const
{
    return gridIndex(m_stgTable->currentRow());
}

int TfrmTableEd::currentColumn() const
{
    return gridIndex(m_stgTable->currentColumn());
}

void TfrmTableEd::setCurrentCell(int row, int column)
{
    m_stgTable->setCurrentCell(widgetIndex(row), widgetIndex(column));
}

void TfrmTableEd::addRow()
{
    commitTyping();
    const int row = m_grid.addRow();
    rebuild();
    setCurrentCell(row, 1);
    m_stgTable->setFocus();
}

void TfrmTableEd::deleteRow()
{
    commitTyping();
    const int row = currentRow();
    const int column = currentColumn();
    if (!m_grid.deleteRow(row, m_ui))
        return;
    rebuild();
    setCurrentCell(std::min(row, m_grid.gridRows() - 1), column);
}

void TfrmTableEd::addColumn()
{
    commitTyping();
    const int row = currentRow();
    const int column = m_grid.addColumn();
    rebuild();
    setCurrentCell(m_grid.rowCount() > 0 ? TableGrid::kFirstDataRow
                                         : std::max(row, int(TableGrid::kAlignRow)),
                   column);
    m_stgTable->setFocus();
}

void TfrmTableEd::deleteColumn()
{
    commitTyping();
    const int row = currentRow();
    const int column = currentColumn();
    if (!m_grid.deleteColumn(column, m_ui))
        return;
    rebuild();
    setCurrentCell(row, std::min(column, m_grid.gridColumns() - 1));
}

void TfrmTableEd::clearAll()
{
    commitTyping();
    const int row = currentRow();
    const int column = currentColumn();
    if (!m_grid.clearAll(m_ui))
        return;
    rebuild();
    setCurrentCell(row, column);
}

void TfrmTableEd::openAlignList()
{
    QTableWidgetItem *item = m_stgTable->currentItem();
    if (!item)
        return;
    QRect cell = m_stgTable->visualItemRect(item);
    cell.setHeight(kListHeight);
    m_cmbAlign->setGeometry(cell);
    m_cmbAlign->setCurrentIndex(m_cmbAlign->findText(item->text()));
    m_cmbAlign->show();
    m_cmbAlign->setFocus();
}

void TfrmTableEd::writeAlign()
{
    const int column = currentColumn();
    if (m_cmbAlign->isVisible() && column >= 1 && m_cmbAlign->currentIndex() >= 0) {
        m_grid.setCell(TableGrid::kAlignRow, column, m_cmbAlign->currentText());
        const QSignalBlocker blocker(m_stgTable);
        m_stgTable->item(widgetIndex(TableGrid::kAlignRow), widgetIndex(column))
            ->setText(m_grid.cell(TableGrid::kAlignRow, column));
    }
    hideAlignList();
    m_stgTable->setFocus();
}

bool TfrmTableEd::moveAlignChoice(const QKeyEvent &key)
{
    // The list itself would take every step as the choice and close; here
    // a step only moves the choice, and Enter takes it.
    if (key.modifiers() & Qt::AltModifier)
        return false; // Alt+Down opens the list's popup
    const int last = m_cmbAlign->count() - 1;
    int index = m_cmbAlign->currentIndex();
    switch (key.key()) {
    case Qt::Key_Up:
        --index;
        break;
    case Qt::Key_Down:
        ++index;
        break;
    case Qt::Key_Home:
    case Qt::Key_PageUp:
        index = 0;
        break;
    case Qt::Key_End:
    case Qt::Key_PageDown:
        index = last;
        break;
    default: {
        // A letter picks the word it begins, if any.
        const QString letter = key.text();
        if (letter.isEmpty() || !letter.at(0).isLetter())
            return false;
        for (int i = 0; i <= last; ++i) {
            if (m_cmbAlign->itemText(i).startsWith(letter, Qt::CaseInsensitive)) {
                index = i;
                break;
            }
        }
        break;
    }
    }
    m_cmbAlign->setCurrentIndex(std::clamp(index, 0, last));
    return true;
}

void TfrmTableEd::hideAlignList()
{
    // A hidden widget hands its focus on as Tab would, which in the grid
    // moves to the next cell: the grid takes the focus first.
    if (m_cmbAlign->hasFocus())
        m_stgTable->setFocus();
    m_cmbAlign->hide();
}

bool TfrmTableEd::filterGridKey(QKeyEvent *key)
{
    const int row = currentRow();
    const QString text = key->text();
    if (row == TableGrid::kAlignRow) {
        if (key->key() == Qt::Key_Escape || text.isEmpty())
            return false;
        openAlignList();
        return true;
    }
    for (QChar c : text) {
        if (isCharacter(c) && !TableGrid::acceptsCharacter(row, c))
            return true;
    }
    return false;
}

bool TfrmTableEd::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_cmbAlign) {
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                writeAlign();
                return true;
            case Qt::Key_Escape:
                hideAlignList();
                return true;
            default:
                return moveAlignChoice(*key);
            }
        }
        if (watched == m_stgTable || watched == m_delegate->editor())
            return filterGridKey(key);
    }
    if (watched == m_cmbAlign && leavesOverlay(m_cmbAlign, event))
        hideAlignList();
    return QDialog::eventFilter(watched, event);
}

void EditSubjectTable(PropertySheet &sheet, QWidget *parent)
{
    const std::optional<TableGrid> grid = sheet.tableToEdit();
    if (!grid)
        return;
    {
        const ZoomPause pause(sheet.project().ui());
        TfrmTableEd editor(*grid, sheet.project().ui(), parent);
        if (editor.exec() == QDialog::Accepted)
            sheet.replaceTable(editor.grid());
    }
    sheet.refill();
}

} // namespace zf

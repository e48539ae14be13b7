#include "gui/properties/frmProperties.h"
#include "core/app/Workspace.h"
#include "core/designer/Nudging.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "gui/app/HelpTopics.h"
#include "gui/properties/CellEditorDelegate.h"
#include "gui/properties/EllipsisEdit.h"
#include "gui/properties/OverlayFocus.h"
#include "gui/properties/PropertyGrid.h"
#include "gui/properties/frmBitmapEd.h"
#include "gui/properties/frmItemsEditor.h"
#include "gui/properties/frmPropSelect.h"
#include "gui/properties/frmTableEditor.h"
#include "gui/properties/frmZoom2x.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zf {

namespace {

bool isTyped(CellKind kind)
{
    return kind == CellKind::FreeText || kind == CellKind::Number;
}

bool isPrintable(const QKeyEvent *key)
{
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

TfrmProp::TfrmProp(DesignProject &project, Workspace &workspace, QWidget *parent)
    : QMdiSubWindow(parent), m_project(project), m_workspace(workspace), m_sheet(project)
{
    setObjectName(QStringLiteral("frmProp"));
    setWindowTitle(QStringLiteral("Properties Editor"));
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto *client = new QWidget(this);
    m_cmbForms = new QComboBox(client);
    m_cmbForms->setObjectName(QStringLiteral("cmbForms"));
    m_filter = new QLineEdit(client);
    m_filter->setObjectName(QStringLiteral("edtFilter"));
    m_filter->setPlaceholderText(QStringLiteral("Find a property"));
    m_filter->setClearButtonEnabled(true);
    m_stgProperties = new PropertyGrid(client);
    m_stgProperties->setObjectName(QStringLiteral("stgProperties"));
    m_stgProperties->setColumnCount(2);
    m_stgProperties->horizontalHeader()->hide();
    m_stgProperties->horizontalHeader()->setStretchLastSection(true);
    m_stgProperties->setColumnWidth(0, nameColumnWidth(m_stgProperties->fontMetrics()));
    m_stgProperties->verticalHeader()->hide();
    m_stgProperties->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_stgProperties->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_stgProperties->setSelectionMode(QAbstractItemView::SingleSelection);
    m_stgProperties->setEditTriggers(
        QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
        QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_delegate = new CellEditorDelegate(this, m_stgProperties);
    m_stgProperties->setItemDelegate(m_delegate);
    m_stgProperties->installEventFilter(this);

    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_cmbForms);
    layout->addWidget(m_filter);
    layout->addWidget(m_stgProperties, 1);
    setWidget(client);

    // The editors laid over a value cell.
    m_choiceList = new QComboBox(m_stgProperties->viewport());
    m_choiceList->setObjectName(QStringLiteral("cmbBoolean"));
    m_choiceList->addItems({QStringLiteral("False"), QStringLiteral("True")});
    m_itemsEdit = new EllipsisEdit(m_stgProperties->viewport());
    m_itemsEdit->setObjectName(QStringLiteral("cmbItems"));
    m_bitmapEdit = new EllipsisEdit(m_stgProperties->viewport());
    m_bitmapEdit->setObjectName(QStringLiteral("cmbBitmap"));
    for (QObject *overlay :
         {static_cast<QObject *>(m_choiceList), static_cast<QObject *>(m_itemsEdit->edit()),
          static_cast<QObject *>(m_bitmapEdit->edit())})
        overlay->installEventFilter(this);
    hideOverlays();

    connect(&m_sheet, &PropertySheet::rowsChanged, this, &TfrmProp::refresh);
    connect(&m_workspace, &Workspace::propertySheetCleared, this, &TfrmProp::clearSheet);
    connect(&m_workspace, &Workspace::propertyEditorsHidden, this, &TfrmProp::hideOverlays);
    connect(&m_workspace, &Workspace::contentEditRequested, this,
            [this] { openEditor(m_sheet.contentRow()); });
    connect(&m_workspace, &Workspace::changed, this, &TfrmProp::followWorkspace);
    connect(m_stgProperties, &QTableWidget::currentCellChanged, this, &TfrmProp::cellEntered);
    connect(m_stgProperties, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == 1 && !shownEditor())
            openCellEditor(row);
    });
    connect(m_delegate, &CellEditorDelegate::editorCreated, this,
            [this](QWidget *editor, const QModelIndex &index) {
                m_sheet.beginEdit(m_sheet.rowName(index.row()));
                if (auto *line = qobject_cast<QLineEdit *>(editor))
                    connect(line, &QLineEdit::textEdited, &m_sheet, &PropertySheet::editText);
            });
    // Ending the edit tells the sheet, which then has the rows shown again.
    connect(m_stgProperties, &PropertyGrid::editorClosed, &m_sheet, &PropertySheet::endEdit);
    connect(m_filter, &QLineEdit::textChanged, &m_sheet, &PropertySheet::setFilter);
    connect(m_stgProperties->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (QWidget *overlay = shownEditor())
            placeOverlay(overlay, overlay->height());
    });
    connect(m_cmbForms, &QComboBox::activated, this, [this](int index) {
        m_sheet.chooseObject(index);
        m_stgProperties->setFocus();
    });
    connect(m_choiceList, &QComboBox::activated, this, &TfrmProp::choose);
    connect(m_itemsEdit, &EllipsisEdit::ellipsisClicked, this, &TfrmProp::pressEllipsis);
    connect(m_bitmapEdit, &EllipsisEdit::ellipsisClicked, this, &TfrmProp::pressEllipsis);
    connect(qApp, &QApplication::focusChanged, this, &TfrmProp::focusChanged);

    refresh();
    followWorkspace();
}

TfrmProp::~TfrmProp() = default;

void TfrmProp::setZoomWindow(TfrmZoom *zoom)
{
    m_zoom = zoom;
}

QWidget *TfrmProp::shownEditor() const
{
    for (QWidget *overlay :
         {static_cast<QWidget *>(m_choiceList), static_cast<QWidget *>(m_itemsEdit),
          static_cast<QWidget *>(m_bitmapEdit)}) {
        if (!overlay->isHidden())
            return overlay;
    }
    return nullptr;
}

void TfrmProp::refresh()
{
    if (QWidget *editor = m_delegate->editor()) {
        // Typing goes on undisturbed: only the other values follow.
        if (m_sheet.isEditing()) {
            refreshValuesWhileTyping();
            return;
        }
        m_stgProperties->abandonEdit(editor);
    }
    rebuildRows();
    fillChooser();
}

void TfrmProp::rebuildRows()
{
    showRows(m_sheet.rows());
}

int TfrmProp::nameColumnWidth(const QFontMetrics &metrics)
{
    // Wide enough for the longest name any kind of either library shows.
    int widest = 0;
    for (const int library : {kLibraryCControls, kLibraryPToolBox}) {
        for (const KindSpec &spec : LibrarySupport::forLibrary(library).kinds()) {
            for (const PropertyDef &row : spec.rows)
                widest = std::max(widest, metrics.horizontalAdvance(row.name));
        }
    }
    return std::max(kNameColumnWidth, widest + 2 * kCellPadding);
}

void TfrmProp::showRows(PropertyRows rows)
{
    m_rebuilding = true;
    hideOverlays();
    const bool empty = rows.empty();
    if (empty)
        rows.push_back({}); // a sheet without an object shows one empty row
    m_stgProperties->setRowCount(int(rows.size()));
    const QBrush fixedCells = palette().button();
    for (int i = 0; i < int(rows.size()); ++i) {
        const PropertyRow &row = rows[size_t(i)];
        QTableWidgetItem *name = m_stgProperties->item(i, 0);
        if (!name) {
            name = new QTableWidgetItem;
            name->setFlags(Qt::ItemIsEnabled);
            name->setBackground(fixedCells);
            m_stgProperties->setItem(i, 0, name);
        }
        name->setText(row.name);
        QTableWidgetItem *value = m_stgProperties->item(i, 1);
        if (!value) {
            value = new QTableWidgetItem;
            m_stgProperties->setItem(i, 1, value);
        }
        value->setText(row.value);
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (!empty && isTyped(m_sheet.cellKind(row.name)))
            flags |= Qt::ItemIsEditable;
        value->setFlags(flags);
    }
    m_stgProperties->setCurrentCell(empty ? 0 : std::max(m_sheet.currentRow(), 0), 1);
    m_rebuilding = false;
}

void TfrmProp::refreshValuesWhileTyping()
{
    // The other cells follow while the typed one is left alone; rows that
    // came or went wait for the end of the edit, which shows them all.
    const PropertyRows &rows = m_sheet.rows();
    if (int(rows.size()) != m_stgProperties->rowCount())
        return;
    const int typedRow = m_stgProperties->currentRow();
    for (int i = 0; i < int(rows.size()); ++i) {
        const QTableWidgetItem *name = m_stgProperties->item(i, 0);
        if (!name || name->text() != rows[size_t(i)].name)
            return;
    }
    for (int i = 0; i < int(rows.size()); ++i) {
        if (i != typedRow)
            m_stgProperties->item(i, 1)->setText(rows[size_t(i)].value);
    }
}

void TfrmProp::fillChooser()
{
    const QSignalBlocker blocker(m_cmbForms);
    m_cmbForms->clear();
    const DesignObject *subject = m_sheet.subject();
    int current = -1;
    for (const ControlListLine &line : m_sheet.chooserLines()) {
        if (line.object == subject)
            current = m_cmbForms->count();
        m_cmbForms->addItem(line.text, QVariant::fromValue(static_cast<void *>(line.object)));
    }
    m_cmbForms->setCurrentIndex(current);
}

void TfrmProp::clearSheet()
{
    m_stgProperties->abandonEdit(m_delegate->editor());
    showRows({});
    const QSignalBlocker blocker(m_cmbForms);
    m_cmbForms->clear();
}

void TfrmProp::cellEntered(int row, int column)
{
    if (m_rebuilding)
        return;
    if (column == 0 && row >= 0) {
        // The names are fixed cells: the value beside them is entered.
        m_stgProperties->setCurrentCell(row, 1);
        return;
    }
    hideOverlays();
    if (row < 0)
        return;
    m_sheet.setCurrentRow(row);
    openCellEditor(row);
}

void TfrmProp::openCellEditor(int row)
{
    const QString name = m_sheet.rowName(row);
    if (name.isEmpty())
        return;
    switch (m_sheet.cellKind(name)) {
    case CellKind::ItemList:
        m_itemsEdit->setText(QLatin1Char('(') + name + QLatin1Char(')'));
        showOverlay(m_itemsEdit, kRowHeight);
        return;
    case CellKind::Bitmap:
        m_bitmapEdit->setText(QLatin1Char('(') + name + QLatin1Char(')'));
        showOverlay(m_bitmapEdit, kRowHeight);
        return;
    case CellKind::ColorSet:
        // A button without a picker has no colours to edit.
        if (m_sheet.value(name) == QLatin1String("(Colors)")) {
            m_bitmapEdit->setText(QStringLiteral("(Colors)"));
            showOverlay(m_bitmapEdit, kRowHeight);
        }
        return;
    case CellKind::Choice: {
        m_choiceList->clear();
        m_choiceList->setMaxVisibleItems(8);
        const ChoiceList choices = m_sheet.choices(name);
        m_choiceList->addItems(choices.entries);
        m_choiceList->setMaxVisibleItems(choices.visibleRows);
        m_choiceList->setCurrentIndex(m_sheet.choiceIndex(name));
        showOverlay(m_choiceList, kListHeight);
        return;
    }
    case CellKind::FreeText:
    case CellKind::Number:
        return;
    }
}

void TfrmProp::choose(int index)
{
    const int row = m_stgProperties->currentRow();
    const QString name = m_sheet.rowName(row);
    const QString text = m_choiceList->itemText(index);
    if (name.isEmpty())
        return;
    hideOverlays();
    // The sheet shows its rows again once, on the same row.
    m_sheet.chooseValue(name, text);
    m_stgProperties->setFocus();
}

void TfrmProp::pressEllipsis()
{
    openEditor(m_sheet.currentRowName());
}

void TfrmProp::openEditor(const QString &row)
{
    QWidget *parent = window();
    switch (m_sheet.ellipsis(row)) {
    case PropertySheet::Ellipsis::ItemsEditor:
        EditSubjectItems(m_sheet, parent);
        break;
    case PropertySheet::Ellipsis::TableEditor:
        EditSubjectTable(m_sheet, parent);
        break;
    case PropertySheet::Ellipsis::BitmapEditor:
        EditSubjectBitmap(m_sheet, parent, m_designScale ? m_designScale() : 1);
        break;
    case PropertySheet::Ellipsis::ColorSetDialog:
        EditPickerColors(m_sheet, parent, m_zoom);
        break;
    case PropertySheet::Ellipsis::None:
        return;
    }
}

void TfrmProp::placeOverlay(QWidget *overlay, int height)
{
    const QTableWidgetItem *value = m_stgProperties->item(m_stgProperties->currentRow(), 1);
    if (!value)
        return;
    const QRect cell = m_stgProperties->visualItemRect(value);
    overlay->setGeometry(cell.left(), cell.top(), m_stgProperties->columnWidth(1) - 2, height);
}

void TfrmProp::showOverlay(QWidget *overlay, int height)
{
    placeOverlay(overlay, height);
    overlay->show();
    overlay->raise();
    overlay->setFocus();
}

void TfrmProp::hideOverlays()
{
    // A hidden widget hands its focus on as Tab would, and in the grid Tab
    // moves to the next cell: the grid takes the focus first.
    const QWidget *focus = QApplication::focusWidget();
    if (focus && m_stgProperties->viewport()->isAncestorOf(focus) && focus != m_delegate->editor())
        m_stgProperties->setFocus();
    m_choiceList->hide();
    m_itemsEdit->hide();
    m_bitmapEdit->hide();
}

void TfrmProp::leaveOverlay(int rowStep)
{
    m_stgProperties->setFocus();
    hideOverlays();
    const int row = m_stgProperties->currentRow() + rowStep;
    if (rowStep != 0 && row >= 0 && row < m_stgProperties->rowCount())
        m_stgProperties->setCurrentCell(row, 1);
}

bool TfrmProp::gridKey(QKeyEvent *key)
{
    const int row = m_stgProperties->currentRow();
    const QString name = m_sheet.rowName(row);
    // Keys the in-place editor passes on (Enter among them) are the grid's own.
    if (name.isEmpty() || m_delegate->editor())
        return false;
    const bool typed = isTyped(m_sheet.cellKind(name));
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (typed)
            m_stgProperties->edit(m_stgProperties->currentIndex());
        else
            openCellEditor(row);
        return true;
    }
    if (!typed && isPrintable(key)) {
        openCellEditor(row);
        return true;
    }
    return false;
}

bool TfrmProp::overlayKey(QObject *overlay, QKeyEvent *key)
{
    const int row = m_stgProperties->currentRow();
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = key->key() == Qt::Key_Up ? -1 : 1;
        if (overlay == m_choiceList) {
            // The list's own keys move its choice at the first and last
            // row, with Shift, and while it is open.
            const bool edge = step < 0 ? row == 0 : row == m_stgProperties->rowCount() - 1;
            if (edge || key->modifiers().testFlag(Qt::ShiftModifier) ||
                m_choiceList->view()->isVisible())
                return false;
        }
        leaveOverlay(step);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        leaveOverlay(0);
        return true;
    default:
        if (overlay == m_bitmapEdit->edit() && isPrintable(key)) {
            pressEllipsis();
            return true;
        }
        return false;
    }
}

bool TfrmProp::eventFilter(QObject *watched, QEvent *event)
{
    // Events arrive while the constructor is still building the editors.
    if (!m_bitmapEdit)
        return QMdiSubWindow::eventFilter(watched, event);
    const bool isOverlay =
        watched == m_choiceList || watched == m_itemsEdit->edit() || watched == m_bitmapEdit->edit();
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_stgProperties)
            return gridKey(key);
        if (isOverlay)
            return overlayKey(watched, key);
    }
    // Leaving an overlay editor hides it; opening its own list does not.
    if (isOverlay && leavesOverlay(static_cast<QWidget *>(watched), event))
        hideOverlays();
    return QMdiSubWindow::eventFilter(watched, event);
}

bool TfrmProp::isGridOrChooser(const QWidget *widget) const
{
    return widget && (widget == m_stgProperties || m_stgProperties->isAncestorOf(widget) ||
                      widget == m_cmbForms || m_cmbForms->isAncestorOf(widget));
}

void TfrmProp::focusChanged(QWidget *old, QWidget *now)
{
    // The arrow keys stop moving controls once the sheet has the keyboard.
    if (isGridOrChooser(now) && !isGridOrChooser(old))
        SwitchCursorKeysOff(m_project);
}

bool TfrmProp::event(QEvent *event)
{
    // F1 here opens the property window's page, not the main window's.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            if (event->type() == QEvent::KeyPress)
                showHelp(HelpTopic::PropertyWindow);
            event->accept();
            return true;
        }
    }
    return QMdiSubWindow::event(event);
}

void TfrmProp::showEvent(QShowEvent *event)
{
    QMdiSubWindow::showEvent(event);
    if (pos() == QPoint(0, 0))
        move(0, m_workspace.toolbarDockHeight());
    m_workspace.setPropertiesShown(true);
}

void TfrmProp::moveEvent(QMoveEvent *event)
{
    QMdiSubWindow::moveEvent(event);
    storeBounds();
}

void TfrmProp::resizeEvent(QResizeEvent *event)
{
    QMdiSubWindow::resizeEvent(event);
    storeBounds();
    if (QWidget *overlay = shownEditor())
        placeOverlay(overlay, overlay->height());
}

void TfrmProp::closeEvent(QCloseEvent *event)
{
    // Closing only hides: the window lives as long as the main window.
    event->ignore();
    m_workspace.setPropertiesShown(false);
}

void TfrmProp::storeBounds()
{
    if (!isHidden())
        m_workspace.setPropertiesBounds(geometry());
}

void TfrmProp::followWorkspace()
{
    if (geometry() != m_workspace.propertiesBounds())
        setGeometry(m_workspace.propertiesBounds());
    if (isHidden() == m_workspace.propertiesShown())
        setVisible(m_workspace.propertiesShown());
}

} // namespace zf

#pragma once

#include "core/properties/PropertySheet.h"

#include <QMdiSubWindow>
#include <QPointer>

#include <functional>

class QComboBox;
class QFontMetrics;
class QLineEdit;
class QKeyEvent;

namespace zf {

class CellEditorDelegate;
class EllipsisEdit;
class PropertyGrid;
class TfrmZoom;
class Workspace;

// The "Properties Editor" tool window: the selected object's rows as names
// and values, a chooser of the current form's objects above them, and the
// editors laid over a value cell: a list of words for a choice, an ellipsis
// edit for an item list, a bitmap or picker colours. Typed values apply key
// by key through the sheet; a refused one is reported once, when the edit
// ends. The window only shows the sheet and forwards edits.
class TfrmProp : public QMdiSubWindow
{
    Q_OBJECT

public:
    static constexpr int kNameColumnWidth = 130;
    static constexpr int kRowHeight = 18;
    static constexpr int kListHeight = 17;
    // Room on either side of a name in its cell.
    static constexpr int kCellPadding = 6;

    TfrmProp(DesignProject &project, Workspace &workspace, QWidget *parent = nullptr);
    ~TfrmProp() override;

    PropertySheet &sheet() { return m_sheet; }

    QComboBox *chooser() const { return m_cmbForms; }
    QLineEdit *filter() const { return m_filter; }
    PropertyGrid *grid() const { return m_stgProperties; }
    QComboBox *choiceList() const { return m_choiceList; }
    EllipsisEdit *itemsEdit() const { return m_itemsEdit; }
    EllipsisEdit *bitmapEdit() const { return m_bitmapEdit; }
    // The overlay editor that is shown, if any.
    QWidget *shownEditor() const;

    // The zoom window, refreshed after each applied value and showing the
    // picker colour dialog's preview.
    void setZoomWindow(TfrmZoom *zoom);
    // The design windows' scale, which the bitmap editor's cells follow.
    void setDesignScale(std::function<int()> scale) { m_designScale = std::move(scale); }

    // Opens the editor of a row's value cell, as selecting the cell does.
    void openCellEditor(int row);
    // Runs the editor behind the ellipsis of the current row.
    void pressEllipsis();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The editor behind a row's ellipsis button, if it has one.
    void openEditor(const QString &row);
    void refresh();
    void rebuildRows();
    static int nameColumnWidth(const QFontMetrics &metrics);
    // The rows as the grid shows them; none gives one empty row.
    void showRows(PropertyRows rows);
    void refreshValuesWhileTyping();
    void fillChooser();
    void clearSheet();
    void cellEntered(int row, int column);
    void choose(int index);
    void placeOverlay(QWidget *overlay, int height);
    void showOverlay(QWidget *overlay, int height);
    void hideOverlays();
    void leaveOverlay(int rowStep);
    bool gridKey(QKeyEvent *key);
    bool overlayKey(QObject *overlay, QKeyEvent *key);
    void focusChanged(QWidget *old, QWidget *now);
    bool isGridOrChooser(const QWidget *widget) const;
    void storeBounds();
    void followWorkspace();

    DesignProject &m_project;
    Workspace &m_workspace;
    PropertySheet m_sheet;
    QComboBox *m_cmbForms = nullptr;
    QLineEdit *m_filter = nullptr;
    PropertyGrid *m_stgProperties = nullptr;
    CellEditorDelegate *m_delegate = nullptr;
    QComboBox *m_choiceList = nullptr;
    EllipsisEdit *m_itemsEdit = nullptr;
    EllipsisEdit *m_bitmapEdit = nullptr;
    QPointer<TfrmZoom> m_zoom;
    std::function<int()> m_designScale;
    bool m_rebuilding = false;
};

} // namespace zf

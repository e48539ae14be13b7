#pragma once

#include <QTableWidget>

namespace zf {

// `stgProperties`: two columns, names and values, without headers. The line
// between the columns can be dragged to resize them, a click on the current
// value starts its edit at once, and the window learns when an in-place edit
// ends, however it ends.
class PropertyGrid : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int kMinimumColumnWidth = 20;

    explicit PropertyGrid(QWidget *parent = nullptr);

    using QTableWidget::edit;

    // Closes an in-place editor without taking its text.
    void abandonEdit(QWidget *editor);

Q_SIGNALS:
    void editorClosed();

protected:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    bool isOnColumnLine(int x) const;

    bool m_resizing = false;
};

} // namespace zf

#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace zf {

// The in-place editor of a grid cell, watched by the grid's window (which
// sees its keys first) and reachable while it is open, so that the window
// can take what is typed before the edit ends.
class CellEditorDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    CellEditorDelegate(QObject *keyFilter, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;

    // The open editor, if any.
    QWidget *editor() const { return m_editor; }
    // Ends the open edit, keeping what was typed.
    void commitAndClose();

Q_SIGNALS:
    void editorCreated(QWidget *editor, const QModelIndex &index) const;

private:
    QObject *m_keyFilter;
    mutable QPointer<QWidget> m_editor;
};

} // namespace zf

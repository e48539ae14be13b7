#include "gui/properties/CellEditorDelegate.h"

namespace zf {

CellEditorDelegate::CellEditorDelegate(QObject *keyFilter, QObject *parent)
    : QStyledItemDelegate(parent), m_keyFilter(keyFilter)
{
}

QWidget *CellEditorDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor) {
        editor->installEventFilter(m_keyFilter);
        m_editor = editor;
        Q_EMIT editorCreated(editor, index);
    }
    return editor;
}

void CellEditorDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (editor == m_editor)
        m_editor.clear();
    QStyledItemDelegate::destroyEditor(editor, index);
}

void CellEditorDelegate::commitAndClose()
{
    if (QWidget *editor = m_editor) {
        Q_EMIT commitData(editor);
        Q_EMIT closeEditor(editor);
    }
}

} // namespace zf

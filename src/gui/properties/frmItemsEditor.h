#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace zf {

class PropertySheet;
class UserInterface;

// The "Items editor": a memo of item texts, one per line, under a label
// counting them.
class TfrmItemsEd : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmItemsEd(QWidget *parent = nullptr);

    // Replaces the memo's lines; the label follows.
    void setItems(const QStringList &items);
    // The memo's lines: none for an empty memo, and a final line break
    // starts no line of its own. No control character is part of an item.
    QStringList items() const;

    QLabel *label() const { return m_lblLineas; }
    QPlainTextEdit *memo() const { return m_memItems; }

private:
    void countLines();

    QLabel *m_lblLineas;
    QPlainTextEdit *m_memItems;
};

// Runs the editor on `sthItems` with the zoom view paused; OK copies the
// memo's lines into it, Cancel leaves it as it was. True on OK.
bool EditItemList(QStringList &sthItems, UserInterface &ui, QWidget *parent);

// The ellipsis of an "Items" row that holds a plain list: the subject's
// items go through the editor, and OK replaces them as one undoable change.
void EditSubjectItems(PropertySheet &sheet, QWidget *parent);

} // namespace zf

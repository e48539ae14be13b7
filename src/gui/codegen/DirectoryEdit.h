#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace zf {

// A folder's path in an edit, with a browse button that opens a folder
// chooser in which new folders can be made.
class DirectoryEdit : public QWidget
{
    Q_OBJECT

public:
    DirectoryEdit(const QString &dialogTitle, QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    QLineEdit *edit() const { return m_edit; }
    QToolButton *browseButton() const { return m_browse; }

    // Opens the folder chooser at the folder shown; OK shows the one chosen.
    void browse();

private:
    QString m_dialogTitle;
    QLineEdit *m_edit;
    QToolButton *m_browse;
};

} // namespace zf

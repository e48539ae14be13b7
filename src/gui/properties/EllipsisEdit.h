#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace zf {

// An edit showing a fixed text such as "(Items)" beside a button with an
// ellipsis, laid over a property cell whose value opens an editor of its
// own.
class EllipsisEdit : public QWidget
{
    Q_OBJECT

public:
    explicit EllipsisEdit(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    QLineEdit *edit() const { return m_edit; }
    QToolButton *button() const { return m_button; }

Q_SIGNALS:
    void ellipsisClicked();

private:
    QLineEdit *m_edit;
    QToolButton *m_button;
};

} // namespace zf

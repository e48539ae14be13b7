#include "gui/properties/EllipsisEdit.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace zf {

EllipsisEdit::EllipsisEdit(QWidget *parent) : QWidget(parent)
{
    m_edit = new QLineEdit(this);
    m_edit->setReadOnly(true);
    m_edit->setFrame(false);
    m_button = new QToolButton(this);
    m_button->setText(QStringLiteral("..."));
    m_button->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_button);
    setFocusProxy(m_edit);
    connect(m_button, &QToolButton::clicked, this, &EllipsisEdit::ellipsisClicked);
}

QString EllipsisEdit::text() const
{
    return m_edit->text();
}

void EllipsisEdit::setText(const QString &text)
{
    m_edit->setText(text);
}

} // namespace zf

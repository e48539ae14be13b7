#include "gui/app/frmNuevoProy.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

namespace zf {

TfrmNuevoProy::TfrmNuevoProy(int current, QWidget *parent)
    : QDialog(parent), m_library(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("New project"));
    m_library->setObjectName(QStringLiteral("cmbLibrary"));
    m_library->addItems({QStringLiteral("CControls"), QStringLiteral("PToolBox")});
    m_library->setCurrentIndex(current == 1 ? 0 : current == 2 ? 1 : -1);

    auto *label = new QLabel(QStringLiteral("Form &library"), this);
    label->setBuddy(m_library);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QFormLayout(this);
    layout->addRow(label, m_library);
    layout->addRow(buttons);
    setFixedSize(sizeHint());
}

int TfrmNuevoProy::library() const
{
    return m_library->currentIndex() + 1;
}

} // namespace zf

#include "gui/designer/ExportPictureDialog.h"
#include "core/app/Prompts.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "gui/app/Main.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <memory>

namespace zf {

ExportPictureDialog::ExportPictureDialog(const PictureChoice &choice, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExportPicture"));
    setWindowTitle(QStringLiteral("Export Picture"));
    m_scale = new QComboBox(this);
    m_scale->setObjectName(QStringLiteral("cmbScale"));
    for (int scale = 1; scale <= PictureChoice::kMaxScale; ++scale)
        m_scale->addItem(QString::number(scale) + QLatin1Char('x'), scale);
    m_scale->setCurrentIndex(std::clamp(choice.scale, 1, PictureChoice::kMaxScale) - 1);
    m_device = new QRadioButton(QStringLiteral("Screen with the &device"), this);
    m_device->setObjectName(QStringLiteral("rbtDevice"));
    m_screen = new QRadioButton(QStringLiteral("Screen &only"), this);
    m_screen->setObjectName(QStringLiteral("rbtScreen"));
    (choice.area == RenderArea::Screen ? m_screen : m_device)->setChecked(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Scale"), m_scale);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_device);
    layout->addWidget(m_screen);
    layout->addWidget(buttons);
}

PictureChoice ExportPictureDialog::choice() const
{
    return {m_scale->currentData().toInt(), m_screen->isChecked() ? RenderArea::Screen
                                                                 : RenderArea::Device};
}

void ConnectExportPicture(TMainForm &window)
{
    QAction *action = window.action(QStringLiteral("mnuExportPicture"));
    DesignProject &project = window.project();
    const auto sync = [action, &project] { action->setEnabled(project.currentDesignWindow()); };
    QObject::connect(&project, &DesignProject::currentDesignWindowChanged, action, sync);
    sync();
    auto last = std::make_shared<PictureChoice>();
    QObject::connect(action, &QAction::triggered, &window, [&window, last] {
        const DesignForm *form = window.project().currentDesignWindow();
        if (!form)
            return;
        ZoomPause pause(window.userInterface());
        ExportPictureDialog dialog(*last, &window);
        if (dialog.exec() != QDialog::Accepted)
            return;
        *last = dialog.choice();
        exportPicture(*form, *last, window.userInterface());
    });
}

} // namespace zf

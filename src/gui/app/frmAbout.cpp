#include "gui/app/frmAbout.h"
#include "gui/app/Glyphs.h"
#include "gui/app/HelpTopics.h"
#include "gui/app/HelpWindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

namespace zf {

namespace {

QLabel *linkLabel(const QString &url, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(url, text), parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    QObject::connect(label, &QLabel::linkActivated, parent, [parent](const QString &link) {
        if (link == TfrmAbout::kManual)
            showHelp(HelpTopic::Contents);
        else
            openOnDesktop(QUrl(link), parent);
    });
    return label;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Zentiform"));

    auto *icon = new QLabel(this);
    icon->setPixmap(glyphIcon(Glyph::Application).pixmap(64, 64));
    auto *name = new QLabel(QStringLiteral("Zentiform"), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto *version = new QLabel(QStringLiteral("Version 1.2"), this);
    auto *tagline = new QLabel(QStringLiteral("Forms for PocketC on Palm OS handhelds"), this);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 6, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(tagline, 2, 1);
    layout->addWidget(linkLabel(kManual, QStringLiteral("The manual"), this), 3, 1);
    layout->addWidget(linkLabel(kWebPage, QStringLiteral("zentiform.org"), this), 4, 1);
    layout->addWidget(linkLabel(kMail, QStringLiteral("hello@zentiform.org"), this), 5, 1);
    layout->addWidget(buttons, 6, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace zf

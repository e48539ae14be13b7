#include "gui/properties/frmBitmapEd.h"
#include "core/app/Prompts.h"
#include "core/controls/CCBitmap.h"
#include "core/model/DesignProject.h"
#include "core/model/UserInterface.h"
#include "core/properties/PropertySheet.h"
#include "gui/app/HelpTopics.h"
#include "gui/properties/BitGridView.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

namespace zf {

namespace {

constexpr int kMinimumCellSize = 2;
// Room the window's frame and the desktop's panels take.
constexpr QSize kScreenMargin{40, 80};

QSize availableClientSize(const QWidget *parent)
{
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->availableGeometry().size() - kScreenMargin;
}

} // namespace

TfrmBmpEd::TfrmBmpEd(int width, int height, const QString &stringBits, UserInterface &ui,
                     int cellSize, QWidget *parent)
    : QDialog(parent), m_bits(BitmapBits::fromStringBits(width, height, stringBits)), m_ui(ui)
{
    setObjectName(QStringLiteral("frmBmpEd"));
    setWindowTitle(QStringLiteral("Bitmap Editor"));

    m_stgBits = new BitGridView(m_bits, cellSize);
    // Only a grid larger than the screen scrolls.
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidget(m_stgBits);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panBotones"));
    const auto addButton = [panel](const char *name, const QString &text, int top) {
        auto *button = new QPushButton(text, panel);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(4, top, kPanelWidth - 8, 25);
        return button;
    };
    QPushButton *ok = addButton("butOk", QStringLiteral("OK"), 6);
    QPushButton *cancel = addButton("butCancel", QStringLiteral("Cancel"), 38);
    QPushButton *clearButton = addButton("butCrear", QStringLiteral("Clear"), 70);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(clearButton, &QPushButton::clicked, this, &TfrmBmpEd::clear);

    const QSize grid = m_stgBits->gridSize();
    const QSize available = availableClientSize(parent);
    QSize client(grid.width() + kPanelWidth, std::max(grid.height(), kMinimumClientHeight));
    if (available.isValid())
        client = client.boundedTo(available);
    setFixedSize(client);
    m_scroll->setGeometry(0, 0, client.width() - kPanelWidth, client.height());
    panel->setGeometry(client.width() - kPanelWidth, 0, kPanelWidth, client.height());

    addHelpKey(this, HelpTopic::BitmapEditor);
}

void TfrmBmpEd::clear()
{
    using Button = UserInterface::Button;
    const Button answer =
        m_ui.ask({QStringLiteral("Warning"),
                  QStringLiteral("This operation erase the bitmap. Are you sure?"),
                  Button::Yes | Button::No, UserInterface::Icon::Warning, Button::None});
    if (answer != Button::Yes)
        return;
    m_bits.clear();
    m_stgBits->update();
}

int TfrmBmpEd::cellSizeFor(int width, int height, int scale, QSize available)
{
    int pitch = (BitGridView::kDefaultCellSize + 1) * std::max(scale, 1);
    if (available.isValid()) {
        if (width > 0)
            pitch = std::min(pitch, (available.width() - kPanelWidth) / width);
        if (height > 0)
            pitch = std::min(pitch, available.height() / height);
    }
    return std::max(pitch - 1, kMinimumCellSize);
}

void EditSubjectBitmap(PropertySheet &sheet, QWidget *parent, int scale)
{
    const auto *bitmap = objectCast<TCCBitmap>(sheet.subject());
    if (!bitmap)
        return;
    UserInterface &ui = sheet.project().ui();
    const int width = bitmap->width();
    const int height = bitmap->height();
    if (width > BitmapBits::kMaxSide || height > BitmapBits::kMaxSide) {
        ui.error(QStringLiteral("The bitmap is too large to edit: %1 x %2 pixels (at most %3 "
                                "on each side)")
                     .arg(width)
                     .arg(height)
                     .arg(BitmapBits::kMaxSide));
        return;
    }
    const ZoomPause pause(ui);
    const int cellSize = TfrmBmpEd::cellSizeFor(width, height, scale, availableClientSize(parent));
    TfrmBmpEd editor(width, height, bitmap->stringBits(), ui, cellSize, parent);
    if (editor.exec() == QDialog::Accepted)
        sheet.replaceBitmap(editor.stringBits());
}

} // namespace zf

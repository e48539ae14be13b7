#include "gui/properties/frmPropSelect.h"
#include "core/app/Prompts.h"
#include "core/base/datamod.h"
#include "core/controls/CCButton.h"
#include "core/model/DesignProject.h"
#include "core/model/PropertyWords.h"
#include "core/properties/PropertySheet.h"
#include "gui/properties/OverlayFocus.h"
#include "gui/properties/frmZoom2x.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace zf {

namespace {

constexpr QSize kClientSize{433, 205};
constexpr int kRowHeight = 18;
constexpr int kListHeight = 17;

// The shown picker at its own size, as the handheld shows it.
class PreviewView : public QWidget
{
public:
    explicit PreviewView(const TfrmDlgColor &dialog, QWidget *parent)
        : QWidget(parent), m_dialog(dialog)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (auto kind : {PickerPreview::Kind::Date, PickerPreview::Kind::Time}) {
            const bool shown = kind == PickerPreview::Kind::Date ? m_dialog.isDatePreviewShown()
                                                                 : m_dialog.isTimePreviewShown();
            if (shown)
                painter.drawImage(0, 0, m_dialog.previewPicture(kind));
        }
    }

private:
    const TfrmDlgColor &m_dialog;
};

} // namespace

TfrmDlgColor::TfrmDlgColor(const TCCButton &button, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDlgColor"));
    setWindowTitle(QStringLiteral("Select Dialog Color Editor"));
    setFixedSize(kClientSize);

    m_stgDlg = new QTableWidget(int(dotColorNames().size()), 1, this);
    m_stgDlg->setObjectName(QStringLiteral("stgDlg"));
    m_stgDlg->setVerticalHeaderLabels(dotColorNames());
    m_stgDlg->horizontalHeader()->hide();
    m_stgDlg->horizontalHeader()->setStretchLastSection(true);
    m_stgDlg->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_stgDlg->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_stgDlg->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_stgDlg->setSelectionMode(QAbstractItemView::SingleSelection);
    m_stgDlg->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_stgDlg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_stgDlg->setGeometry(4, 4, 262, kRowHeight * 7 + 2 * m_stgDlg->frameWidth());

    m_cmbBoolean = new QComboBox(m_stgDlg->viewport());
    m_cmbBoolean->setObjectName(QStringLiteral("cmbBoolean"));
    m_cmbBoolean->addItems(words::colors());
    m_cmbBoolean->setMaxVisibleItems(int(words::colors().size()));
    m_cmbBoolean->installEventFilter(this);
    m_cmbBoolean->hide();

    m_previewView = new PreviewView(*this, this);
    m_previewView->setObjectName(QStringLiteral("previews"));
    m_previewView->setGeometry(269, 4, 160, 160);

    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("BitBtn1"));
    cancel->setGeometry(269, 172, 75, 25);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn2"));
    ok->setGeometry(354, 172, 75, 25);
    ok->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // The grid starts on its first row with the list hidden.
    const QStringList colors = button.dotColors().split(QLatin1Char(','));
    for (int row = 0; row < m_stgDlg->rowCount(); ++row) {
        m_stgDlg->setItem(row, 0, new QTableWidgetItem(colors.value(row)));
        applyRow(row);
    }
    m_stgDlg->setCurrentCell(0, 0);
    if (button.dotPicker() == 1) {
        m_dateShown = true;
        m_timeShown = false;
    } else if (button.dotPicker() == 2) {
        m_dateShown = false;
        m_timeShown = true;
    }
    (m_dateShown ? m_dlgSelect : m_dlgTime).setTitle(button.dotTitle());
    applyRow(m_stgDlg->currentRow());

    connect(m_stgDlg, &QTableWidget::currentCellChanged, this, [this](int row) { openList(row); });
    connect(m_stgDlg, &QTableWidget::cellClicked, this, [this](int row) { openList(row); });
    connect(m_cmbBoolean, &QComboBox::activated, this, [this](int index) {
        chooseColor(m_stgDlg->currentRow(), m_cmbBoolean->itemText(index));
    });
}

TfrmDlgColor::~TfrmDlgColor() = default;

QString TfrmDlgColor::dotColors() const
{
    QStringList colors;
    for (int row = 0; row < m_stgDlg->rowCount(); ++row)
        colors << m_stgDlg->item(row, 0)->text();
    return colors.join(QLatin1Char(','));
}

const PickerPreview &TfrmDlgColor::preview(PickerPreview::Kind kind) const
{
    return kind == PickerPreview::Kind::Date ? m_dlgSelect : m_dlgTime;
}

QImage TfrmDlgColor::previewPicture(PickerPreview::Kind kind) const
{
    return preview(kind).render();
}

void TfrmDlgColor::chooseColor(int row, const QString &name)
{
    if (row < 0 || row >= m_stgDlg->rowCount())
        return;
    m_stgDlg->item(row, 0)->setText(name);
    applyRow(row);
}

void TfrmDlgColor::applyRow(int row)
{
    const QTableWidgetItem *item = m_stgDlg->item(row, 0);
    if (!item)
        return;
    // A name outside the 16 colours previews as black.
    const PalmColor color = NameToColor(item->text());
    m_dlgSelect.applyColor(row, color);
    m_dlgTime.applyColor(row, color);
    m_previewView->update();
    Q_EMIT previewChanged();
}

void TfrmDlgColor::openList(int row)
{
    const QTableWidgetItem *item = m_stgDlg->item(row, 0);
    if (!item)
        return;
    QRect cell = m_stgDlg->visualItemRect(item);
    cell.setHeight(kListHeight);
    m_cmbBoolean->setGeometry(cell);
    m_cmbBoolean->setCurrentIndex(m_cmbBoolean->findText(item->text()));
    m_cmbBoolean->show();
    m_cmbBoolean->setFocus();
}

void TfrmDlgColor::hideList()
{
    // A hidden widget hands its focus on as Tab would, which in the grid
    // moves to the next cell: the grid takes the focus first.
    if (m_cmbBoolean->hasFocus())
        m_stgDlg->setFocus();
    m_cmbBoolean->hide();
}

bool TfrmDlgColor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_cmbBoolean && leavesOverlay(m_cmbBoolean, event))
        hideList();
    return QDialog::eventFilter(watched, event);
}

void TfrmDlgColor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Q_EMIT previewChanged();
}

void EditPickerColors(PropertySheet &sheet, QWidget *parent, TfrmZoom *zoom)
{
    const auto *button = objectCast<TCCButton>(sheet.subject());
    if (!button)
        return;
    const ZoomPause pause(sheet.project().ui());
    TfrmDlgColor dialog(*button, parent);
    if (zoom) {
        zoom->setColorDialog(&dialog);
        QObject::connect(&dialog, &TfrmDlgColor::previewChanged, zoom, &TfrmZoom::tick);
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (zoom)
        zoom->setColorDialog(nullptr);
    if (accepted)
        sheet.replaceDotColors(dialog.dotColors());
}

} // namespace zf

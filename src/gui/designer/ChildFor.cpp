#include "gui/designer/ChildFor.h"
#include "core/app/DesignWindowRules.h"
#include "core/app/FormCommands.h"
#include "core/designer/DesignCommands.h"
#include "core/designer/FormHitTest.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/PTDialog.h"
#include "core/model/UserInterface.h"
#include "gui/app/HelpTopics.h"
#include "gui/designer/FormView.h"
#include "gui/designer/InPlaceEditor.h"
#include "gui/designer/LayoutActions.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

namespace zf {

namespace {

// How far, in form pixels, the mouse goes from its press before a drag on
// the empty screen draws a rectangle rather than counting as a click.
constexpr int kBandThreshold = 3;

} // namespace

TChildFrm::TChildFrm(DesignForm &form, DesignWindowRules &rules, FormCommands &forms,
                     QWidget *parent)
    : QMdiSubWindow(parent), m_form(form), m_rules(rules), m_forms(forms),
      m_snap(form, TSnapToGrid::Container::Screen),
      m_snapDialog(form, TSnapToGrid::Container::Dialog)
{
    setObjectName(QStringLiteral("ChildFrm_") + form.name());
    // A tool window: a caption with a close box, of the picture's size.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setOption(QMdiSubWindow::RubberBandMove, false);

    m_view = new FormView(form, this);
    setWidget(m_view);
    setFocusProxy(m_view);
    setHelpTopic(this, HelpTopic::DesignWindow);
    createPopMenu();

    for (TSnapToGrid *editor : {&m_snap, &m_snapDialog}) {
        editor->onMouseDown = [this](const SnapMouseEvent &event) {
            m_rules.controlPressed(m_form, *event.control, event.shift);
        };
        editor->onMouseUp = [this](const SnapMouseEvent &event) {
            m_rules.controlReleased(m_form, *event.control, event.shift);
        };
    }

    connect(m_view, &FormView::pressed, this, &TChildFrm::pressed);
    connect(m_view, &FormView::moved, this, &TChildFrm::moved);
    connect(m_view, &FormView::released, this, &TChildFrm::released);
    connect(m_view, &FormView::editTextRequested, this, [this] { editText(std::nullopt); });
    // A double click edits what the object holds: its items, table or
    // bitmap, or else its text.
    connect(m_view, &FormView::doubleClicked, this, [this] {
        if (!m_rules.doubleClicked(m_form))
            editText(std::nullopt);
    });
    connect(m_view, &FormView::typed, this, &TChildFrm::editText);
    connect(m_view, &FormView::kindDropped, this, [this](ControlKind kind, QPoint point) {
        if (m_rules.kindDropped(m_form, kind, point))
            m_view->setFocus(); // typing goes on to the new control's text
    });
    connect(&form, &DesignForm::changed, m_view, &FormView::refresh);
    connect(&form, &DesignForm::windowChanged, this, &TChildFrm::syncFromForm);
    setScale(1);
}

TChildFrm::~TChildFrm() = default;

void TChildFrm::createPopMenu()
{
    m_popMenu = new QMenu(this);
    m_popMenu->setObjectName(QStringLiteral("popMenu"));
    AddLayoutItems(*m_popMenu, m_form);
    const auto item = [this](const char *name, const QString &caption, auto run) {
        QAction *action = m_popMenu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, run);
    };
    m_popMenu->addSeparator();
    item("mnuBringToFront", QStringLiteral("Bring to &Front"), [this] { BringToFront(m_form); });
    item("mnuSendToBack", QStringLiteral("Send to &Back"), [this] { SendToBack(m_form); });
    m_popMenu->addSeparator();
    item("mnuDelete", QStringLiteral("&Delete control"), [this] {
        DeleteSelectedControl(m_form);
        m_view->setFocus(); // the form is shown, and its window has the keys
    });
    // The zoom view rests while the menu is open, and until the window is
    // next made current or its screen pressed.
    connect(m_popMenu, &QMenu::aboutToShow, this, [this] { m_form.project().ui().pauseZoom(); });
}

void TChildFrm::setScale(int scale)
{
    m_view->setScale(scale);
    fitToPicture();
}

void TChildFrm::fitToPicture()
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFixedSize(sizeHint());
}

bool TChildFrm::event(QEvent *event)
{
    // The caption only counts once the window lies in a client area, and
    // the style decides the frame: measure again when either changes.
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::StyleChange)
        fitToPicture();
    return QMdiSubWindow::event(event);
}

void TChildFrm::syncFromForm()
{
    m_syncing = true;
    setWindowTitle(m_form.caption());
    move(m_form.left(), m_form.top());
    setVisible(m_form.isShown());
    m_syncing = false;
}

void TChildFrm::closeEvent(QCloseEvent *event)
{
    // Closing only hides the window, after the save question; the form stays.
    event->ignore();
    m_forms.closeForm(&m_form);
}

void TChildFrm::moveEvent(QMoveEvent *event)
{
    QMdiSubWindow::moveEvent(event);
    if (!m_syncing)
        m_form.setPosition(x(), y());
}

TSnapToGrid *TChildFrm::editorFor(const DesignObject &object)
{
    const DesignContainer *container = object.parent();
    if (!container)
        return nullptr;
    if (container == m_form.screen())
        return &m_snap;
    return objectCast<TPTDialog>(container) ? &m_snapDialog : nullptr;
}

bool TChildFrm::isOnForm(const DesignObject *object) const
{
    if (object == m_form.screen())
        return true;
    bool found = false;
    m_form.forEachObject([&](DesignObject *candidate) { found = found || candidate == object; });
    return found;
}

void TChildFrm::pressed(QPoint point, MouseButton button, ShiftState shift)
{
    // The window has the keys whatever was pressed: the form or a control.
    m_view->setFocus();
    if (m_band)
        return; // another button while the rectangle is dragged
    if (!m_captured || !isOnForm(m_captured))
        m_captured = objectAt(m_form, point);
    DesignObject *target = m_captured;
    if (!target)
        return;
    // With a kind pressed on the toolbox the release places a control, as
    // ever; otherwise a drag from the empty screen or dialog selects.
    const bool banding = button == MouseButton::Left && !m_form.project().pressedTool() &&
                         startsRubberBand(m_form, *target, point - windowOrigin(*target));
    if (banding) {
        // The screen or the dialog hears the press with the release, unless a
        // rectangle is drawn in between: then the selection it had stays for
        // Shift to add to.
        m_band = Band{static_cast<DesignContainer *>(target), point, shift};
        return;
    }
    if (target == m_form.screen()) {
        m_rules.screenPressed(m_form);
    } else if (TSnapToGrid *editor = editorFor(*target)) {
        editor->mouseDown(*target, button, shift, point - windowOrigin(*target), point);
    }
    // Menus and the menu bar answer the release only.
}

void TChildFrm::moved(QPoint point, ShiftState shift)
{
    if (m_band) {
        moveBand(point);
        return;
    }
    if (m_captured && !isOnForm(m_captured))
        m_captured = nullptr;
    DesignObject *target = m_captured ? m_captured : objectAt(m_form, point);
    TSnapToGrid *editor = target ? editorFor(*target) : nullptr;
    if (!editor) {
        m_view->setSnapCursor(SnapCursor::Normal);
        return;
    }
    m_view->setSnapCursor(editor->mouseMove(*target, shift, point - windowOrigin(*target), point));
}

void TChildFrm::released(QPoint point, MouseButton button, ShiftState shift)
{
    if (m_band) {
        releaseBand(point, button, shift);
        return;
    }
    DesignObject *target = m_captured;
    const bool buttonsUp = !(shift & (ShiftKey::Left | ShiftKey::Right | ShiftKey::Middle));
    if (buttonsUp)
        m_captured = nullptr;
    if (target && !isOnForm(target)) {
        m_snap.cancelDrag();
        m_snapDialog.cancelDrag();
        return;
    }
    if (!target)
        return;
    const QPoint local = point - windowOrigin(*target);
    if (target == m_form.screen()) {
        m_rules.screenReleased(m_form, *m_form.screen(), button, local);
        return;
    }
    if (TSnapToGrid *editor = editorFor(*target)) {
        editor->mouseUp(*target, button, shift, local);
        // A dialog answers a release as the screen does: it places controls.
        if (auto *dialog = objectCast<TPTDialog>(target); dialog && isOnForm(dialog))
            m_rules.screenReleased(m_form, *dialog, button, local);
    } else {
        m_rules.controlReleased(m_form, *target, shift);
    }
    if (button == MouseButton::Right && isOnForm(target))
        m_popMenu->popup(m_view->mapToGlobal(m_view->widgetPoint(point)));
}

void TChildFrm::editText(const std::optional<QString> &typed)
{
    if (!m_textEditor || !m_textEditor->isOpen())
        m_textEditor = InPlaceEditor::open(m_form, *m_view, typed);
}

void TChildFrm::moveBand(QPoint point)
{
    if (!isOnForm(m_band->container)) {
        m_band.reset();
        m_view->setBand({});
        return;
    }
    if (!m_band->drawn && (point - m_band->start).manhattanLength() < kBandThreshold)
        return;
    m_band->drawn = true;
    const QRect area(windowOrigin(*m_band->container), m_band->container->bounds().size());
    m_view->setBand(bandBetween(m_band->start, point) & area);
}

void TChildFrm::releaseBand(QPoint point, MouseButton button, ShiftState shift)
{
    const Band band = *m_band;
    if (button != MouseButton::Left)
        return; // the left button still holds the rectangle
    m_band.reset();
    m_captured = nullptr;
    m_view->setBand({});
    DesignContainer *container = band.container;
    if (!isOnForm(container))
        return;
    const QPoint origin = windowOrigin(*container);
    if (band.drawn) {
        m_rules.bandReleased(m_form, *container, bandBetween(band.start - origin, point - origin),
                             shift);
        return;
    }
    // A click: what a press and release on the screen or the dialog did
    // before the rectangle came.
    const QPoint local = point - origin;
    if (container == m_form.screen()) {
        m_rules.screenPressed(m_form);
    } else {
        m_snap.mouseDown(*container, button, band.pressShift, band.start - origin, band.start);
        m_snap.mouseUp(*container, button, shift, local);
        if (!isOnForm(container))
            return;
    }
    m_rules.screenReleased(m_form, *container, button, local);
}

} // namespace zf

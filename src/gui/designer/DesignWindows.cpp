#include "gui/designer/DesignWindows.h"
#include "core/app/Options.h"
#include "core/app/WindowPlacement.h"
#include "core/app/Workspace.h"
#include "core/designer/Nudging.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "gui/app/Main.h"
#include "gui/designer/ChildFor.h"
#include "gui/designer/FormView.h"
#include "gui/designer/NudgeKeys.h"
#include "gui/designer/ProjectTree.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

namespace zf {

namespace {

QMenu *viewMenu(TMainForm &main)
{
    for (QAction *action : main.menuBar()->actions()) {
        if (action->menu() && action->text() == QLatin1String("&View"))
            return action->menu();
    }
    return nullptr;
}

} // namespace

DesignWindows::DesignWindows(TMainForm &main, Options &options)
    : QObject(&main), m_main(main), m_options(options),
      m_rules(main.formCommands(), main.workspace())
{
    DesignProject &project = main.project();
    connect(&project, &DesignProject::formAdded, this, &DesignWindows::addFrame);
    connect(&project, &DesignProject::formAboutToBeRemoved, this, &DesignWindows::removeFrame);
    connect(&project, &DesignProject::currentDesignWindowChanged, this,
            &DesignWindows::showCurrent);
    connect(&project, &DesignProject::cursorKeysChanged, this,
            &DesignWindows::showCursorKeysStatus);
    connect(main.clientArea(), &QMdiArea::subWindowActivated, this,
            &DesignWindows::subWindowActivated);
    for (const auto &form : project.forms())
        addFrame(form.get());

    auto *keys = new NudgeKeys(project, this);
    connect(keys, &NudgeKeys::deleted, this, [this, &project] {
        if (TChildFrm *frame = frameOf(project.currentDesignWindow()))
            frame->imgPalm()->setFocus();
    });
    // The Generate Code button, unlike its menu item, takes the keys away.
    if (QToolBar *bar = main.toolBar(QStringLiteral("File"))) {
        auto *button = qobject_cast<QAbstractButton *>(
            bar->widgetForAction(main.action(QStringLiteral("mnuGenerateCode"))));
        if (button)
            connect(button, &QAbstractButton::pressed, this,
                    [&project] { SwitchCursorKeysOff(project); });
    }
    createScaleMenu();
    createProjectTree();
    createWindowMenu();
}

DesignWindows::~DesignWindows() = default;

TChildFrm *DesignWindows::frameOf(const DesignForm *form) const
{
    const auto it = m_frames.find(form);
    return it == m_frames.end() ? nullptr : it->second;
}

int DesignWindows::defaultScale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1;
    return std::clamp(qRound(ratio), 1, Options::kMaxDesignScale);
}

int DesignWindows::scale() const
{
    const int chosen = m_options.designScale();
    return chosen >= 1 && chosen <= Options::kMaxDesignScale ? chosen : defaultScale();
}

void DesignWindows::setScale(int scale)
{
    m_options.setDesignScale(std::clamp(scale, 1, Options::kMaxDesignScale));
    for (const auto &[form, frame] : m_frames)
        frame->setScale(this->scale());
    showScale();
}

void DesignWindows::showScale()
{
    for (QAction *action : m_scaleGroup->actions())
        action->setChecked(action->data().toInt() == scale());
}

void DesignWindows::addFrame(DesignForm *form)
{
    auto *frame = new TChildFrm(*form, m_rules, m_main.formCommands());
    frame->setScale(scale());
    m_frames[form] = frame;
    m_main.clientArea()->addSubWindow(frame);
    // The form is still being set up (placed, shown, made current); the
    // window follows once that is done.
    QMetaObject::invokeMethod(
        frame,
        [this, frame] {
            const QScopedValueRollback guard(m_activating, true);
            frame->syncFromForm();
        },
        Qt::QueuedConnection);
}

void DesignWindows::removeFrame(DesignForm *form)
{
    TChildFrm *frame = frameOf(form);
    if (!frame)
        return;
    m_frames.erase(form);
    m_main.clientArea()->removeSubWindow(frame);
    delete frame;
}

void DesignWindows::showCurrent(DesignForm *form)
{
    TChildFrm *frame = frameOf(form);
    if (!frame)
        return;
    const QScopedValueRollback guard(m_activating, true);
    frame->syncFromForm();
    if (form->isShown()) {
        m_main.clientArea()->setActiveSubWindow(frame);
        frame->raise();
    }
}

void DesignWindows::subWindowActivated(QMdiSubWindow *window)
{
    auto *frame = qobject_cast<TChildFrm *>(window);
    if (m_activating || !frame || &frame->form() == m_main.project().currentDesignWindow())
        return;
    // A click on the window, its caption included, makes it current.
    m_rules.makeCurrent(frame->form());
}

void DesignWindows::createScaleMenu()
{
    m_scaleGroup = new QActionGroup(this);
    m_scaleGroup->setExclusive(true);
    QMenu *view = viewMenu(m_main);
    QMenu *menu = nullptr;
    if (view) {
        view->addSeparator();
        menu = view->addMenu(QStringLiteral("S&cale"));
        menu->setObjectName(QStringLiteral("mnuScale"));
        // The options are read after the windows are made: show their choice.
        connect(menu, &QMenu::aboutToShow, this, &DesignWindows::showScale);
    }
    for (int factor = 1; factor <= Options::kMaxDesignScale; ++factor) {
        auto *action = new QAction(QStringLiteral("&%1%2").arg(factor).arg(QChar(0x00D7)), this);
        action->setObjectName(QStringLiteral("mnuScale%1").arg(factor));
        action->setCheckable(true);
        action->setData(factor);
        m_scaleGroup->addAction(action);
        if (menu)
            menu->addAction(action);
        connect(action, &QAction::triggered, this, [this, factor] { setScale(factor); });
    }
    showScale();
}

void DesignWindows::showCursorKeysStatus()
{
    m_main.setStatusText(2, CursorKeysStatusText(m_main.project()));
}

void DesignWindows::createProjectTree()
{
    m_tree = new ProjectTree(m_main.project(), m_rules, &m_main);
    m_main.addDockWidget(Qt::LeftDockWidgetArea, m_tree);
    // Names and kinds, not much more.
    m_main.resizeDocks({m_tree}, {200}, Qt::Horizontal);
    QAction *toggle = m_tree->toggleViewAction();
    toggle->setObjectName(QStringLiteral("mnuViewProjectTree"));
    toggle->setText(QStringLiteral("Project &Tree"));
    if (QMenu *view = viewMenu(m_main))
        view->insertAction(m_main.action(QStringLiteral("mnuViewCode")), toggle);
}

void DesignWindows::createWindowMenu()
{
    connect(m_main.action(QStringLiteral("mnuCascade")), &QAction::triggered, this,
            &DesignWindows::cascade);
    connect(m_main.action(QStringLiteral("mnuTile")), &QAction::triggered, this,
            &DesignWindows::tile);
    m_windowMenu = m_main.findChild<QMenu *>(QStringLiteral("mnuWindow"));
    if (m_windowMenu)
        connect(m_windowMenu, &QMenu::aboutToShow, this, &DesignWindows::listOpenForms);
}

void DesignWindows::listOpenForms()
{
    for (QAction *item : std::exchange(m_formItems, {})) {
        m_windowMenu->removeAction(item);
        delete item;
    }
    const DesignProject &project = m_main.project();
    for (const auto &form : project.forms()) {
        if (!form->isShown())
            continue;
        const int number = int(m_formItems.size()) + 1;
        QString caption = form->caption();
        caption.replace(u'&', QStringLiteral("&&"));
        QAction *item = m_windowMenu->addAction(
            number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(caption) : caption);
        item->setObjectName(QStringLiteral("mnuWindowForm%1").arg(number));
        item->setCheckable(true);
        item->setChecked(form.get() == project.currentDesignWindow());
        connect(item, &QAction::triggered, this,
                [this, target = form.get()] { m_rules.makeCurrent(*target); });
        m_formItems.push_back(item);
    }
}

namespace {

// Where design windows may be arranged: the client area right of the
// property window while that is shown.
QRect arrangingArea(TMainForm &main)
{
    QRect area = main.clientArea()->viewport()->rect();
    const Workspace &workspace = main.workspace();
    if (workspace.propertiesShown())
        area.setLeft(std::max(area.left(), workspace.propertiesBounds().right() + 3));
    return area;
}

} // namespace

std::vector<DesignForm *> DesignWindows::arrangedForms() const
{
    const DesignProject &project = m_main.project();
    std::vector<DesignForm *> forms;
    for (const auto &form : project.forms()) {
        if (form->isShown() && form.get() != project.currentDesignWindow())
            forms.push_back(form.get());
    }
    if (DesignForm *current = project.currentDesignWindow(); current && current->isShown())
        forms.push_back(current);
    return forms;
}

void DesignWindows::arrange(Placement placement)
{
    const std::vector<DesignForm *> forms = arrangedForms();
    if (forms.empty())
        return;
    const QSize size = frameOf(forms.front())->size();
    const std::vector<QPoint> positions = placement(int(forms.size()), size, arrangingArea(m_main));
    for (size_t i = 0; i < forms.size(); ++i) {
        forms[i]->setPosition(positions[i].x(), positions[i].y());
        if (TChildFrm *frame = frameOf(forms[i]))
            frame->raise();
    }
}

void DesignWindows::cascade()
{
    arrange(cascadePositions);
}

void DesignWindows::tile()
{
    arrange(tilePositions);
}

} // namespace zf

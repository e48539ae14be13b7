#include "gui/app/Main.h"
#include "core/app/Prompts.h"
#include "core/app/ViewCommands.h"
#include "core/base/DataPaths.h"
#include "core/canvas/PalmFonts.h"
#include "core/model/DesignForm.h"
#include "core/model/LibrarySupport.h"
#include "gui/app/Glyphs.h"
#include "gui/app/HelpTopics.h"
#include "gui/app/RecoveryController.h"
#include "gui/app/Toolbox.h"
#include "gui/app/frmAbout.h"
#include "gui/codegen/GenerateWindow.h"
#include "gui/designer/ClipboardActions.h"
#include "gui/designer/DesignWindows.h"
#include "gui/designer/ExportPictureDialog.h"
#include "gui/designer/LayoutActions.h"
#include "gui/properties/PropertyWindows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <utility>

namespace zf {

namespace {

using Button = UserInterface::Button;

constexpr int kRecentCaptionWidth = 250;
// Room beside a status text for the panel's frame and a little air.
constexpr int kStatusTextPadding = 12;

} // namespace

TMainForm::TMainForm(const QString &optionsPath, QWidget *parent)
    : QMainWindow(parent), m_ui(this), m_project(m_ui), m_options(optionsPath),
      m_forms(m_project, m_workspace),
      m_projects(m_project, m_workspace, m_forms, m_options.recentProjects())
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(glyphIcon(Glyph::Application));
    setWindowTitle(m_workspace.title());

    m_clientArea = new QMdiArea(this);
    m_clientArea->setObjectName(QStringLiteral("ClientArea"));
    m_clientArea->setBackground(palette().dark());
    setCentralWidget(m_clientArea);

    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    connectState();
    ConnectClipboardActions(*this);
    ConnectLayoutActions(*this);
    m_designWindows = new DesignWindows(*this, m_options);
    CreatePropertyWindows(*this);
    ConnectGenerateWindow(*this);
    ConnectExportPicture(*this);
    syncFromState();
}

TMainForm::~TMainForm()
{
    // Closing the forms reports to the undo group and the window; both must
    // still be alive, and the project is destroyed only after them.
    m_project.destroyAllForms();
}

QAction *TMainForm::addAction(const char *name, const QString &text, const QKeySequence &shortcut)
{
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    m_actions[QLatin1String(name)] = action;
    return action;
}

QAction *TMainForm::action(const QString &name) const
{
    const auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

void TMainForm::createActions()
{
    const auto on = [this](QAction *action, auto slot) {
        connect(action, &QAction::triggered, this, slot);
    };

    // File
    on(addAction("mnuNewProject", QStringLiteral("&New Project..."), QKeySequence(Qt::CTRL | Qt::Key_N)),
       [this] { m_projects.newProject(); });
    on(addAction("mnuSaveProject", QStringLiteral("&Save Project"), QKeySequence(Qt::CTRL | Qt::Key_S)),
       [this] { m_projects.saveProject(); });
    on(addAction("mnuSaveProjectAs", QStringLiteral("Save Project &As..."),
                 QKeySequence(Qt::CTRL | Qt::Key_A)),
       [this] { m_projects.saveProjectAs(); });
    on(addAction("mnuOpenProject", QStringLiteral("&Open Project..."), QKeySequence(Qt::CTRL | Qt::Key_O)),
       [this] { m_projects.openProject(); });
    on(addAction("mnuNewForm", QStringLiteral("N&ew Form")), [this] { m_forms.newForm(); });
    on(addAction("mnuOpenForm", QStringLiteral("Open &Form...")), [this] { m_forms.openForm(); });
    on(addAction("mnuCloseForm", QStringLiteral("&Close Form")),
       [this] { m_forms.closeForm(m_project.currentDesignWindow()); });
    on(addAction("mnuSaveForm", QStringLiteral("Sa&ve Form")), [this] { m_forms.saveForm(); });
    on(addAction("mnuSaveFormAs", QStringLiteral("Sav&e Form As...")), [this] { m_forms.saveFormAs(); });
    on(addAction("mnuCloseAll", QStringLiteral("C&lose All")), [this] { m_projects.closeAll(); });
    on(addAction("mnuExit", QStringLiteral("E&xit")), [this] { close(); });
    // Bound by the codegen and designer windows: the live code view and the
    // form's picture.
    addAction("mnuViewCode", QStringLiteral("&Code"))->setCheckable(true);
    addAction("mnuExportPicture", QStringLiteral("Export &Picture..."));

    // Edit: Cut, Copy and Paste are bound by the clipboard commands.
    addAction("mnuCut", QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    addAction("mnuCopy", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    addAction("mnuPaste", QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    addAction("mnuDuplicate", QStringLiteral("&Duplicate"), QKeySequence(Qt::CTRL | Qt::Key_D));
    // Format and Window: bound by the layout commands and the design windows.
    // Ctrl+J, as other designers adjust a widget to its contents.
    addAction("mnuFitToText", QStringLiteral("Fit to &Text"), QKeySequence(Qt::CTRL | Qt::Key_J));
    addAction("mnuNameFromText", QStringLiteral("&Name from Text"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_J));
    addAction("mnuCascade", QStringLiteral("&Cascade"));
    addAction("mnuTile", QStringLiteral("&Tile"));
    QAction *undo = m_undoGroup.createUndoAction(this, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_actions[undo->objectName()] = undo;
    QAction *redo = m_undoGroup.createRedoAction(this, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    m_actions[redo->objectName()] = redo;

    // View
    QAction *zoom = addAction("mnuViewZoom", QStringLiteral("&Zoom"));
    zoom->setCheckable(true);
    on(zoom, [this] { m_workspace.setZoomShown(!m_workspace.zoomShown()); });
    QAction *properties = addAction("mnuViewProperties", QStringLiteral("&Properties Editor"));
    properties->setCheckable(true);
    on(properties, [this] {
        m_workspace.togglePropertiesEditor(m_project.isOpen());
        // The click checked the item; the window decides.
        syncFromState();
    });
    // F4 takes the keyboard to the property sheet, as in other designers;
    // the property windows bind it.
    addAction("mnuGoToProperties", QStringLiteral("&Go to Properties"), QKeySequence(Qt::Key_F4));
    QAction *grid = addAction("mnuViewGrid", QStringLiteral("&Grid"));
    grid->setCheckable(true);
    on(grid, [this] { setGrid(!m_project.gridOn()); });

    // Project
    on(addAction("mnuGenerateCode", QStringLiteral("&Generate Code..."), QKeySequence(Qt::Key_F7)),
       [this] { generateCode(); });
    QAction *shortNames = addAction("mnuShortNames", QStringLiteral("&Short names"));
    shortNames->setCheckable(true);
    on(shortNames, [this] { setShortNames(!m_project.shortNames()); });

    // Help
    QAction *contents = addAction("mnuHelpContents", QStringLiteral("Zentiform..."));
    on(contents, [] { showHelp(HelpTopic::Contents); });
    QAction *help = addAction("actHelp", QStringLiteral("Help"), QKeySequence(QKeySequence::HelpContents));
    QMainWindow::addAction(help);
    // The page of the window inside that holds the focus: a design window's,
    // or else the main window's own.
    on(help, [] {
        showHelp(helpTopicOf(QApplication::focusWidget(), HelpTopic::MainWindow));
    });
    on(addAction("mnuAbout", QStringLiteral("A&bout Zentiform...")), [this] {
        ZoomPause pause(m_ui);
        TfrmAbout(this).exec();
    });

    // Toolbar glyphs
    const std::pair<const char *, Glyph> glyphs[] = {
        {"mnuNewProject", Glyph::NewProject}, {"mnuSaveProject", Glyph::SaveProject},
        {"mnuOpenProject", Glyph::OpenProject}, {"mnuNewForm", Glyph::NewForm},
        {"mnuOpenForm", Glyph::OpenForm},     {"mnuSaveForm", Glyph::SaveForm},
        {"mnuCut", Glyph::Cut},               {"mnuCopy", Glyph::Copy},
        {"mnuPaste", Glyph::Paste},           {"mnuUndo", Glyph::Undo},
        {"mnuRedo", Glyph::Redo},             {"mnuGenerateCode", Glyph::GenerateCode},
    };
    for (const auto &[name, glyph] : glyphs)
        action(QLatin1String(name))->setIcon(glyphIcon(glyph));
}

void TMainForm::createMenus()
{
    const auto menu = [this](const QString &title) {
        QMenu *m = menuBar()->addMenu(title);
        // The zoom view rests while a menu is open.
        connect(m, &QMenu::aboutToShow, this, [this] { m_ui.pauseZoom(); });
        connect(m, &QMenu::aboutToHide, this, [this] { m_ui.resumeZoom(); });
        return m;
    };
    const auto add = [this](QMenu *m, std::initializer_list<const char *> names) {
        for (const char *name : names) {
            if (name)
                m->addAction(action(QLatin1String(name)));
            else
                m->addSeparator();
        }
    };

    QMenu *file = menu(QStringLiteral("&File"));
    add(file, {"mnuNewProject", "mnuSaveProject", "mnuSaveProjectAs", "mnuOpenProject"});
    m_recentMenu = file->addMenu(QStringLiteral("&Recent Projects"));
    m_recentMenu->setObjectName(QStringLiteral("mnuRecentProjects"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &TMainForm::rebuildRecentMenu);
    add(file, {nullptr, "mnuNewForm", "mnuOpenForm", "mnuCloseForm", "mnuSaveForm",
               "mnuSaveFormAs", "mnuExportPicture", "mnuCloseAll", nullptr, "mnuExit"});
    add(menu(QStringLiteral("&Edit")),
        {"mnuUndo", "mnuRedo", nullptr, "mnuCut", "mnuCopy", "mnuPaste", "mnuDuplicate"});
    add(menu(QStringLiteral("&View")), {"mnuViewZoom", "mnuViewProperties", "mnuGoToProperties",
                                        "mnuViewCode", nullptr, "mnuViewGrid"});
    add(menu(QStringLiteral("F&ormat")), {"mnuFitToText", "mnuNameFromText"});
    add(menu(QStringLiteral("&Project")), {"mnuGenerateCode", nullptr, "mnuShortNames"});
    // The design windows add the list of open forms.
    QMenu *window = menu(QStringLiteral("&Window"));
    window->setObjectName(QStringLiteral("mnuWindow"));
    add(window, {"mnuCascade", "mnuTile", nullptr});
    add(menu(QStringLiteral("&Help")), {"mnuHelpContents", nullptr, "mnuAbout"});
    rebuildRecentMenu();
}

void TMainForm::rebuildRecentMenu()
{
    m_recentMenu->clear();
    const QStringList paths = m_options.recentProjects().paths();
    const QFontMetrics metrics(m_recentMenu->font());
    for (int i = 0; i < paths.size(); ++i) {
        const QString shown = metrics.elidedText(paths[i], Qt::ElideMiddle, kRecentCaptionWidth);
        QAction *entry = m_recentMenu->addAction(RecentProjects::menuCaption(i, shown));
        entry->setToolTip(paths[i]);
        connect(entry, &QAction::triggered, this,
                [this, path = paths[i]] { m_projects.openRecentProject(path); });
    }
    m_recentMenu->addSeparator();
    QAction *clear = m_recentMenu->addAction(QStringLiteral("&Clear List"));
    clear->setObjectName(QStringLiteral("mnuClearRecent"));
    connect(clear, &QAction::triggered, this, [this] { m_options.recentProjects().clear(); });
    QAction *obsolete = m_recentMenu->addAction(QStringLiteral("&Remove Obsolete"));
    obsolete->setObjectName(QStringLiteral("mnuRemoveObsolete"));
    connect(obsolete, &QAction::triggered, this,
            [this] { m_options.recentProjects().removeObsolete(); });
}

void TMainForm::createToolBars()
{
    const auto toolbar = [this](const QString &title, std::initializer_list<const char *> names) {
        QToolBar *bar = addToolBar(title);
        bar->setObjectName(title);
        // Shown in the toolbars' context menu, where "&" would mark a key.
        bar->toggleViewAction()->setText(QString(title).replace(u'&', QStringLiteral("&&")));
        for (const char *name : names)
            bar->addAction(action(QLatin1String(name)));
        return bar;
    };
    QToolBar *fileBar = toolbar(QStringLiteral("File"),
                                {"mnuNewProject", "mnuSaveProject", "mnuOpenProject", "mnuNewForm",
                                 "mnuOpenForm", "mnuSaveForm", "mnuGenerateCode"});
    QToolBar *controlsBar = toolbar(QStringLiteral("Controls"), {});
    // Without these two there is no way to start a project or place a
    // control, so the user cannot close them.
    for (QToolBar *bar : {fileBar, controlsBar})
        bar->toggleViewAction()->setEnabled(false);
    m_toolbox = new Toolbox(m_project, controlsBar);
    toolbar(QStringLiteral("Edit"), {"mnuCut", "mnuCopy", "mnuPaste", "mnuUndo", "mnuRedo"});

    // The layout commands run on the current design window; the design
    // windows bind these buttons to the same routines as their popup menus.
    const std::tuple<const char *, const char *, Glyph> align[] = {
        {"spbALeft", "Align Left", Glyph::AlignLeft},
        {"spbAright", "Align Right", Glyph::AlignRight},
        {"spbATop", "Align Top", Glyph::AlignTop},
        {"spbABottom", "Align Bottom", Glyph::AlignBottom},
        {"spbSHeight", "Same Height", Glyph::SameHeight},
        {"spbSWidth", "Same Width", Glyph::SameWidth},
        {"spbCHoriz", "Center horizontally\nin form or dialog", Glyph::CenterHorizontally},
        {"spbCVerti", "Center vertically\nin form or dialog", Glyph::CenterVertically},
        {"spbEHoriz", "Space controls equally,\nhorizontally", Glyph::SpaceHorizontally},
        {"spbEVertic", "Space controls equally,\nvertically", Glyph::SpaceVertically},
    };
    QToolBar *alignBar = toolbar(QStringLiteral("Align & Size"), {});
    for (const auto &[name, hint, glyph] : align) {
        QAction *button = addAction(name, QLatin1String(hint));
        button->setIcon(glyphIcon(glyph));
        button->setToolTip(QLatin1String(hint));
        alignBar->addAction(button);
    }
    // Format > Fit to Text, one click away where the layout commands are.
    alignBar->addSeparator();
    QAction *fit = action(QStringLiteral("mnuFitToText"));
    fit->setIcon(glyphIcon(Glyph::FitToText));
    fit->setToolTip(QStringLiteral("Fit to text:\nlabels, buttons and menus"));
    alignBar->addAction(fit);
}

void TMainForm::createStatusBar()
{
    // The library and Short names panels are as wide as their longest text
    // needs in the desktop's font, and never narrower than their own widths.
    const int widths[] = {80, 70, 0};
    const QStringList texts[] = {{QStringLiteral("CControls"), QStringLiteral("PToolboxLib")},
                                 {QStringLiteral("Short names")},
                                 {}};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        if (widths[i] > 0) {
            int width = widths[i];
            for (const QString &text : texts[i])
                width = std::max(width, label->fontMetrics().horizontalAdvance(text) +
                                            kStatusTextPadding);
            label->setFixedWidth(width);
            statusBar()->addWidget(label);
        } else {
            statusBar()->addWidget(label, 1);
        }
        m_statusPanels[i] = label;
    }
    m_statusPanels[0]->setAlignment(Qt::AlignCenter);
}

QToolBar *TMainForm::toolBar(const QString &title) const
{
    return findChild<QToolBar *>(title, Qt::FindDirectChildrenOnly);
}

QString TMainForm::statusText(int panel) const
{
    return m_statusPanels[panel]->text();
}

void TMainForm::setStatusText(int panel, const QString &text)
{
    m_statusPanels[panel]->setText(text);
}

void TMainForm::connectState()
{
    connect(&m_workspace, &Workspace::titleChanged, this, &QWidget::setWindowTitle);
    connect(&m_workspace, &Workspace::changed, this, &TMainForm::syncFromState);
    connect(&m_project, &DesignProject::libraryChanged, this, &TMainForm::setupToolbox);
    connect(&m_project, &DesignProject::formAdded, this,
            [this](DesignForm *form) { m_undoGroup.addStack(&form->undoStack()); });
    connect(&m_project, &DesignProject::formAboutToBeRemoved, this,
            [this](DesignForm *form) { m_undoGroup.removeStack(&form->undoStack()); });
    connect(&m_project, &DesignProject::currentDesignWindowChanged, this, [this](DesignForm *form) {
        m_undoGroup.setActiveStack(form ? &form->undoStack() : nullptr);
    });
}

void TMainForm::syncFromState()
{
    action(QStringLiteral("mnuViewProperties"))->setChecked(m_workspace.propertiesShown());
    action(QStringLiteral("mnuViewZoom"))->setChecked(m_workspace.zoomShown());
    action(QStringLiteral("mnuGenerateCode"))->setEnabled(m_workspace.generateCodeEnabled());
}

void TMainForm::setupToolbox()
{
    m_toolbox->setup(m_project.library());
    setStatusText(0, m_project.librarySupport().statusText());
}

void TMainForm::setGrid(bool on)
{
    SetGrid(m_project, on);
    action(QStringLiteral("mnuViewGrid"))->setChecked(on);
    m_ui.resumeZoom();
}

void TMainForm::setShortNames(bool on)
{
    m_project.setShortNames(on);
    action(QStringLiteral("mnuShortNames"))->setChecked(on);
    setStatusText(1, on ? QStringLiteral("Short names") : QString());
}

void TMainForm::generateCode()
{
    if (!m_workspace.generateCodeEnabled())
        return;
    ZoomPause pause(m_ui);
    if (m_project.projectFile().isEmpty()) {
        m_ui.ask({QStringLiteral("Information"),
                  QStringLiteral("You must save the project before code generation"), Button::Ok,
                  UserInterface::Icon::Information, Button::Ok});
        m_projects.saveProjectAs();
        return;
    }
    Q_EMIT generateCodeRequested();
}

void TMainForm::startUp()
{
    m_options.load();
    m_project.setLibrary(m_options.library());
    setGrid(m_options.grid());
    setShortNames(m_options.shortNames());

    // The fonts are checked in the order the handheld lists them.
    for (const QString &missing : loadPalmFonts(dataPath(QStringLiteral("fonts")))) {
        m_ui.ask({QStringLiteral("Error"),
                  QStringLiteral("Error: ") + missing + QStringLiteral(".fon not found"), Button::Ok,
                  UserInterface::Icon::Error, Button::Ok});
    }
    restoreState(m_options.toolbarLayout());
    // A floating toolbar shown before the main window ends up behind it:
    // it comes back once the main window is up.
    for (QToolBar *bar : findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (bar->isFloating() && !bar->isHidden()) {
            bar->hide();
            m_floatingBars.push_back(bar);
        }
    }
    setupToolbox();
    rebuildRecentMenu();
    // Copies of unsaved forms while the program runs, and the offer of those
    // an earlier run left when it crashed.
    m_recovery = new RecoveryController(*this, m_options.recoveryDelay());
}

void TMainForm::openFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        const QString suffix = QFileInfo(path).suffix().toLower();
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (suffix == QLatin1String("zpj")) {
            m_options.recentProjects().add(absolute);
            m_projects.openRecentProject(absolute);
        } else {
            m_forms.loadFormFile(absolute, true);
        }
    }
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_firstShow)
        return;
    m_firstShow = false;
    QTimer::singleShot(0, this, [this] {
        for (QToolBar *bar : std::exchange(m_floatingBars, {})) {
            bar->show();
            bar->raise();
        }
    });
    setupToolbox();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    bool goOn = false;
    {
        ZoomPause pause(m_ui);
        goOn = m_projects.confirmWorkSaved();
    }
    if (!goOn) {
        event->ignore();
        return;
    }
    writeOptions();
    // Every unsaved form was asked about: its copy has done its work.
    if (m_recovery)
        m_recovery->session().finish();
    event->accept();
}

void TMainForm::writeOptions()
{
    m_options.setToolbarLayout(saveState());
    m_options.setLibrary(m_project.library());
    m_options.setGrid(m_project.gridOn());
    m_options.setShortNames(m_project.shortNames());
    if (!m_options.save())
        reportWriteFailure(m_ui, m_options.path(), m_options.errorString());
}

} // namespace zf

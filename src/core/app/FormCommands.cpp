#include "core/app/FormCommands.h"
#include "core/app/Prompts.h"
#include "core/app/WindowPlacement.h"
#include "core/app/Workspace.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QFileInfo>

#include <algorithm>

namespace zf {

namespace {

using Button = UserInterface::Button;

// The grid a new window gets while View Grid is on.
constexpr int kGridSpace = 6;
constexpr int kGridSnap = 4;

// A long list of left-out records is cut short in the message.
constexpr int kListedProblems = 20;

QString skippedRecordsText(const QString &path, const FileProblems &problems)
{
    QStringList lines;
    int skipped = 0;
    for (const FileProblem &problem : problems) {
        if (problem.effect != FileProblem::Effect::RecordRefused)
            continue;
        if (++skipped <= kListedProblems)
            lines << problem.text();
    }
    if (skipped == 0)
        return {};
    if (skipped > kListedProblems)
        lines << QStringLiteral("... and %1 more").arg(skipped - kListedProblems);
    return path + QStringLiteral(": parts of the form could not be loaded and were left out:\n")
           + lines.join(QLatin1Char('\n'));
}

} // namespace

FormCommands::FormCommands(DesignProject &project, Workspace &workspace)
    : m_project(project), m_workspace(workspace)
{
}

DesignForm &FormCommands::nuevoForm(const QString &requested)
{
    const QString name = requested.isEmpty() ? m_project.nextFormName() : requested;
    DesignForm &form = *m_project.addForm(name);
    if (m_project.gridOn()) {
        form.screen()->setGridVisible(1);
        form.screen()->setGridSpace(kGridSpace);
        form.setSnapGridSize(kGridSnap);
    }
    const QRect properties = m_workspace.propertiesBounds();
    if (m_workspace.propertiesShown())
        form.setPosition(properties.left() + properties.width() + 2, form.top());
    form.refreshControlList();

    // First showing: the property window comes up with the first form of a
    // project, and a window at the origin moves below the toolbars.
    if (!m_workspace.propertiesShown())
        m_workspace.togglePropertiesEditor(m_project.isOpen());
    const int belowToolbars = m_workspace.toolbarDockHeight() + 4;
    if (form.top() == 0 && form.left() == 0)
        form.setPosition(m_workspace.propertiesBounds().width() + 4, belowToolbars);
    else if (form.top() == 0)
        form.setPosition(form.left(), belowToolbars);
    const QPoint free = freeWindowPosition(m_project, form, {form.left(), form.top()});
    form.setPosition(free.x(), free.y());
    form.setShown(true);

    m_project.setCurrentDesignWindow(&form);
    form.deselectAll();
    m_project.setSelectedObject(form.screen());
    return form;
}

FileProblems FormCommands::load(DesignForm &form, const IniDocument &doc)
{
    const FileProblems problems = readForm(form, doc);
    // Reading is no undo step, so nothing has announced the form's own
    // values yet; the sheet showed the new form's defaults until now.
    form.notifyChanged();
    const QString skipped = skippedRecordsText(doc.path(), problems);
    if (!skipped.isEmpty())
        m_project.ui().error(skipped);
    makeCurrent(form);
    return problems;
}

DesignForm *FormCommands::loadFormFile(const QString &path, bool checkLibrary)
{
    UserInterface &ui = m_project.ui();
    IniDocument doc;
    if (!doc.open(path)) {
        ui.error(QStringLiteral("Unable to read ") + path + QLatin1Char('\n') + doc.errorString());
        return nullptr;
    }
    const QString name = readFormName(doc);
    if (name.isEmpty())
        return nullptr;
    if (checkLibrary && readFormLibrary(doc) != m_project.library()) {
        ui.error(path + QStringLiteral(" format is not of the current library"));
        return nullptr;
    }
    DesignForm &form = nuevoForm(name);
    load(form, doc);
    return &form;
}

FormCommands::SaveResult FormCommands::save(DesignForm &form, bool ask)
{
    UserInterface &ui = m_project.ui();
    QString path = form.fileName();
    if (ask || path.isEmpty()) {
        ui.pauseZoom();
        const std::optional<QString> chosen = ui.saveFileName(
            {QStringLiteral("Save Form"), QStringLiteral("Zentiform form (*.zsc)|*.zsc"),
             QStringLiteral("zsc"), path.isEmpty() ? form.caption() : path});
        if (!chosen)
            return SaveResult::Cancelled;
        path = *chosen;
        ui.resumeZoom();
    }
    if (QFileInfo::exists(path) && !confirmReplace(ui, QStringLiteral("Save form"), path))
        return SaveResult::Declined;

    QString error;
    if (!writeFormFile(form, path, &error)) {
        reportWriteFailure(ui, path, error);
        return SaveResult::Failed;
    }
    // Only now: a form must never name a file that does not hold it, or the
    // next project save would list a stranger's file for it.
    form.setFileName(path);
    form.setCaption(QFileInfo(path).fileName());
    form.undoStack().setClean();
    return SaveResult::Saved;
}

void FormCommands::makeCurrent(DesignForm &form)
{
    m_project.setCurrentDesignWindow(&form);
    m_project.ui().resumeZoom();
    form.refreshControlList();
    if (!form.lastSelected())
        form.setLastSelected(form.screen());
    m_project.setSelectedObject(form.lastSelected());
}

void FormCommands::newForm()
{
    nuevoForm();
}

DesignForm *FormCommands::openForm()
{
    UserInterface &ui = m_project.ui();
    const ZoomPause pause(ui);
    const std::optional<QString> path = ui.openFileName(
        {QStringLiteral("Open Form"), QStringLiteral("Zentiform Form (*.zsc)|*.zsc"),
         QStringLiteral("zsc"), QString()});
    DesignForm *opened = nullptr;
    if (path) {
        for (const auto &form : m_project.forms()) {
            if (form->fileName() == *path) {
                // The window, closed or not, keeps what was not saved; the
                // file is not read again.
                opened = form.get();
                opened->setShown(true);
                makeCurrent(*opened);
                break;
            }
        }
        if (!opened)
            opened = loadFormFile(*path, true);
    }
    return opened;
}

void FormCommands::saveCurrent(bool ask)
{
    DesignForm *form = m_project.currentDesignWindow();
    if (!form)
        return;
    const ZoomPause pause(m_project.ui());
    save(*form, ask);
}

void FormCommands::saveForm()
{
    saveCurrent(false);
}

void FormCommands::saveFormAs()
{
    saveCurrent(true);
}

bool FormCommands::confirmFormSaved(DesignForm &form)
{
    if (!form.isModified())
        return true;
    UserInterface &ui = m_project.ui();
    switch (askSaveChanges(ui, QStringLiteral("form ") + form.name())) {
    case Button::Yes: {
        // A save that did not happen stops the command, as Cancel would:
        // going on would look as if the work were safe.
        const SaveResult saved = save(form, false);
        if (saved == SaveResult::Cancelled)
            ui.resumeZoom();
        return saved == SaveResult::Saved;
    }
    case Button::No:
        return true;
    default:
        return false;
    }
}

bool FormCommands::closeForm(DesignForm *form)
{
    if (!form || !confirmFormSaved(*form))
        return false;
    form->setShown(false);
    leaveClosedForm(*form);
    return true;
}

void FormCommands::leaveClosedForm(DesignForm &form)
{
    // What the user no longer sees takes no more edits: the sheet, the arrow
    // keys, Cut, Paste and Undo move on to the shown window activated last,
    // or to nothing.
    if (m_project.currentDesignWindow() == &form) {
        const auto &order = m_project.formsInWindowOrder();
        const auto next = std::find_if(order.begin(), order.end(), [](const DesignForm *candidate) {
            return candidate->isShown();
        });
        if (next != order.end()) {
            makeCurrent(**next);
        } else {
            m_project.setCurrentDesignWindow(nullptr);
            m_project.setSelectedObject(nullptr);
        }
    }
    const DesignObject *selected = m_project.selectedObject();
    if (selected && selected->form() == &form)
        m_project.setSelectedObject(nullptr);
}

} // namespace zf

#include "core/designer/DesignCommands.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"
#include "core/designer/SelectionDisplay.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/UserInterface.h"

namespace zf {

namespace {

// The selected object when it is a control or dialog of this form.
DesignObject *selectedControl(const DesignForm &form)
{
    DesignObject *object = form.project().selectedObject();
    if (!object || object->form() != &form || object == form.screen())
        return nullptr;
    return object;
}

bool confirmMenuBarDeletion(UserInterface &ui)
{
    const UserInterface::Message question{
        QStringLiteral("Warning"), QStringLiteral("Are you sure? All menus wil be deleted"),
        UserInterface::Button::Yes | UserInterface::Button::No, UserInterface::Icon::Warning,
        UserInterface::Button::No};
    return ui.ask(question) == UserInterface::Button::Yes;
}

} // namespace

bool DeleteControl(DesignForm &form)
{
    DesignObject *object = selectedControl(form);
    if (!object)
        return false;
    auto *bar = objectCast<TCCMenuBar>(object);
    if (bar && !confirmMenuBarDeletion(form.project().ui()))
        return false;

    form.perform(QStringLiteral("Delete ") + object->name(), [&] {
        if (bar)
            DeleteMenuBar(form, *bar);
        else
            form.removeObject(object);
        form.setLastSelected(nullptr);
        form.project().setSelectedObject(form.screen());
        form.deselectAll();
        form.refreshControlList();
    });
    return true;
}

void BringToFront(DesignForm &form)
{
    if (DesignObject *object = selectedControl(form))
        form.perform(QStringLiteral("Bring to Front"), [&] { form.bringToFront(object); });
}

void SendToBack(DesignForm &form)
{
    if (DesignObject *object = selectedControl(form))
        form.perform(QStringLiteral("Send to Back"), [&] { form.sendToBack(object); });
}

void SetObjectBounds(DesignForm &form, DesignObject *object, const QRect &bounds, MergeKey merge)
{
    const bool resized = bounds.size() != object->bounds().size();
    form.perform(
        (resized ? QStringLiteral("Resize ") : QStringLiteral("Move ")) + object->name(),
        [&] { object->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height()); },
        merge);
}

void RefreshControlList(DesignForm &form)
{
    form.refreshControlList();
    MostrarSeleccionado(form, false);
}

void PresentarPropiedadesForm(DesignProject &project)
{
    DesignForm *form = project.currentDesignWindow();
    if (!form)
        return;
    form->deselectAll();
    project.setSelectedObject(form->screen());
    if (!form->isChanging())
        form->notifyChanged();
}

void DeleteSelectedControl(DesignForm &form)
{
    DesignProject &project = form.project();
    const DesignObject *selected = project.selectedObject();
    if (!selected || selected == form.screen() || selected->form() != &form)
        return;
    DeleteControl(form);
    // Also after a No to the menu bar question: the form is shown either way.
    form.setLastSelected(nullptr);
    PresentarPropiedadesForm(project);
}

} // namespace zf

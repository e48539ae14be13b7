#include "core/app/DesignWindowRules.h"
#include "core/app/FormCommands.h"
#include "core/app/Workspace.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/designer/DesignCommands.h"
#include "core/designer/FormHitTest.h"
#include "core/designer/Nudging.h"
#include "core/designer/SelectionDisplay.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "core/model/PTDialog.h"
#include "core/model/UserInterface.h"
#include "core/properties/PropertySheet.h"

namespace zf {

namespace {

constexpr ShiftState kRightAlone = ShiftKey::Right;
const ShiftState kShiftLeft = ShiftKey::Shift | ShiftKey::Left;

// The form's own objects other than the screen's: the menus and the bar.
bool isWindowObject(const DesignObject &object)
{
    return objectCast<TCCMenu>(&object) || objectCast<TCCMenuBar>(&object);
}

} // namespace

DesignWindowRules::DesignWindowRules(FormCommands &forms, Workspace &workspace)
    : m_forms(forms), m_workspace(workspace)
{
}

void DesignWindowRules::makeCurrent(DesignForm &form)
{
    m_forms.makeCurrent(form);
    DesignObject *shown = form.lastSelected();
    if (!shown || shown == form.screen())
        PresentarPropiedadesForm(form.project());
    else
        ShowControlProperties(*shown);
}

void DesignWindowRules::screenPressed(DesignForm &form)
{
    form.setLastSelected(form.screen());
    form.project().ui().resumeZoom();
    makeCurrent(form);
}

void DesignWindowRules::screenReleased(DesignForm &form, DesignContainer &clicked,
                                       MouseButton button, QPoint point)
{
    DesignProject &project = form.project();
    SwitchCursorKeysOn(project);
    if (button != MouseButton::Left)
        return;
    if (form.screen()->gridVisible() != 0) {
        const int step = gridSizeFor(form.snapGridSize());
        point = {snapToGrid(point.x(), step), snapToGrid(point.y(), step)};
    }
    if (project.librarySupport().createControlAt(form, point.x(), point.y(), &clicked))
        RefreshControlList(form);
    else if (&clicked == form.screen())
        PresentarPropiedadesForm(project);
    else
        MostrarSeleccionado(form, false);
}

bool DesignWindowRules::doubleClicked(DesignForm &form)
{
    const PropertySheet sheet(form.project());
    if (!sheet.subject() || sheet.subject()->form() != &form || sheet.contentRow().isEmpty())
        return false;
    m_workspace.editContent();
    return true;
}

bool DesignWindowRules::kindDropped(DesignForm &form, ControlKind kind, QPoint point)
{
    const KindSpec *spec = form.project().librarySupport().spec(kind);
    DesignObject *target = objectAt(form, point);
    if (!spec || !spec->onToolbox || !target)
        return false;
    // A control stands for its container; menus and the bar lie over the
    // screen, outside it.
    DesignContainer *container = target->parent() ? target->parent() : form.screen();
    if (auto *dialog = objectCast<TPTDialog>(target))
        container = dialog;
    DesignProject &project = form.project();
    DesignObject *selected = project.selectedObject();
    project.setPressedTool(kind);
    screenPressed(form);
    form.perform(QStringLiteral("Create ") + kindWord(kind), [&] {
        screenReleased(form, *container, MouseButton::Left, point - windowOrigin(*container));
        // A click makes a menu at the start of the bar, and a menu is not
        // dragged; a drop says where its topic goes.
        auto *menu = objectCast<TCCMenu>(project.selectedObject());
        if (menu && menu != selected)
            menu->setUserLeft(point.x());
    });
    return true;
}

void DesignWindowRules::controlPressed(DesignForm &form, DesignObject &control, ShiftState shift)
{
    DesignProject &project = form.project();
    SwitchCursorKeysOn(project);
    form.setLastSelected(&control);
    m_workspace.hidePropertyEditors();
    if (shift == kRightAlone)
        return;
    // Making the window current shows its last selected object: this one.
    makeCurrent(form);
    project.setSelectedObject(&control);
    MostrarSeleccionado(form, shift == kShiftLeft);
}

void DesignWindowRules::bandReleased(DesignForm &form, DesignContainer &container,
                                     const QRect &band, ShiftState shift)
{
    DesignProject &project = form.project();
    if (project.currentDesignWindow() != &form)
        m_forms.makeCurrent(form);
    SwitchCursorKeysOn(project);
    if (DesignObject *subject =
            SelectTouching(form, container, band, shift.testFlag(ShiftKey::Shift))) {
        ShowControlProperties(*subject);
        return;
    }
    if (shift.testFlag(ShiftKey::Shift))
        return;
    if (&container == form.screen()) {
        PresentarPropiedadesForm(project);
        return;
    }
    project.setSelectedObject(&container);
    MostrarSeleccionado(form, false);
}

void DesignWindowRules::chooseObject(DesignObject &object)
{
    DesignForm *form = object.form();
    if (!form)
        return;
    form->setShown(true);
    form->setLastSelected(&object);
    makeCurrent(*form);
    MostrarSeleccionado(*form, false);
}

void DesignWindowRules::controlReleased(DesignForm &form, DesignObject &control, ShiftState shift)
{
    m_workspace.hidePropertyEditors();
    if (shift != kRightAlone) {
        if (isWindowObject(control)) {
            makeCurrent(form);
            form.deselectAll();
        }
        ShowControlProperties(control);
    }
    if (!form.isChanging())
        form.notifyChanged();
}

} // namespace zf

#include "core/designer/SelectionDisplay.h"
#include "core/designer/FormHitTest.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

namespace zf {

void MostrarSeleccionado(DesignForm &form, bool multi)
{
    if (!multi)
        form.deselectAll();
    DesignObject *selected = form.project().selectedObject();
    // An object of another window is that window's business.
    if (!selected || selected->form() == &form) {
        if (selected && selected != form.screen() && !selected->isSelected())
            form.selectControl(selected, true, multi);
        form.setLastSelected(selected);
    }
    if (!form.isChanging())
        form.notifyChanged();
}

DesignObject *SelectTouching(DesignForm &form, DesignContainer &container, const QRect &band,
                             bool add)
{
    const std::vector<DesignObject *> touched = objectsTouching(container, band);
    if (touched.empty())
        return nullptr;
    DesignProject &project = form.project();
    DesignObject *kept = project.selectedObject();
    const bool keepSubject = add && kept && kept->form() == &form && kept->isSelected();
    if (!add)
        form.deselectAll();
    for (DesignObject *object : touched) {
        if (!object->isSelected())
            form.selectControl(object, true, true);
    }
    DesignObject *subject = keepSubject ? kept : touched.front();
    project.setSelectedObject(subject);
    form.setLastSelected(subject);
    if (!form.isChanging())
        form.notifyChanged();
    return subject;
}

void ControlaResize(DesignForm &form)
{
    MostrarSeleccionado(form, false);
}

} // namespace zf

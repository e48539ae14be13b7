#include "core/designer/SelectionDisplay.h"
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

void ControlaResize(DesignForm &form)
{
    MostrarSeleccionado(form, false);
}

} // namespace zf

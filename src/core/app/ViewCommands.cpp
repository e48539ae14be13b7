#include "core/app/ViewCommands.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/PTDialog.h"

#include <memory>

namespace zf {

namespace {

constexpr int kGridSpace = 6;
constexpr int kSnapOn = 4;
constexpr int kSnapOff = 1;

} // namespace

void ApplyGrid(DesignForm &form, bool on)
{
    std::vector<DesignContainer *> containers{form.screen()};
    for (TPTDialog *dialog : form.dialogs())
        containers.push_back(dialog);
    for (DesignContainer *container : containers) {
        container->setGridVisible(on ? 1 : 0);
        if (on)
            container->setGridSpace(kGridSpace);
    }
    form.setSnapGridSize(on ? kSnapOn : kSnapOff);
    form.setSnapDialogGridSize(on ? kSnapOn : kSnapOff);
    form.notifyChanged();
}

void SetGrid(DesignProject &project, bool on)
{
    project.setGridOn(on);
    for (const std::unique_ptr<DesignForm> &form : project.forms())
        ApplyGrid(*form, on);
}

} // namespace zf

#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"

namespace zf {

TCCMenuBar *menuBarOf(const DesignForm &form)
{
    for (DesignObject *object : form.windowChildren()) {
        if (auto *bar = objectCast<TCCMenuBar>(object))
            return bar;
    }
    return nullptr;
}

std::vector<TCCMenu *> menusOf(const DesignForm &form)
{
    std::vector<TCCMenu *> result;
    for (DesignObject *object : form.windowChildren()) {
        if (auto *menu = objectCast<TCCMenu>(object))
            result.push_back(menu);
    }
    return result;
}

void OpenMenu(DesignForm &form, TCCMenu &menu)
{
    if (menu.test() == 0)
        return;
    for (DesignObject *object : form.windowChildren()) {
        if (auto *bar = objectCast<TCCMenuBar>(object)) {
            bar->setTest(1);
        } else if (auto *other = objectCast<TCCMenu>(object); other && other != &menu) {
            other->setTest(0);
            other->setVisible(true);
        }
    }
}

void CloseMenus(DesignForm &form, TCCMenuBar &bar)
{
    if (bar.test() != 0)
        return;
    for (TCCMenu *menu : menusOf(form)) {
        menu->setVisible(false);
        menu->setTest(0);
    }
}

void DeleteMenuBar(DesignForm &form, TCCMenuBar &bar)
{
    for (TCCMenu *menu : menusOf(form))
        form.removeObject(menu);
    form.removeObject(&bar);
}

} // namespace zf

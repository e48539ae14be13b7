#pragma once

#include <QString>

#include <vector>

namespace zf {

class DesignForm;
class DesignObject;

// One line of a form's outline in the project tree.
struct OutlineEntry
{
    DesignObject *object = nullptr;
    QString name;
    // The kind word of the library in force, as the control list shows it.
    QString kind;
    // 0 for what lies on the screen or belongs to the window, 1 for the
    // controls of a dialog, which stand under the dialog's line.
    int depth = 0;

    bool operator==(const OutlineEntry &) const = default;
};

// What the project tree shows under a form: the screen's objects in child
// order, each dialog followed by its own controls, then the window's menu bar
// and menus in their order.
std::vector<OutlineEntry> formOutline(const DesignForm &form);

} // namespace zf

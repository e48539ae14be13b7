#pragma once

#include "core/model/LibrarySupport.h"

namespace zf {

class TCCMenu;
class TCCMenuBar;

// The CControls library: a PocketC source file the generated code includes.
class CCLibrary final : public LibrarySupport
{
public:
    int library() const override;
    QString statusText() const override { return QStringLiteral("CControls"); }
    std::span<const KindSpec> kinds() const override;
    void showControlProperties(DesignObject &object, const QString &currentRow) const override;
    // The menu bar, then the menus.
    void saveWindowRecords(IniDocument &doc, const DesignForm &form) const override;

protected:
    const PropertyDefs &formRows() const override;
    bool createWindowObject(DesignForm &form, ControlKind kind, bool *created) const override;
};

// The menu bar of a window, if it has one, and its menus in child order.
TCCMenuBar *menuBarOf(const DesignForm &form);
std::vector<TCCMenu *> menusOf(const DesignForm &form);

// The menu rules of a design window. A window shows at most one open menu,
// and the titles of all its menus while the menu bar is shown.
void OpenMenu(DesignForm &form, TCCMenu &menu);
void CloseMenus(DesignForm &form, TCCMenuBar &bar);
// Removes every menu of the window, then the bar.
void DeleteMenuBar(DesignForm &form, TCCMenuBar &bar);

} // namespace zf

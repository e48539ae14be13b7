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
    std::optional<ControlKind> kindOf(const DesignObject &object) const override;
    QString namePrefix(ControlKind kind, bool shortNames) const override;
    void listControls(const DesignForm &form, ControlList &lines) const override;

    // Property rows, CCProperties.cpp.
    PropertyRows propertyRows(const DesignObject &object) const override;
    QStringList showControlProperties(DesignObject &object,
                                      const QString &currentRow) const override;
    QString applyPropertyValue(DesignObject &object, const QString &row,
                               const QString &text) const override;
    ItemsEditor itemsEditor(const DesignObject &object) const override;

    // Form-file records, CCRecords.cpp.
    void saveControlRecord(IniDocument &doc, const DesignObject &object) const override;
    std::unique_ptr<DesignObject> loadControlRecord(const FormFileRecord &record,
                                                    const DesignForm &form,
                                                    DesignContainer *container) const override;
    QStringList extraRecordSections(const DesignObject &object) const override;
    void saveMenuRecords(IniDocument &doc, const DesignForm &form) const override;

protected:
    std::span<const KindInfo> kinds() const override;
    std::unique_ptr<DesignObject> makeControl(ControlKind kind, const QString &name, int x,
                                              int y) const override;
    bool deselectsOnCreate(ControlKind kind) const override { return kind != ControlKind::Table; }
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

#pragma once

#include "core/model/LibrarySupport.h"

namespace zf {

// The PToolBox library: a native Palm library whose header is "Fctl.h".
class PTLibrary final : public LibrarySupport
{
public:
    int library() const override;
    QString statusText() const override { return QStringLiteral("PToolboxLib"); }
    std::optional<ControlKind> kindOf(const DesignObject &object) const override;
    void listControls(const DesignForm &form, ControlList &lines) const override;

    // Property rows, PTProperties.cpp.
    PropertyRows propertyRows(const DesignObject &object) const override;
    QString applyPropertyValue(DesignObject &object, const QString &row,
                               const QString &text) const override;
    ItemsEditor itemsEditor(const DesignObject &object) const override;

    // Form-file records, PTRecords.cpp.
    void saveControlRecord(IniDocument &doc, const DesignObject &object) const override;
    std::unique_ptr<DesignObject> loadControlRecord(const FormFileRecord &record,
                                                    const DesignForm &form,
                                                    DesignContainer *container) const override;
    void saveFormColors(IniDocument &doc, const DesignForm &form) const override;
    void loadFormColors(const FormFileRecord &record, DesignForm &form) const override;

protected:
    std::span<const KindInfo> kinds() const override;
    std::unique_ptr<DesignObject> makeControl(ControlKind kind, const QString &name, int x,
                                              int y) const override;
    bool setsPalmForm() const override { return true; }
};

} // namespace zf

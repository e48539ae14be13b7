#pragma once

#include "core/model/LibrarySupport.h"

namespace zf {

// The PToolBox library: a native Palm library whose header is "Fctl.h".
class PTLibrary final : public LibrarySupport
{
public:
    int library() const override;
    QString statusText() const override { return QStringLiteral("PToolboxLib"); }
    std::span<const KindSpec> kinds() const override;
    bool setsPalmForm() const override { return true; }

protected:
    const PropertyDefs &formRows() const override;
    const RecordFields &formFields() const override;
};

} // namespace zf

#include "core/controls/SharedKinds.h"
#include "core/controls/CCRadio.h"
#include "core/controls/SharedPaint.h"
#include "core/model/PTDialog.h"

namespace zf {

KindSpec radioKind()
{
    return {
        .kind = ControlKind::Radio, .classId = ClassId::TCCRadio,
        .shortPrefix = "Rd", .longPrefix = "Radio", .recordName = QStringLiteral("Radio"),
        .make = makeObject<TCCRadio>,
        .itemsEditor = ItemsEditor::Items,
        .paint = paintAs<TCCRadio>,
    };
}

KindSpec dialogKind()
{
    // Dialogs are made by the form itself, which shows the new one.
    return {
        .kind = ControlKind::Dialog, .classId = ClassId::TPTDialog,
        .shortPrefix = "Dl", .longPrefix = "Dialog", .recordName = QStringLiteral("Dialog"),
        .make = makeObject<TPTDialog>,
        .paint = paintAs<TPTDialog>,
    };
}

} // namespace zf

// The PToolBox kinds that hold or show no text: dialogs, the graffiti shift
// indicator and bitmaps.
#include "core/controls/CCBitmap.h"
#include "core/controls/SharedKinds.h"
#include "core/controls/SharedPaint.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTGsi.h"
#include "core/ptoolbox/PTKinds.h"
#include "core/ptoolbox/PTPaint.h"

namespace zf::pt {

KindSpec dialog()
{
    KindSpec spec = dialogKind();
    // Dialogs always lie on the screen: no "Parent".
    spec.fields = fields::record(
        fields::text(u"Title", &TPTDialog::title, &TPTDialog::setTitle,
                     QStringLiteral("Dialog")),
        fields::box(80, 152, 5, 60), fields::tag(u"Test", 0),
        fields::color(u"DialogColorFill", &TPTDialog::colorDialogFill,
                      &TPTDialog::setColorDialogFill, kPalmWhite),
        fields::color(u"DialogColorFrame", &TPTDialog::colorDialogFrame,
                      &TPTDialog::setColorDialogFrame, kPalmBlack),
        fields::color(u"ObjFrameColor", &TPTDialog::colorFrame, &TPTDialog::setColorFrame,
                      kPalmBlack),
        fields::color(u"ObjFillColor", &TPTDialog::colorFill, &TPTDialog::setColorFill,
                      kPalmWhite),
        fields::color(u"ObjForeTextColor", &TPTDialog::colorText, &TPTDialog::setColorText,
                      kPalmBlack),
        fields::color(u"ObjSelectedFillColor", &TPTDialog::colorSelectedFill,
                      &TPTDialog::setColorSelectedFill, kPalmBlack),
        fields::color(u"ObjSelectedForeColor", &TPTDialog::colorSelectedFore,
                      &TPTDialog::setColorSelectedFore, kPalmWhite));
    spec.rows = {rows::height(), rows::left(), rows::name(), rows::dialogTest(true),
                 rows::text(QStringLiteral("Title"), &TPTDialog::title, &TPTDialog::setTitle),
                 rows::top(), rows::width(),
                 colorRow("DialogFrameColor", &TPTDialog::colorDialogFrame,
                          &TPTDialog::setColorDialogFrame),
                 colorRow("DialogFillColor", &TPTDialog::colorDialogFill,
                          &TPTDialog::setColorDialogFill),
                 colorRow("ObjFrameColor", &TPTDialog::colorFrame, &TPTDialog::setColorFrame),
                 colorRow("ObjFillColor", &TPTDialog::colorFill, &TPTDialog::setColorFill),
                 colorRow("ObjForeTextColor", &TPTDialog::colorText, &TPTDialog::setColorText),
                 colorRow("ObjSelectedFillColor", &TPTDialog::colorSelectedFill,
                          &TPTDialog::setColorSelectedFill),
                 colorRow("ObjSelectedForeColor", &TPTDialog::colorSelectedFore,
                          &TPTDialog::setColorSelectedFore)};
    spec.textRow = QStringLiteral("Title");
    spec.layout = kAllDesign;
    return spec;
}

KindSpec gsi()
{
    return {
        .kind = ControlKind::Gsi, .classId = ClassId::TPTGsi,
        .shortPrefix = "GSI", .longPrefix = "GSI", .recordName = QStringLiteral("GSI"),
        .make = makeObject<TPTGsi>,
        .place = placing<TPTGsi>([](TPTGsi &o, const QString &, int x, int y) {
            o.setLeft(x);
            o.setTop(y);
        }),
        .fields = {fields::left(150), fields::top(150), fields::parent()},
        .rows = {rows::left(), rows::name(), rows::top()},
        .layout = kSizedByContent,
        .paint = paintAs<TPTGsi>,
    };
}

KindSpec bitmap()
{
    return {
        .kind = ControlKind::Bitmap, .classId = ClassId::TCCBitmap,
        .shortPrefix = "Bm", .longPrefix = "Bitmap", .recordName = QStringLiteral("Bitmap"),
        .make = makeObject<TCCBitmap>,
        .place = placing<TCCBitmap>([](TCCBitmap &o, const QString &, int x, int y) {
            o.setLeft(x);
            o.setTop(y);
        }),
        .fields = fields::record(
            fields::text(u"StringBits", &TCCBitmap::stringBits, &TCCBitmap::setStringBits),
            fields::box(20, 20, 10, 18), fields::parent(),
            fields::color(u"ColorFore", &TCCBitmap::colorFore, &TCCBitmap::setColorFore,
                          kPalmBlack)),
        .rows = {rows::bitmap(), rows::height(), rows::left(), rows::name(), rows::top(),
                 rows::width(),
                 colorRow("ForeColor", &TCCBitmap::colorFore, &TCCBitmap::setColorFore)},
        .layout = kAllDesign,
        .paint = paintAs<TCCBitmap>,
    };
}

} // namespace zf::pt

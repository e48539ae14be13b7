// The PToolBox kinds the user presses or ticks: buttons, select boxes, push
// buttons, check boxes and radio groups.
#include "core/base/Saturating.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/controls/SharedKinds.h"
#include "core/controls/SharedPaint.h"
#include "core/controls/TextFit.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTKinds.h"
#include "core/ptoolbox/PTPaint.h"

namespace zf::pt {

namespace {

// A select box moves by this much when it changes sides, so that its text
// keeps its place on the handheld.
constexpr int kAlignShift = 5;

// "Align" of a select box: left or right; a centred one shows no word.
PropertyDef selectAlignRow()
{
    return {QStringLiteral("Align"),
            [](const DesignObject &o) {
                switch (static_cast<const TCCButton &>(o).alignment()) {
                case TextAlignment::Left:
                    return QStringLiteral("Left");
                case TextAlignment::Right:
                    return QStringLiteral("Right");
                case TextAlignment::Center:
                    break;
                }
                return QString();
            },
            [](DesignObject &o, const QString &value) {
                auto &select = static_cast<TCCButton &>(o);
                if (value == QLatin1String("Left") && select.alignment() == TextAlignment::Right) {
                    select.setLeft(saturate(qint64(select.left()) - kAlignShift));
                    select.setAlignment(TextAlignment::Left);
                } else if (value == QLatin1String("Right") &&
                           select.alignment() == TextAlignment::Left) {
                    select.setLeft(saturate(qint64(select.left()) + kAlignShift));
                    select.setAlignment(TextAlignment::Right);
                }
                return QString();
            }};
}

// The file keeps the alignment's own number; any other reads as left.
RecordField selectAlignField()
{
    return {QStringLiteral("Align"),
            [](FormFileRecordWriter &w, const DesignObject &o) {
                w.number(u"Align", int(fields::as<TCCButton>(o).alignment()));
            },
            [](const FormFileRecord &r, DesignObject &o, const DesignForm &) {
                const int align = r.number(u"Align", 0);
                fields::as<TCCButton>(o).setAlignment(
                    align == int(TextAlignment::Right)    ? TextAlignment::Right
                    : align == int(TextAlignment::Center) ? TextAlignment::Center
                                                          : TextAlignment::Left);
            }};
}

// The format list follows the picker: dates, times, or none.
PropertyDef dateTimeFormatRow()
{
    return {QStringLiteral("DateTimeFormat"),
            [](const DesignObject &o) {
                const auto &select = static_cast<const TCCButton &>(o);
                return FormatIndexToText(select.dotPicker(), select.dotFormat());
            },
            [](DesignObject &o, const QString &value) {
                auto &select = static_cast<TCCButton &>(o);
                select.setDotFormat(FormatTextToIndex(select.dotPicker(), value));
                return QString();
            }};
}

PropertyDef dateTimeColorsRow()
{
    return {QStringLiteral("DateTimeColors"),
            [](const DesignObject &o) {
                return static_cast<const TCCButton &>(o).dotPicker() != 0
                           ? QStringLiteral("(Colors)")
                           : words::kNone;
            },
            {}};
}

// A radio group loaded with its orientation keeps the size the file gives:
// turning it is the user's edit that reshapes the cells.
RecordField orientationField()
{
    RecordField field =
        fields::number(u"Orientation", &TCCRadio::orientation, &TCCRadio::setOrientation, 0);
    field.read = [](const FormFileRecord &r, DesignObject &o, const DesignForm &) {
        fields::as<TCCRadio>(o).restoreOrientation(r.number(u"Orientation", 0));
    };
    return field;
}

} // namespace

KindSpec button()
{
    return {
        .kind = ControlKind::Button, .classId = ClassId::TPTButton,
        .shortPrefix = "Bt", .longPrefix = "Button", .recordName = QStringLiteral("Button"),
        .make = makeObject<TPTButton>,
        .place = placing<TPTButton>([](TPTButton &o, const QString &name, int x, int y) {
            o.setUserLeft(x);
            o.setUserTop(y);
            o.setText(name);
            o.setUserHeight(13);
            o.setUserWidth(42);
            o.setShowForm(words::kNone);
        }),
        .fields = fields::record(
            fields::text(u"Text", &TPTButton::text, &TPTButton::setText, QStringLiteral("Button")),
            fields::box(17, 46, 5, 18),
            fields::number(u"Frame", &TPTButton::frame, &TPTButton::setFrame, 0), fields::font(),
            fields::number(u"Type", &TPTButton::buttonType, &TPTButton::setButtonType, 0),
            fields::text(u"ShowForm", &TPTButton::showForm, &TPTButton::setShowForm, words::kNone),
            fields::parent(),
            fields::color(u"ColorFill", &TPTButton::colorFill, &TPTButton::setColorFill,
                          kPalmWhite),
            fields::color(u"ColorText", &TPTButton::colorText, &TPTButton::setColorText,
                          kPalmBlack)),
        .rows = {rows::font(),
                 rows::word(QStringLiteral("Frame"), words::frame(), &TPTButton::frame,
                            &TPTButton::setFrame),
                 rows::height(), rows::left(), rows::name(),
                 rows::text(QStringLiteral("ShowForm"), &TPTButton::showForm,
                            &TPTButton::setShowForm),
                 textRow<TPTButton>(), rows::top(),
                 rows::flag(QStringLiteral("Type"), &TPTButton::buttonType,
                            &TPTButton::setButtonType, QStringLiteral("Repeat"),
                            QStringLiteral("Standard"), rows::FlagRule::ClearWordClears),
                 rows::width(), colorRow("FillColor", &TPTButton::colorFill, &TPTButton::setColorFill),
                 colorRow("TextColor", &TPTButton::colorText, &TPTButton::setColorText)},
        .layout = kAllPalm,
        .paint = paintAs<TPTButton>,
        .fitToText = fitTextOf<TPTButton, &TPTButton::text, kButtonMargins>,
        .textRow = QStringLiteral("Text"),
    };
}

KindSpec select()
{
    return {
        .kind = ControlKind::Select, .classId = ClassId::TCCButton,
        .shortPrefix = "Sl", .longPrefix = "Select", .recordName = QStringLiteral("Select"),
        // Whatever the file holds: the tag is what makes the button a select
        // box. Within PToolBox the class is a select box by any tag, so a
        // CControls button pasted in becomes one. Its square dotted frame is
        // the kind's own and no record keeps it, so a loaded select box must
        // get it here, not only a placed one.
        .make =
            [] {
                auto select = std::make_unique<TCCButton>();
                select->setTag(TCCButton::kSelectTag);
                select->setRadius(0);
                select->setLine(2);
                return std::unique_ptr<DesignObject>(std::move(select));
            },
        .place = placing<TCCButton>([](TCCButton &o, const QString &name, int x, int y) {
            o.setUserLeft(x);
            o.setUserTop(y);
            o.setContent(name);
            o.setUserHeight(13);
            o.setUserWidth(34);
            o.setAlignment(TextAlignment::Left);
            o.setShowForm(words::kNone);
            o.setDotTitle(QStringLiteral("Select..."));
        }),
        .fields = fields::record(
            fields::text(u"Text", &TCCButton::content, &TCCButton::setContent,
                         QStringLiteral("Select")),
            fields::box(14, 34, 10, 18), fields::font(), selectAlignField(), fields::parent(),
            fields::color(u"ColorFill", &TCCButton::colorFill, &TCCButton::setColorFill,
                          kPalmWhite),
            fields::color(u"ColorText", &TCCButton::colorText, &TCCButton::setColorText,
                          kPalmBlack),
            fields::number(u"DOTPicker", &TCCButton::dotPicker, &TCCButton::setDotPicker, 0),
            fields::number(u"DOTFormat", &TCCButton::dotFormat, &TCCButton::setDotFormat, 0),
            fields::text(u"DOTTitle", &TCCButton::dotTitle, &TCCButton::setDotTitle),
            fields::text(u"DOTColors", &TCCButton::dotColors, &TCCButton::setDotColors,
                         TCCButton::kDefaultDotColors)),
        .rows = {selectAlignRow(), rows::font(), rows::height(), rows::left(), rows::name(),
                 contentAsTextRow<TCCButton>(), rows::top(),
                 rows::word(QStringLiteral("DateTimePicker"), words::picker(),
                            &TCCButton::dotPicker, &TCCButton::setDotPicker),
                 dateTimeFormatRow(),
                 rows::text(QStringLiteral("DateTimeTitle"), &TCCButton::dotTitle,
                            &TCCButton::setDotTitle),
                 dateTimeColorsRow(),
                 colorRow("FillColor", &TCCButton::colorFill, &TCCButton::setColorFill),
                 colorRow("TextColor", &TCCButton::colorText, &TCCButton::setColorText)},
        .layout = kAllPalm,
        .paint = paintAs<TCCButton>,
        .fitToText = fitTextOf<TCCButton, &TCCButton::content, kSelectMargins>,
        .textRow = QStringLiteral("Text"),
    };
}

KindSpec push()
{
    return {
        .kind = ControlKind::Push, .classId = ClassId::TCCSwitch,
        .shortPrefix = "Pb", .longPrefix = "Push", .recordName = QStringLiteral("Push"),
        .make = makeObject<TCCSwitch>,
        .place = placing<TCCSwitch>([](TCCSwitch &o, const QString &name, int x, int y) {
            o.setLeft(x);
            o.setTop(y);
            o.setContent(name);
            o.setUserHeight(13);
            o.setTag(0); // group number
        }),
        .fields = fields::record(
            fields::text(u"Text", &TCCSwitch::content, &TCCSwitch::setContent,
                         QStringLiteral("Push")),
            fields::box(14, 34, 10, 10), fields::font(),
            fields::number(u"State", &TCCSwitch::state, &TCCSwitch::setState, 0),
            fields::tag(u"GroupNumber", 0), fields::parent()),
        .rows = {rows::font(), tagGroupNumberRow(), rows::height(), rows::left(), rows::name(),
                 rows::state(&TCCSwitch::state, &TCCSwitch::setState),
                 contentAsTextRow<TCCSwitch>(), rows::top(), rows::width()},
        .layout = kAllPalm,
        .paint = paintAs<TCCSwitch>,
        .fitToText = fitTextOf<TCCSwitch, &TCCSwitch::content, kButtonMargins>,
        .textRow = QStringLiteral("Text"),
    };
}

KindSpec checkBox()
{
    return {
        .kind = ControlKind::CheckBox, .classId = ClassId::TPTCheckbox,
        .shortPrefix = "Cb", .longPrefix = "CheckBox", .recordName = QStringLiteral("CheckBox"),
        .make = makeObject<TPTCheckbox>,
        .place = placing<TPTCheckbox>([](TPTCheckbox &o, const QString &name, int x, int y) {
            o.setLeft(x);
            o.setTop(y);
            o.setContent(name);
            o.setHeight(15);
            o.setGroupNumber(0);
        }),
        // The text colour is written for the generator and never read back.
        .fields = fields::record(
            fields::text(u"Text", &TPTCheckbox::content, &TPTCheckbox::setContent,
                         QStringLiteral("CheckBox")),
            fields::box(15, 34, 10, 10), fields::font(),
            fields::number(u"State", &TPTCheckbox::state, &TPTCheckbox::setState, 0),
            fields::number(u"GroupNumber", &TPTCheckbox::groupNumber,
                           &TPTCheckbox::setGroupNumber, 0),
            fields::writtenOnly(fields::color(u"ColorText", &TPTCheckbox::colorText,
                                              &TPTCheckbox::setColorText, kPalmBlack)),
            fields::parent()),
        .rows = {rows::font(),
                 rows::number(QStringLiteral("GroupNumber"), &TPTCheckbox::groupNumber,
                              &TPTCheckbox::setGroupNumber),
                 rows::height(), rows::left(), rows::name(),
                 rows::state(&TPTCheckbox::state, &TPTCheckbox::setState),
                 contentAsTextRow<TPTCheckbox>(), rows::top(), rows::width()},
        .layout = LayoutValues{LayoutSource::Palm, LayoutSource::Palm, LayoutSource::Design,
                               LayoutSource::Design, true, true},
        .paint = paintAs<TPTCheckbox>,
        .fitToText = fitTextOf<TPTCheckbox, &TPTCheckbox::content, kPtCheckBoxMargins>,
        .textRow = QStringLiteral("Text"),
    };
}

KindSpec radio()
{
    KindSpec spec = radioKind();
    spec.place = placing<TCCRadio>([](TCCRadio &o, const QString &, int x, int y) {
        o.setLeft(x);
        o.setTop(y);
        o.setUserHeight(13);
        o.setTag(1); // group number
        o.setItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    });
    spec.fields = fields::record(
        fields::items(), fields::width(34), fields::left(10), fields::top(10),
        fields::height(15), fields::tag(u"GroupNumber", 1),
        fields::number(u"SelectedItem", &TCCRadio::selectedItem, &TCCRadio::setSelectedItem,
                       0),
        orientationField(), fields::font(), fields::parent());
    spec.rows = {rows::font(), tagGroupNumberRow(), rows::height(), rows::items(), rows::left(),
                 rows::name(),
                 rows::flag(QStringLiteral("Orientation"), &TCCRadio::orientation,
                            &TCCRadio::setOrientation, QStringLiteral("Vertical"),
                            QStringLiteral("Horizontal"), rows::FlagRule::ClearWordClears),
                 rows::selectedItem(), rows::top(), rows::width()};
    spec.layout = kAllPalm;
    return spec;
}

} // namespace zf::pt

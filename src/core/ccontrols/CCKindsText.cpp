// The CControls kinds that show a text: buttons, labels, check boxes,
// switches and the two edits.
#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCKinds.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCPaint.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCSwitch.h"
#include "core/controls/SharedPaint.h"
#include "core/controls/TextFit.h"

#include <algorithm>
#include <iterator>

namespace zf::cc {

namespace {

// The files number text placement 0 left, 1 centre, 2 right, and the sheet
// shows the words in that order; any other number reads as left.
constexpr TextAlignment kAlignments[] = {TextAlignment::Left, TextAlignment::Center,
                                         TextAlignment::Right};

int alignmentIndex(TextAlignment alignment)
{
    return int(std::find(std::begin(kAlignments), std::end(kAlignments), alignment) -
               std::begin(kAlignments));
}

RecordField alignmentField()
{
    return {QStringLiteral("Alignment"),
            [](FormFileRecordWriter &w, const DesignObject &o) {
                w.number(u"Alignment", alignmentIndex(fields::as<TCCTextLine>(o).alignment()));
            },
            [](const FormFileRecord &r, DesignObject &o, const DesignForm &) {
                const int number = r.number(u"Alignment", 0);
                fields::as<TCCTextLine>(o).setAlignment(
                    number == 1 || number == 2 ? kAlignments[number] : TextAlignment::Left);
            }};
}

PropertyDef alignmentRow()
{
    return {QStringLiteral("Alignment"),
            [](const DesignObject &o) {
                return words::at(words::alignment(),
                                 alignmentIndex(static_cast<const TCCTextLine &>(o).alignment()));
            },
            [](DesignObject &o, const QString &value) {
                if (const auto index = words::valueOf(words::alignment(), value))
                    static_cast<TCCTextLine &>(o).setAlignment(kAlignments[*index]);
                return QString();
            }};
}

template <typename T>
RecordField lineField()
{
    return fields::number(u"Line", &T::line, &T::setLine, 1);
}

template <typename T>
PropertyDef lineRow()
{
    return rows::word(QStringLiteral("Line"), words::line(), &T::line, &T::setLine);
}

template <typename T>
PropertyDef edgeRow()
{
    return rows::number(QStringLiteral("Edge"), &T::radius, &T::setRadius);
}

RecordField styleField()
{
    return fields::number(u"Style", &TCCTextLine::style, &TCCTextLine::setStyle, 1);
}

PropertyDef styleRow()
{
    return rows::word(QStringLiteral("Style"), words::textStyle(), &TCCTextLine::style,
                      &TCCTextLine::setStyle);
}

bool isEditLine(const DesignObject &object)
{
    return object.tag() != 0;
}

bool isEdit(const DesignObject &object)
{
    return object.tag() == 0;
}

} // namespace

KindSpec button()
{
    return {
        .kind = ControlKind::Button, .classId = ClassId::TCCButton,
        .shortPrefix = "Bt", .longPrefix = "Button", .recordName = QStringLiteral("Button"),
        .make = makeObject<TCCButton>,
        .place = placing<TCCButton>([](TCCButton &o, const QString &name, int x, int y) {
            o.setContent(name);
            o.setUserTop(y);
            o.setUserLeft(x);
            o.setShowForm(words::kNone);
        }),
        .fields = {contentField<TCCButton>(QStringLiteral("Button")), fields::height(14),
                   fields::width(34), fields::left(10), fields::top(10),
                   fields::number(u"Edge", &TCCButton::radius, &TCCButton::setRadius, 4),
                   lineField<TCCButton>(), fields::font(),
                   fields::text(u"ShowForm", &TCCButton::showForm, &TCCButton::setShowForm,
                                words::kNone),
                   fields::parent()},
        .rows = {contentRow<TCCButton>(), edgeRow<TCCButton>(), rows::font(), rows::height(),
                 rows::left(), lineRow<TCCButton>(), rows::name(),
                 rows::text(QStringLiteral("ShowForm"), &TCCButton::showForm,
                            &TCCButton::setShowForm),
                 rows::top(), rows::width()},
        .layout = kAllPalm,
        .paint = paintAs<TCCButton>,
        .fitToText = fitTextOf<TCCButton, &TCCButton::content, kButtonMargins>,
        .textRow = QStringLiteral("Content"),
    };
}

KindSpec label()
{
    return {
        .kind = ControlKind::Label, .classId = ClassId::TCCLabel,
        .shortPrefix = "Lb", .longPrefix = "Label", .recordName = QStringLiteral("Label"),
        .make = makeObject<TCCLabel>,
        .place = placing<TCCLabel>([](TCCLabel &o, const QString &name, int x, int y) {
            o.setContent(name);
            o.setTop(y);
            o.setLeft(x);
            o.setLine(0);
            o.setStyle(0);
        }),
        .fields = {contentField<TCCTextLine>(QStringLiteral("Label")), fields::width(34),
                   fields::left(10), fields::top(10), fields::font(), lineField<TCCTextLine>(),
                   alignmentField(), styleField(), fields::parent()},
        .rows = {alignmentRow(), contentRow<TCCTextLine>(), rows::font(), rows::left(),
                 lineRow<TCCTextLine>(), rows::name(), styleRow(), rows::top(), rows::width()},
        .layout = kPalmFixedHeight,
        .paint = paintAs<TCCTextLine>,
        .fitToText = fitTextOf<TCCLabel, &TCCLabel::content, kLabelMargins>,
        .textRow = QStringLiteral("Content"),
    };
}

KindSpec checkBox()
{
    return {
        .kind = ControlKind::CheckBox, .classId = ClassId::TCCCheckbox,
        .shortPrefix = "Cb", .longPrefix = "CheckBox", .recordName = QStringLiteral("CheckBox"),
        .make = makeObject<TCCCheckbox>,
        .place = placing<TCCCheckbox>([](TCCCheckbox &o, const QString &name, int x, int y) {
            o.setContent(name);
            o.setTop(y);
            o.setLeft(x);
        }),
        .fields = {contentField<TCCCheckbox>(QStringLiteral("CheckBox")), fields::width(34),
                   fields::left(10), fields::top(10), fields::font(),
                   fields::number(u"State", &TCCCheckbox::state, &TCCCheckbox::setState, 0),
                   fields::parent()},
        .rows = {contentRow<TCCCheckbox>(), rows::font(), rows::left(), rows::name(),
                 rows::state(&TCCCheckbox::state, &TCCCheckbox::setState), rows::top(),
                 rows::width()},
        // Its box lies at the Palm corner, but its right edge is that of the
        // design rectangle.
        .layout = LayoutValues{LayoutSource::Palm, LayoutSource::Design, LayoutSource::Design,
                               LayoutSource::Design, true, false},
        .paint = paintAs<TCCCheckbox>,
        .fitToText = fitTextOf<TCCCheckbox, &TCCCheckbox::content, kCheckBoxMargins>,
        .textRow = QStringLiteral("Content"),
    };
}

KindSpec switchKind()
{
    return {
        .kind = ControlKind::Switch, .classId = ClassId::TCCSwitch,
        .shortPrefix = "Sw", .longPrefix = "Switch", .recordName = QStringLiteral("Switch"),
        .make = makeObject<TCCSwitch>,
        .place = placing<TCCSwitch>([](TCCSwitch &o, const QString &name, int x, int y) {
            o.setContent(name);
            o.setWidth(38);
            o.setRadius(0);
            o.setTop(y);
            o.setLeft(x);
        }),
        .fields = {contentField<TCCSwitch>(QStringLiteral("Switch")), fields::height(14),
                   fields::width(34), fields::left(10), fields::top(10), fields::font(),
                   fields::number(u"Edge", &TCCSwitch::radius, &TCCSwitch::setRadius, 0),
                   lineField<TCCSwitch>(),
                   fields::number(u"State", &TCCSwitch::state, &TCCSwitch::setState, 0),
                   fields::parent()},
        .rows = {contentRow<TCCSwitch>(), edgeRow<TCCSwitch>(), rows::font(), rows::height(),
                 rows::left(), lineRow<TCCSwitch>(), rows::name(),
                 rows::state(&TCCSwitch::state, &TCCSwitch::setState), rows::top(),
                 rows::width()},
        .layout = kAllPalm,
        .paint = paintAs<TCCSwitch>,
        .fitToText = fitTextOf<TCCSwitch, &TCCSwitch::content, kButtonMargins>,
        .textRow = QStringLiteral("Content"),
    };
}

KindSpec edit()
{
    return {
        .kind = ControlKind::Edit, .classId = ClassId::TCCEdit,
        .shortPrefix = "Ed", .longPrefix = "Edit", .recordName = QStringLiteral("Edit"),
        .make = makeObject<TCCEdit>,
        .place = placing<TCCEdit>([](TCCEdit &o, const QString &name, int x, int y) {
            o.setContent(name);
            o.setTop(y);
            o.setLeft(x);
            o.setTopic(QStringLiteral("Topic"));
        }),
        .owns = isEdit,
        .fields = {contentField<TCCTextLine>(QStringLiteral("Edit")), fields::width(34),
                   fields::left(10), fields::top(10), fields::font(), styleField(),
                   lineField<TCCTextLine>(), alignmentField(),
                   fields::text(u"Topic", &TCCEdit::topic, &TCCEdit::setTopic,
                                QStringLiteral("Topic")),
                   fields::parent()},
        .rows = {alignmentRow(), contentRow<TCCTextLine>(), rows::left(),
                 lineRow<TCCTextLine>(), rows::name(), styleRow(), rows::top(),
                 rows::text(QStringLiteral("Topic"), &TCCEdit::topic, &TCCEdit::setTopic),
                 rows::width()},
        .layout = kPalmFixedHeight,
        .paint = paintAs<TCCTextLine>,
        .textRow = QStringLiteral("Content"),
    };
}

KindSpec editLine()
{
    return {
        .kind = ControlKind::EditLine, .classId = ClassId::TCCEdit,
        .shortPrefix = "El", .longPrefix = "EditLine", .recordName = QStringLiteral("EditLine"),
        .make =
            [] {
                auto line = std::make_unique<TCCEdit>();
                line->setTag(1);
                return std::unique_ptr<DesignObject>(std::move(line));
            },
        .place = placing<TCCEdit>([](TCCEdit &o, const QString &name, int x, int y) {
            o.setContent(name);
            o.setTop(y);
            o.setLeft(x);
        }),
        .owns = isEditLine,
        // "Type" is the generator's; the kind itself makes the Tag.
        .fields = {contentField<TCCTextLine>(QStringLiteral("Edit")), fields::width(34),
                   fields::left(10), fields::top(10), fields::font(), styleField(),
                   lineField<TCCTextLine>(), fields::parent(),
                   fields::writtenOnly(fields::tag(u"Type", 1))},
        .rows = {contentRow<TCCTextLine>(), rows::left(), lineRow<TCCTextLine>(), rows::name(),
                 styleRow(), rows::top(), rows::width()},
        .layout = kPalmFixedHeight,
        .paint = paintAs<TCCTextLine>,
        .textRow = QStringLiteral("Content"),
    };
}

} // namespace zf::cc

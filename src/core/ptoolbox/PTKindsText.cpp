// The PToolBox kinds that show or take text: labels, fields, lists and pop
// triggers.
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTKinds.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPaint.h"
#include "core/ptoolbox/PTPopTrigger.h"

namespace zf::pt {

namespace {

RecordField fieldFlag(const char16_t *key, int (TPTEdit::*get)() const, void (TPTEdit::*set)(int))
{
    return fields::number(key, get, set, 0);
}

PropertyDef onOffRow(const char *row, int (TPTEdit::*get)() const, void (TPTEdit::*set)(int),
                     const char *setWord, const char *clearWord, rows::FlagRule rule)
{
    return rows::flag(QLatin1String(row), get, set, QLatin1String(setWord),
                      QLatin1String(clearWord), rule);
}

} // namespace

KindSpec label()
{
    return {
        .kind = ControlKind::Label, .classId = ClassId::TPTLabel,
        .shortPrefix = "Lb", .longPrefix = "Label", .recordName = QStringLiteral("Label"),
        .make = makeObject<TPTLabel>,
        .place = placing<TPTLabel>([](TPTLabel &o, const QString &name, int x, int y) {
            o.setLeft(x);
            o.setTop(y);
            o.setContent(name);
        }),
        // A label is as large as its text: the file keeps no size.
        .fields = {fields::text(u"Text", &TPTLabel::content, &TPTLabel::setContent,
                                QStringLiteral("Label")),
                   fields::left(10), fields::top(18), fields::font(),
                   fields::color(u"ColorText", &TPTLabel::colorText, &TPTLabel::setColorText,
                                 kPalmBlack),
                   fields::parent()},
        .rows = {rows::font(), rows::left(), rows::name(), contentAsTextRow<TPTLabel>(),
                 rows::top(), colorRow("TextColor", &TPTLabel::colorText, &TPTLabel::setColorText)},
        .layout = kSizedByContent,
        .paint = paintAs<TPTLabel>,
        .textRow = QStringLiteral("Text"),
    };
}

KindSpec list()
{
    return {
        .kind = ControlKind::List, .classId = ClassId::TPTList,
        .shortPrefix = "Lb", .longPrefix = "List", .recordName = QStringLiteral("List"),
        .make = makeObject<TPTList>,
        .place = placing<TPTList>([](TPTList &o, const QString &, int x, int y) {
            o.setLeft(x);
            o.setTop(y);
            o.setMaxItems(2);
            o.setItems({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
            o.setTrigger(TPTList::kNoTrigger);
        }),
        // No height: it follows from MaxItems. The trigger, read after the
        // style, decides the style again.
        .fields = {fields::items(), fields::width(34), fields::left(10), fields::top(10),
                   fields::number(u"MaxItems", &TPTList::maxItems, &TPTList::setMaxItems, 2),
                   fields::number(u"SelectedItem", &TPTList::selectedItem,
                                  &TPTList::setSelectedItem, 0),
                   fields::number(u"Style", &TPTList::style, &TPTList::setStyle, 0),
                   fields::text(u"Trigger", &TPTList::trigger, &TPTList::setTrigger,
                                TPTList::kNoTrigger),
                   fields::font(), fields::parent()},
        .rows = {rows::font(), rows::items(), rows::left(),
                 rows::number(QStringLiteral("MaxItems"), &TPTList::maxItems,
                              &TPTList::setMaxItems),
                 rows::name(), rows::selectedItem(),
                 rows::word(QStringLiteral("Style"), words::listStyle(), &TPTList::style,
                            &TPTList::setStyle),
                 rows::top(),
                 rows::text(QStringLiteral("Trigger"), &TPTList::trigger, &TPTList::setTrigger),
                 rows::width()},
        .itemsEditor = ItemsEditor::Items,
        .layout = LayoutValues{LayoutSource::Palm, LayoutSource::Palm, LayoutSource::Palm,
                               LayoutSource::Design, true, false},
        .paint = paintAs<TPTList>,
    };
}

KindSpec popTrigger()
{
    return {
        .kind = ControlKind::PopTrigger, .classId = ClassId::TPTPopTrigger,
        .shortPrefix = "Pt", .longPrefix = "Pop", .recordName = QStringLiteral("PopTrigger"),
        .make = makeObject<TPTPopTrigger>,
        .place = placing<TPTPopTrigger>([](TPTPopTrigger &o, const QString &, int x, int y) {
            o.setLeft(x);
            o.setTop(y);
            o.setHeight(15);
        }),
        .fields = fields::record(fields::text(u"Text", &TPTPopTrigger::text,
                                              &TPTPopTrigger::setText, QStringLiteral("PopTr")),
                                 fields::box(15, 34, 10, 18), fields::font(), fields::parent()),
        .rows = {rows::font(), rows::height(), rows::left(), rows::name(),
                 textRow<TPTPopTrigger>(), rows::top(), rows::width()},
        .layout = kAllDesign,
        .paint = paintAs<TPTPopTrigger>,
        .textRow = QStringLiteral("Text"),
    };
}

KindSpec field()
{
    using rows::FlagRule;
    return {
        .kind = ControlKind::Field, .classId = ClassId::TPTEdit,
        .shortPrefix = "Fl", .longPrefix = "Field", .recordName = QStringLiteral("Field"),
        .make = makeObject<TPTEdit>,
        .place = placing<TPTEdit>([](TPTEdit &o, const QString &, int x, int y) {
            o.setLeft(x);
            o.setTop(y);
            o.setText(QStringLiteral("Field"));
            o.setMaxChars(20);
        }),
        // Editable and Underline are stored inverted, as the rows show.
        .fields = fields::record(
            fields::text(u"Text", &TPTEdit::text, &TPTEdit::setText, QStringLiteral("Field")),
            fields::box(15, 34, 10, 18), fields::font(),
            fieldFlag(u"SingleLine", &TPTEdit::singleLine, &TPTEdit::setSingleLine),
            fieldFlag(u"Justification", &TPTEdit::justification, &TPTEdit::setJustification),
            fieldFlag(u"Underline", &TPTEdit::underline, &TPTEdit::setUnderline),
            fieldFlag(u"NumbersOnly", &TPTEdit::numbersOnly, &TPTEdit::setNumbersOnly),
            fieldFlag(u"Editable", &TPTEdit::editable, &TPTEdit::setEditable),
            fields::number(u"MaxChars", &TPTEdit::maxChars, &TPTEdit::setMaxChars, 20),
            fields::parent(),
            fields::color(u"ColorFill", &TPTEdit::colorFill, &TPTEdit::setColorFill, kPalmWhite),
            fields::color(u"ColorText", &TPTEdit::colorText, &TPTEdit::setColorText, kPalmBlack),
            fields::color(u"ColorCaret", &TPTEdit::colorCaret, &TPTEdit::setColorCaret, kPalmBlack),
            fields::color(u"ColorLines", &TPTEdit::colorLines, &TPTEdit::setColorLines, kPalmBlack),
            fields::color(u"ColorHighlightBack", &TPTEdit::colorHighlightBack,
                       &TPTEdit::setColorHighlightBack, kPalmBlack),
            fields::color(u"ColorHighlightFore", &TPTEdit::colorHighlightFore,
                       &TPTEdit::setColorHighlightFore, kPalmWhite)),
        .rows = {onOffRow("Editable", &TPTEdit::editable, &TPTEdit::setEditable, "False", "True",
                          FlagRule::ClearWordClears),
                 rows::font(), rows::height(),
                 onOffRow("Justification", &TPTEdit::justification, &TPTEdit::setJustification,
                          "Right", "Left", FlagRule::ClearWordClears),
                 rows::left(),
                 rows::number(QStringLiteral("MaxChars"), &TPTEdit::maxChars,
                              &TPTEdit::setMaxChars),
                 rows::name(),
                 onOffRow("NumbersOnly", &TPTEdit::numbersOnly, &TPTEdit::setNumbersOnly, "True",
                          "False", FlagRule::SetWordSets),
                 onOffRow("SingleLine", &TPTEdit::singleLine, &TPTEdit::setSingleLine, "True",
                          "False", FlagRule::SetWordSets),
                 textRow<TPTEdit>(), rows::top(),
                 onOffRow("Underline", &TPTEdit::underline, &TPTEdit::setUnderline, "False",
                          "True", FlagRule::ClearWordClears),
                 rows::width(),
                 colorRow("BackgroundColor", &TPTEdit::colorFill, &TPTEdit::setColorFill),
                 colorRow("TextColor", &TPTEdit::colorText, &TPTEdit::setColorText),
                 colorRow("LineColor", &TPTEdit::colorLines, &TPTEdit::setColorLines),
                 colorRow("CaretColor", &TPTEdit::colorCaret, &TPTEdit::setColorCaret),
                 colorRow("HighlightBackColor", &TPTEdit::colorHighlightBack,
                          &TPTEdit::setColorHighlightBack),
                 colorRow("HighlightForeColor", &TPTEdit::colorHighlightFore,
                          &TPTEdit::setColorHighlightFore)},
        .layout = kAllDesign,
        .paint = paintAs<TPTEdit>,
        .textRow = QStringLiteral("Text"),
    };
}

} // namespace zf::pt

#include "core/base/Saturating.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/CCForm.h"
#include "core/model/PTDialog.h"
#include "core/model/PropertyDef.h"
#include "core/model/PropertyWords.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPopTrigger.h"
#include "core/ptoolbox/ptoolbox.h"

namespace zf {

namespace {

// A select box moves by this much when it changes sides, so that its text
// keeps its place on the handheld.
constexpr int kAlignShift = 5;

// "Align" of a select box: left or right; a centred one shows no word.
PropertyDef selectAlign()
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

// The format list follows the picker: dates, times, or none.
PropertyDef dateTimeFormat()
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

PropertyDef dateTimeColors()
{
    return {QStringLiteral("DateTimeColors"),
            [](const DesignObject &o) {
                return static_cast<const TCCButton &>(o).dotPicker() != 0
                           ? QStringLiteral("(Colors)")
                           : words::kNone;
            },
            {}};
}

template <typename T> PropertyDef textRow()
{
    return rows::text(QStringLiteral("Text"), &T::text, &T::setText);
}

template <typename T> PropertyDef contentAsText()
{
    return rows::text(QStringLiteral("Text"), &T::content, &T::setContent);
}

// Push buttons and radio groups keep their group number in Tag.
PropertyDef tagGroupNumber()
{
    return rows::number(QStringLiteral("GroupNumber"), &DesignObject::tag, &DesignObject::setTag);
}

template <typename T>
PropertyDef color(const char *row, PalmColor (T::*get)() const, void (T::*set)(PalmColor))
{
    return rows::color(QLatin1String(row), get, set);
}

PropertyDef onOff(const char *row, int (TPTEdit::*get)() const, void (TPTEdit::*set)(int),
                  const char *setWord, const char *clearWord, rows::FlagRule rule)
{
    return rows::flag(QLatin1String(row), get, set, QLatin1String(setWord),
                      QLatin1String(clearWord), rule);
}

const PropertyDefs &formDefs()
{
    static const PropertyDefs defs = {
        rows::formName(),
        rows::text(QStringLiteral("Title"), &TCCForm::title, &TCCForm::setTitle),
        color("FormFrameColor", &TCCForm::colorFormFrame, &TCCForm::setColorFormFrame),
        color("FormFillColor", &TCCForm::colorFormFill, &TCCForm::setColorFormFill),
        color("ObjFrameColor", &TCCForm::colorFrame, &TCCForm::setColorFrame),
        color("ObjFillColor", &TCCForm::colorFill, &TCCForm::setColorFill),
        color("ObjForeTextColor", &TCCForm::colorText, &TCCForm::setColorText),
        color("ObjSelectedFillColor", &TCCForm::colorSelectedFill, &TCCForm::setColorSelectedFill),
        color("ObjSelectedForeColor", &TCCForm::colorSelectedFore, &TCCForm::setColorSelectedFore),
    };
    return defs;
}

// The rows of each kind, in the order the sheet shows them.
const PropertyDefs &defsFor(ControlKind kind)
{
    using rows::FlagRule;
    switch (kind) {
    case ControlKind::Button: {
        static const PropertyDefs defs = {
            rows::font(),
            rows::word(QStringLiteral("Frame"), words::frame(), &TPTButton::frame,
                       &TPTButton::setFrame),
            rows::height(),
            rows::left(),
            rows::name(),
            rows::text(QStringLiteral("ShowForm"), &TPTButton::showForm, &TPTButton::setShowForm),
            textRow<TPTButton>(),
            rows::top(),
            rows::flag(QStringLiteral("Type"), &TPTButton::buttonType, &TPTButton::setButtonType,
                       QStringLiteral("Repeat"), QStringLiteral("Standard"),
                       FlagRule::ClearWordClears),
            rows::width(),
            color("FillColor", &TPTButton::colorFill, &TPTButton::setColorFill),
            color("TextColor", &TPTButton::colorText, &TPTButton::setColorText),
        };
        return defs;
    }
    case ControlKind::Push: {
        static const PropertyDefs defs = {
            rows::font(),
            tagGroupNumber(),
            rows::height(),
            rows::left(),
            rows::name(),
            rows::state(&TCCSwitch::state, &TCCSwitch::setState),
            contentAsText<TCCSwitch>(),
            rows::top(),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::Select: {
        static const PropertyDefs defs = {
            selectAlign(),
            rows::font(),
            rows::height(),
            rows::left(),
            rows::name(),
            contentAsText<TCCButton>(),
            rows::top(),
            rows::word(QStringLiteral("DateTimePicker"), words::picker(), &TCCButton::dotPicker,
                       &TCCButton::setDotPicker),
            dateTimeFormat(),
            rows::text(QStringLiteral("DateTimeTitle"), &TCCButton::dotTitle,
                       &TCCButton::setDotTitle),
            dateTimeColors(),
            color("FillColor", &TCCButton::colorFill, &TCCButton::setColorFill),
            color("TextColor", &TCCButton::colorText, &TCCButton::setColorText),
        };
        return defs;
    }
    case ControlKind::CheckBox: {
        static const PropertyDefs defs = {
            rows::font(),
            rows::number(QStringLiteral("GroupNumber"), &TPTCheckbox::groupNumber,
                         &TPTCheckbox::setGroupNumber),
            rows::height(),
            rows::left(),
            rows::name(),
            rows::state(&TPTCheckbox::state, &TPTCheckbox::setState),
            contentAsText<TPTCheckbox>(),
            rows::top(),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::Label: {
        static const PropertyDefs defs = {
            rows::font(), rows::left(),
            rows::name(), contentAsText<TPTLabel>(),
            rows::top(),  color("TextColor", &TPTLabel::colorText, &TPTLabel::setColorText),
        };
        return defs;
    }
    case ControlKind::List: {
        static const PropertyDefs defs = {
            rows::font(),
            rows::items(),
            rows::left(),
            rows::number(QStringLiteral("MaxItems"), &TPTList::maxItems, &TPTList::setMaxItems),
            rows::name(),
            rows::selectedItem(),
            rows::word(QStringLiteral("Style"), words::listStyle(), &TPTList::style,
                       &TPTList::setStyle),
            rows::top(),
            rows::text(QStringLiteral("Trigger"), &TPTList::trigger, &TPTList::setTrigger),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::PopTrigger: {
        static const PropertyDefs defs = {
            rows::font(), rows::height(), rows::left(), rows::name(), textRow<TPTPopTrigger>(),
            rows::top(),  rows::width(),
        };
        return defs;
    }
    case ControlKind::Field: {
        static const PropertyDefs defs = {
            // Editable and Underline are stored inverted.
            onOff("Editable", &TPTEdit::editable, &TPTEdit::setEditable, "False", "True",
                  FlagRule::ClearWordClears),
            rows::font(),
            rows::height(),
            onOff("Justification", &TPTEdit::justification, &TPTEdit::setJustification, "Right",
                  "Left", FlagRule::ClearWordClears),
            rows::left(),
            rows::number(QStringLiteral("MaxChars"), &TPTEdit::maxChars, &TPTEdit::setMaxChars),
            rows::name(),
            onOff("NumbersOnly", &TPTEdit::numbersOnly, &TPTEdit::setNumbersOnly, "True", "False",
                  FlagRule::SetWordSets),
            onOff("SingleLine", &TPTEdit::singleLine, &TPTEdit::setSingleLine, "True", "False",
                  FlagRule::SetWordSets),
            textRow<TPTEdit>(),
            rows::top(),
            onOff("Underline", &TPTEdit::underline, &TPTEdit::setUnderline, "False", "True",
                  FlagRule::ClearWordClears),
            rows::width(),
            color("BackgroundColor", &TPTEdit::colorFill, &TPTEdit::setColorFill),
            color("TextColor", &TPTEdit::colorText, &TPTEdit::setColorText),
            color("LineColor", &TPTEdit::colorLines, &TPTEdit::setColorLines),
            color("CaretColor", &TPTEdit::colorCaret, &TPTEdit::setColorCaret),
            color("HighlightBackColor", &TPTEdit::colorHighlightBack,
                  &TPTEdit::setColorHighlightBack),
            color("HighlightForeColor", &TPTEdit::colorHighlightFore,
                  &TPTEdit::setColorHighlightFore),
        };
        return defs;
    }
    case ControlKind::Dialog: {
        static const PropertyDefs defs = {
            rows::height(),
            rows::left(),
            rows::name(),
            rows::dialogTest(true),
            rows::text(QStringLiteral("Title"), &TPTDialog::title, &TPTDialog::setTitle),
            rows::top(),
            rows::width(),
            color("DialogFrameColor", &TPTDialog::colorDialogFrame,
                  &TPTDialog::setColorDialogFrame),
            color("DialogFillColor", &TPTDialog::colorDialogFill, &TPTDialog::setColorDialogFill),
            color("ObjFrameColor", &TPTDialog::colorFrame, &TPTDialog::setColorFrame),
            color("ObjFillColor", &TPTDialog::colorFill, &TPTDialog::setColorFill),
            color("ObjForeTextColor", &TPTDialog::colorText, &TPTDialog::setColorText),
            color("ObjSelectedFillColor", &TPTDialog::colorSelectedFill,
                  &TPTDialog::setColorSelectedFill),
            color("ObjSelectedForeColor", &TPTDialog::colorSelectedFore,
                  &TPTDialog::setColorSelectedFore),
        };
        return defs;
    }
    case ControlKind::Gsi: {
        static const PropertyDefs defs = {rows::left(), rows::name(), rows::top()};
        return defs;
    }
    case ControlKind::Bitmap: {
        static const PropertyDefs defs = {
            rows::bitmap(),
            rows::height(),
            rows::left(),
            rows::name(),
            rows::top(),
            rows::width(),
            color("ForeColor", &TCCBitmap::colorFore, &TCCBitmap::setColorFore),
        };
        return defs;
    }
    case ControlKind::Radio: {
        static const PropertyDefs defs = {
            rows::font(),
            tagGroupNumber(),
            rows::height(),
            rows::items(),
            rows::left(),
            rows::name(),
            rows::flag(QStringLiteral("Orientation"), &TCCRadio::orientation,
                       &TCCRadio::setOrientation, QStringLiteral("Vertical"),
                       QStringLiteral("Horizontal"), FlagRule::ClearWordClears),
            rows::selectedItem(),
            rows::top(),
            rows::width(),
        };
        return defs;
    }
    default: {
        static const PropertyDefs none;
        return none;
    }
    }
}

// The screen stands for its form.
const PropertyDefs &defsOf(const PTLibrary &library, const DesignObject &object)
{
    if (objectCast<TCCForm>(&object))
        return formDefs();
    static const PropertyDefs none;
    const auto kind = library.kindOf(object);
    return kind ? defsFor(*kind) : none;
}

} // namespace

PropertyRows PTLibrary::propertyRows(const DesignObject &object) const
{
    return rowsOf(object, defsOf(*this, object));
}

QString PTLibrary::applyPropertyValue(DesignObject &object, const QString &row,
                                      const QString &text) const
{
    return applyRow(object, defsOf(*this, object), row, text);
}

ItemsEditor PTLibrary::itemsEditor(const DesignObject &object) const
{
    const auto kind = kindOf(object);
    return kind == ControlKind::List || kind == ControlKind::Radio ? ItemsEditor::Items
                                                                   : ItemsEditor::None;
}

} // namespace zf

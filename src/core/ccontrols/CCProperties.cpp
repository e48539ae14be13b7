#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/ccontrols/CCTable.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/CCForm.h"
#include "core/model/PTDialog.h"
#include "core/model/PropertyDef.h"
#include "core/model/PropertyWords.h"

#include <algorithm>
#include <iterator>

namespace zf {

namespace {

// An Image is at most this wide and high on the handheld.
constexpr int kImageLimit = 40;

QString imageLimitMessage(const QString &row)
{
    return QStringLiteral("The maximum %1 of a Image control is 40").arg(row.toLower());
}

// In the order of the alignment words.
const TextAlignment kAlignments[] = {TextAlignment::Left, TextAlignment::Center,
                                     TextAlignment::Right};

int alignmentIndex(TextAlignment alignment)
{
    return int(std::find(std::begin(kAlignments), std::end(kAlignments), alignment) -
               std::begin(kAlignments));
}

PropertyDef alignment()
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

PropertyDef imageSize(const QString &row)
{
    const bool width = row == QLatin1String("Width");
    return {
        row,
        [width](const DesignObject &o) { return QString::number(width ? o.width() : o.height()); },
        [width, row](DesignObject &o, const QString &value) {
            return applyInteger(value, [&](int n) {
                const bool limited = n > kImageLimit;
                const int size = limited ? kImageLimit : n;
                width ? o.setWidth(size) : o.setHeight(size);
                return limited ? imageLimitMessage(row) : QString();
            });
        }};
}

PropertyDef menuBarTest()
{
    return {QStringLiteral("Test"),
            [](const DesignObject &o) {
                return words::noYes().at(static_cast<const TCCMenuBar &>(o).test() != 0 ? 1 : 0);
            },
            [](DesignObject &o, const QString &value) {
                auto &bar = static_cast<TCCMenuBar &>(o);
                if (value == QLatin1String("No")) {
                    bar.setTest(0);
                    if (DesignForm *form = o.form())
                        CloseMenus(*form, bar);
                } else if (value == QLatin1String("Yes")) {
                    bar.setTest(1);
                }
                return QString();
            }};
}

PropertyDef menuTest()
{
    return {QStringLiteral("Test"),
            [](const DesignObject &o) {
                return words::noYes().at(static_cast<const TCCMenu &>(o).test() != 0 ? 1 : 0);
            },
            [](DesignObject &o, const QString &value) {
                auto &menu = static_cast<TCCMenu &>(o);
                if (const auto test = words::valueOf(words::noYes(), value))
                    menu.setTest(*test);
                if (DesignForm *form = o.form()) {
                    OpenMenu(*form, menu);
                    form->bringToFront(&menu);
                }
                return QString();
            }};
}

template <typename T> PropertyDef content()
{
    return rows::text(QStringLiteral("Content"), &T::content, &T::setContent);
}

template <typename T> PropertyDef line()
{
    return rows::word(QStringLiteral("Line"), words::line(), &T::line, &T::setLine);
}

template <typename T> PropertyDef edge()
{
    return rows::number(QStringLiteral("Edge"), &T::radius, &T::setRadius);
}

template <typename T> PropertyDef visibleItems()
{
    return rows::number(QStringLiteral("VisibleItems"), &T::visibleItems, &T::setVisibleItems);
}

PropertyDef textStyle()
{
    return rows::word(QStringLiteral("Style"), words::textStyle(), &TCCTextLine::style,
                      &TCCTextLine::setStyle);
}

const PropertyDefs &formDefs()
{
    static const PropertyDefs defs = {
        rows::formName(),
        rows::text(QStringLiteral("Title"), &TCCForm::title, &TCCForm::setTitle),
    };
    return defs;
}

// The rows of each kind, in the order the sheet shows them.
const PropertyDefs &defsFor(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button: {
        static const PropertyDefs defs = {
            content<TCCButton>(),
            edge<TCCButton>(),
            rows::font(),
            rows::height(),
            rows::left(),
            line<TCCButton>(),
            rows::name(),
            rows::text(QStringLiteral("ShowForm"), &TCCButton::showForm, &TCCButton::setShowForm),
            rows::top(),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::Label: {
        static const PropertyDefs defs = {
            alignment(),         content<TCCTextLine>(), rows::font(), rows::left(),
            line<TCCTextLine>(), rows::name(),           textStyle(),  rows::top(),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::CheckBox: {
        static const PropertyDefs defs = {
            content<TCCCheckbox>(),
            rows::font(),
            rows::left(),
            rows::name(),
            rows::state(&TCCCheckbox::state, &TCCCheckbox::setState),
            rows::top(),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::Switch: {
        static const PropertyDefs defs = {
            content<TCCSwitch>(), edge<TCCSwitch>(),
            rows::font(),         rows::height(),
            rows::left(),         line<TCCSwitch>(),
            rows::name(),         rows::state(&TCCSwitch::state, &TCCSwitch::setState),
            rows::top(),          rows::width(),
        };
        return defs;
    }
    case ControlKind::Edit: {
        static const PropertyDefs defs = {
            alignment(),   content<TCCTextLine>(),
            rows::left(),  line<TCCTextLine>(),
            rows::name(),  textStyle(),
            rows::top(),   rows::text(QStringLiteral("Topic"), &TCCEdit::topic, &TCCEdit::setTopic),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::EditLine: {
        static const PropertyDefs defs = {
            content<TCCTextLine>(), rows::left(), line<TCCTextLine>(),
            rows::name(),           textStyle(),  rows::top(),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::ListBox: {
        static const PropertyDefs defs = {
            rows::items(),        rows::left(), rows::name(),
            rows::selectedItem(), rows::top(),  visibleItems<TCCListBox>(),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::Radio: {
        static const PropertyDefs defs = {
            rows::height(),       rows::items(), rows::left(),  rows::name(),
            rows::selectedItem(), rows::top(),   rows::width(),
        };
        return defs;
    }
    case ControlKind::DropDown: {
        static const PropertyDefs defs = {
            rows::items(),
            rows::left(),
            rows::name(),
            rows::selectedItem(),
            rows::flag(QStringLiteral("TestItems"), &TCCDropDown::testItems,
                       &TCCDropDown::setTestItems, QStringLiteral("Yes"), QStringLiteral("No"),
                       rows::FlagRule::ClearWordClears),
            rows::top(),
            visibleItems<TCCDropDown>(),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::PopUp: {
        static const PropertyDefs defs = {
            rows::items(),
            rows::left(),
            rows::name(),
            rows::selectedItem(),
            rows::flag(QStringLiteral("Test"), &TCCPopUp::test, &TCCPopUp::setTest,
                       QStringLiteral("Yes"), QStringLiteral("No"),
                       rows::FlagRule::ClearWordClears),
            rows::top(),
            visibleItems<TCCPopUp>(),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::Table: {
        static const PropertyDefs defs = {
            rows::items(),
            rows::left(),
            rows::name(),
            rows::number(QStringLiteral("SelectedRow"), &TCCTable::selectedRow,
                         &TCCTable::setSelectedRow),
            rows::top(),
            rows::number(QStringLiteral("VisibleRows"), &TCCTable::visibleRows,
                         &TCCTable::setVisibleRows),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::Image: {
        static const PropertyDefs defs = {
            rows::bitmap(),
            // Tag is the Image's clickable flag.
            rows::flag(QStringLiteral("Clickable"), &DesignObject::tag, &DesignObject::setTag,
                       QStringLiteral("Yes"), QStringLiteral("No"), rows::FlagRule::OneIsSet),
            imageSize(QStringLiteral("Height")),
            rows::left(),
            rows::name(),
            rows::top(),
            imageSize(QStringLiteral("Width")),
        };
        return defs;
    }
    case ControlKind::Dialog: {
        static const PropertyDefs defs = {
            rows::text(QStringLiteral("Content"), &TPTDialog::title, &TPTDialog::setTitle),
            rows::height(),
            rows::left(),
            rows::name(),
            rows::dialogTest(false),
            rows::top(),
            rows::width(),
        };
        return defs;
    }
    case ControlKind::MenuBar: {
        static const PropertyDefs defs = {rows::name(), menuBarTest()};
        return defs;
    }
    case ControlKind::Menu: {
        static const PropertyDefs defs = {
            rows::items(),
            rows::left(),
            rows::name(),
            menuTest(),
            rows::text(QStringLiteral("Topic"), &TCCMenu::topic, &TCCMenu::setTopic),
            rows::number(QStringLiteral("TopicWidth"), &TCCMenu::topicWidth,
                         &TCCMenu::setTopicWidth),
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
const PropertyDefs &defsOf(const CCLibrary &library, const DesignObject &object)
{
    if (objectCast<TCCForm>(&object))
        return formDefs();
    static const PropertyDefs none;
    const auto kind = library.kindOf(object);
    return kind ? defsFor(*kind) : none;
}

} // namespace

PropertyRows CCLibrary::propertyRows(const DesignObject &object) const
{
    return rowsOf(object, defsOf(*this, object));
}

QStringList CCLibrary::showControlProperties(DesignObject &object, const QString &currentRow) const
{
    DesignForm *form = object.form();
    if (!form)
        return {};
    // A menu shows its properties open, unless the user is on its "Test" row:
    // then the sheet is being refilled after closing it there.
    auto *menu = objectCast<TCCMenu>(&object);
    if (menu && menu->test() == 0 && currentRow != QLatin1String("Test")) {
        form->perform(QStringLiteral("Open Menu"), [&] {
            menu->setTest(1);
            OpenMenu(*form, *menu);
        });
    }

    QStringList messages;
    auto *image = objectCast<TCCBitmap>(&object);
    if (image && (image->width() > kImageLimit || image->height() > kImageLimit)) {
        // In the order of the rows: "Height" comes before "Width".
        form->perform(QStringLiteral("Limit Image Size"), [&] {
            if (image->height() > kImageLimit) {
                messages << imageLimitMessage(QStringLiteral("Height"));
                image->setHeight(kImageLimit);
            }
            if (image->width() > kImageLimit) {
                messages << imageLimitMessage(QStringLiteral("Width"));
                image->setWidth(kImageLimit);
            }
        });
    }
    return messages;
}

QString CCLibrary::applyPropertyValue(DesignObject &object, const QString &row,
                                      const QString &text) const
{
    return applyRow(object, defsOf(*this, object), row, text);
}

ItemsEditor CCLibrary::itemsEditor(const DesignObject &object) const
{
    switch (object.classId()) {
    case ClassId::TCCTable:
        return ItemsEditor::Table;
    case ClassId::TCCListBox:
    case ClassId::TCCRadio:
    case ClassId::TCCDropDown:
    case ClassId::TCCPopUp:
    case ClassId::TCCMenu:
        return ItemsEditor::Items;
    default:
        return ItemsEditor::None;
    }
}

} // namespace zf

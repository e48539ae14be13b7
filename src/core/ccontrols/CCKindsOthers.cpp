// The CControls kinds that are neither texts nor lists: images, dialogs, and
// the menu bar with its menus.
#include "core/base/Saturating.h"
#include "core/canvas/TextMetrics.h"
#include "core/ccontrols/CCKinds.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCPaint.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/SharedKinds.h"
#include "core/controls/SharedPaint.h"
#include "core/model/CCForm.h"
#include "core/model/PTDialog.h"

#include <algorithm>

namespace zf::cc {

namespace {

PropertyDef imageSizeRow(const QString &row)
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

PropertyDef menuBarTestRow()
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

PropertyDef menuTestRow()
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

// The bar and the menus are written with what they show, but every form
// opens with its menus closed and the bar hidden.
template <typename T>
RecordField closedWhenLoaded()
{
    RecordField field = fields::number(u"Test", &T::test, &T::setTest, 0);
    field.read = [](const FormFileRecord &, DesignObject &o, const DesignForm &) {
        fields::as<T>(o).setTest(0);
    };
    return field;
}

// They lie on the window, not on the screen, and keep no place of their own
// in the file but the menu's Palm left.
RecordField atScreenTop()
{
    return {{}, {}, [](const FormFileRecord &, DesignObject &o, const DesignForm &form) {
                o.setTop(form.screen()->top());
            }};
}

// However it is sized (dragged, aligned, pasted, loaded), an Image keeps
// within what the handheld shows of one.
void limitImage(DesignObject &image)
{
    if (image.width() > kImageLimit)
        image.setWidth(kImageLimit);
    if (image.height() > kImageLimit)
        image.setHeight(kImageLimit);
}

} // namespace

QString imageLimitMessage(const QString &row)
{
    return QStringLiteral("The maximum %1 of a Image control is 40").arg(row.toLower());
}

KindSpec image()
{
    return {
        .kind = ControlKind::Image, .classId = ClassId::TCCBitmap,
        .shortPrefix = "Im", .longPrefix = "Image", .recordName = QStringLiteral("Image"),
        .make = makeObject<TCCBitmap>,
        .place = placing<TCCBitmap>([](TCCBitmap &o, const QString &, int x, int y) {
            o.setTop(y);
            o.setLeft(x);
            o.setTag(1);
        }),
        // Tag is the Image's clickable flag.
        .fields = {fields::text(u"StringBits", &TCCBitmap::stringBits, &TCCBitmap::setStringBits),
                   fields::height(14), fields::width(34), fields::left(10), fields::top(10),
                   fields::tag(u"Clickable", 1), fields::parent()},
        .rows = {rows::bitmap(),
                 rows::flag(QStringLiteral("Clickable"), &DesignObject::tag,
                            &DesignObject::setTag, QStringLiteral("Yes"), QStringLiteral("No"),
                            rows::FlagRule::OneIsSet),
                 imageSizeRow(QStringLiteral("Height")), rows::left(), rows::name(), rows::top(),
                 imageSizeRow(QStringLiteral("Width"))},
        .layout = kAllDesign,
        .paint = paintAs<TCCBitmap>,
        .settle = limitImage,
    };
}

KindSpec dialog()
{
    KindSpec spec = dialogKind();
    spec.fields = {fields::text(u"Content", &TPTDialog::title, &TPTDialog::setTitle,
                                QStringLiteral("Dialog")),
                   fields::height(80), fields::width(152), fields::left(5), fields::top(60),
                   fields::tag(u"Test", 0)};
    spec.rows = {rows::text(QStringLiteral("Content"), &TPTDialog::title, &TPTDialog::setTitle),
                 rows::height(), rows::left(), rows::name(), rows::dialogTest(false),
                 rows::top(), rows::width()};
    spec.textRow = QStringLiteral("Content");
    spec.layout = kAllDesign;
    return spec;
}

namespace {

// Fit to Text for a menu: the topic's cell keeps three pixels on each side
// of the topic (counting the letters' own spacing), and the drop-down list,
// whose items stand two pixels into it, as much after the widest item and
// its frame. A menu without items keeps its list's width.
void fitMenu(DesignObject &object)
{
    auto &menu = static_cast<TCCMenu &>(object);
    const int topic = saturate(qint64(textWidth(menu.font(), menu.topic())) + 6);
    int list = menu.userWidth();
    if (!menu.items().isEmpty()) {
        int widest = 0;
        for (const QString &item : menu.items())
            widest = std::max(widest, textWidth(menu.font(), item));
        list = saturate(qint64(widest) + 6);
    }
    menu.setTopicWidth(topic);
    menu.setUserWidth(list);
    // The setters widen the design rectangle only past the other width;
    // after both it is as wide as the wider part.
    menu.setWidth(saturate(std::max(qint64(topic) + 4, qint64(list) + 3)));
}

} // namespace

KindSpec menu()
{
    return {
        .kind = ControlKind::Menu, .classId = ClassId::TCCMenu,
        .shortPrefix = "Mn", .longPrefix = "Menu", .recordName = QStringLiteral("Menu"),
        .make = makeObject<TCCMenu>,
        // The menu keeps the handheld's values, not its design rectangle.
        .fields = {fields::items(),
                   fields::number(u"Width", &TCCMenu::userWidth, &TCCMenu::setUserWidth, 38),
                   {QStringLiteral("Left"),
                    [](FormFileRecordWriter &w, const DesignObject &o) {
                        w.number(u"Left", o.userLeft());
                    },
                    [](const FormFileRecord &r, DesignObject &o, const DesignForm &form) {
                        o.setUserLeft(r.number(u"Left", form.screen()->left() + 5));
                    }},
                   closedWhenLoaded<TCCMenu>(),
                   fields::text(u"Topic", &TCCMenu::topic, &TCCMenu::setTopic,
                                QStringLiteral("Topic")),
                   fields::number(u"TopicWidth", &TCCMenu::topicWidth, &TCCMenu::setTopicWidth,
                                  36),
                   atScreenTop()},
        .rows = {rows::items(), rows::left(), rows::name(), menuTestRow(),
                 rows::text(QStringLiteral("Topic"), &TCCMenu::topic, &TCCMenu::setTopic),
                 rows::number(QStringLiteral("TopicWidth"), &TCCMenu::topicWidth,
                              &TCCMenu::setTopicWidth),
                 rows::width()},
        .itemsEditor = ItemsEditor::Items,
        .paint = paintAs<TCCMenu>,
        .fitToText = fitMenu,
        .textRow = QStringLiteral("Topic"),
    };
}

KindSpec menuBar()
{
    return {
        .kind = ControlKind::MenuBar, .classId = ClassId::TCCMenuBar,
        .shortPrefix = "Mb", .longPrefix = "MenuBar", .recordName = QStringLiteral("MenuBar"),
        .make = makeObject<TCCMenuBar>,
        // A record without a name is named after its form, as a new bar is.
        .fields = {closedWhenLoaded<TCCMenuBar>(),
                   {{}, {}, [](const FormFileRecord &r, DesignObject &o, const DesignForm &form) {
                        o.setLeft(form.screen()->left());
                        if (!r.has(u"Name"))
                            o.setName(QStringLiteral("MenuBar") + form.name());
                    }},
                   atScreenTop()},
        .rows = {rows::name(), menuBarTestRow()},
        .paint = paintAs<TCCMenuBar>,
        .onToolbox = false,
    };
}

} // namespace zf::cc

// The CControls kinds that show lines to choose from: list boxes, radio
// groups, drop-downs, pop-ups and tables.
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCKinds.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCPaint.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/ccontrols/CCTable.h"
#include "core/controls/CCRadio.h"
#include "core/controls/SharedKinds.h"
#include "core/controls/SharedPaint.h"

namespace zf::cc {

namespace {

const QStringList kThreeItems = {QStringLiteral("One"), QStringLiteral("Two"),
                                 QStringLiteral("Three")};

template <typename T>
RecordField visibleItemsField()
{
    return fields::number(u"VisibleItems", &T::visibleItems, &T::setVisibleItems, 2);
}

RecordField selectedItemField()
{
    return fields::number(u"SelectedItem", &ItemListObject::selectedItem,
                          &ItemListObject::setSelectedItem, 0);
}

} // namespace

KindSpec listBox()
{
    return {
        .kind = ControlKind::ListBox, .classId = ClassId::TCCListBox,
        .shortPrefix = "Lb", .longPrefix = "ListBox", .recordName = QStringLiteral("ListBox"),
        .make = makeObject<TCCListBox>,
        .place = placing<TCCListBox>([](TCCListBox &o, const QString &, int x, int y) {
            o.setVisibleItems(2);
            o.setItems(kThreeItems);
            o.setTop(y);
            o.setLeft(x);
        }),
        .fields = {fields::items(), fields::width(34), fields::left(10), fields::top(10),
                   visibleItemsField<TCCListBox>(), selectedItemField(), fields::font(),
                   fields::parent()},
        .rows = {rows::items(), rows::left(), rows::name(), rows::selectedItem(), rows::top(),
                 visibleItemsRow<TCCListBox>(), rows::width()},
        .itemsEditor = ItemsEditor::Items,
        .layout = kPalmFixedHeight,
        .paint = paintAs<TCCListBox>,
    };
}

KindSpec radio()
{
    KindSpec spec = radioKind();
    spec.place = placing<TCCRadio>([](TCCRadio &o, const QString &, int x, int y) {
        o.setTop(y);
        o.setLeft(x);
        o.setItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        o.setSelectedItem(0);
    });
    spec.fields = {fields::items(), fields::width(34), fields::left(10), fields::top(10),
                   fields::height(14), selectedItemField(), fields::font(), fields::parent()};
    spec.rows = {rows::height(), rows::items(), rows::left(), rows::name(), rows::selectedItem(),
                 rows::top(), rows::width()};
    spec.layout = kAllPalm;
    return spec;
}

KindSpec dropDown()
{
    return {
        .kind = ControlKind::DropDown, .classId = ClassId::TCCDropDown,
        .shortPrefix = "Dd", .longPrefix = "DropDown", .recordName = QStringLiteral("Drop"),
        .make = makeObject<TCCDropDown>,
        .place = placing<TCCDropDown>([](TCCDropDown &o, const QString &, int x, int y) {
            o.setVisibleItems(2);
            o.setItems(kThreeItems);
            o.setSelectedItem(0);
            o.setTestItems(0);
            o.setLeft(x);
            o.setTop(y);
            o.setUserWidth(36);
        }),
        .fields = {fields::items(), fields::width(34), fields::left(10), fields::top(10),
                   visibleItemsField<TCCDropDown>(), selectedItemField(),
                   fields::number(u"TestItems", &TCCDropDown::testItems,
                                  &TCCDropDown::setTestItems, 0),
                   fields::parent()},
        .rows = {rows::items(), rows::left(), rows::name(), rows::selectedItem(),
                 rows::flag(QStringLiteral("TestItems"), &TCCDropDown::testItems,
                            &TCCDropDown::setTestItems, QStringLiteral("Yes"),
                            QStringLiteral("No"), rows::FlagRule::ClearWordClears),
                 rows::top(), visibleItemsRow<TCCDropDown>(), rows::width()},
        .itemsEditor = ItemsEditor::Items,
        .layout = kPalmFixedHeight,
        .paint = paintAs<TCCDropDown>,
    };
}

KindSpec popUp()
{
    return {
        .kind = ControlKind::PopUp, .classId = ClassId::TCCPopUp,
        .shortPrefix = "Pu", .longPrefix = "PopUp", .recordName = QStringLiteral("PopUp"),
        .make = makeObject<TCCPopUp>,
        .place = placing<TCCPopUp>([](TCCPopUp &o, const QString &, int x, int y) {
            o.setVisibleItems(2);
            o.setItems(kThreeItems);
            o.setTop(y);
            o.setLeft(x);
            o.setTest(1);
        }),
        .fields = {fields::items(), fields::width(34), fields::left(10), fields::top(10),
                   visibleItemsField<TCCPopUp>(), selectedItemField(), fields::font(),
                   fields::parent(), fields::number(u"Test", &TCCPopUp::test, &TCCPopUp::setTest, 0)},
        .rows = {rows::items(), rows::left(), rows::name(), rows::selectedItem(),
                 rows::flag(QStringLiteral("Test"), &TCCPopUp::test, &TCCPopUp::setTest,
                            QStringLiteral("Yes"), QStringLiteral("No"),
                            rows::FlagRule::ClearWordClears),
                 rows::top(), visibleItemsRow<TCCPopUp>(), rows::width()},
        .itemsEditor = ItemsEditor::Items,
        .layout = kPalmFixedHeight,
        .paint = paintAs<TCCPopUp>,
    };
}

KindSpec table()
{
    return {
        .kind = ControlKind::Table, .classId = ClassId::TCCTable,
        .shortPrefix = "Tb", .longPrefix = "Table", .recordName = QStringLiteral("Table"),
        .make = makeObject<TCCTable>,
        .place = placing<TCCTable>([](TCCTable &o, const QString &, int x, int y) {
            o.setTop(y);
            o.setLeft(x);
            o.setItems({QStringLiteral("~~")});
            o.setColWidths({QStringLiteral("25"), QStringLiteral("25"), QStringLiteral("25")});
            o.setColAlign({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
            o.setUserWidth(75);
            o.setCols(3);
        }),
        // The lists follow the name the record holds.
        .fields = {fields::width(34), fields::left(10), fields::top(10),
                   fields::number(u"VisibleRows", &TCCTable::visibleRows,
                                  &TCCTable::setVisibleRows, 4),
                   fields::number(u"SelectedRow", &TCCTable::selectedRow,
                                  &TCCTable::setSelectedRow, 0),
                   fields::parent(), fields::list(u"Items", &TCCTable::items, &TCCTable::setItems),
                   fields::list(u"ColWidths", &TCCTable::colWidths, &TCCTable::setColWidths),
                   fields::list(u"ColAlign", &TCCTable::colAlign, &TCCTable::setColAlign)},
        .rows = {rows::items(), rows::left(), rows::name(),
                 rows::number(QStringLiteral("SelectedRow"), &TCCTable::selectedRow,
                              &TCCTable::setSelectedRow),
                 rows::top(),
                 rows::number(QStringLiteral("VisibleRows"), &TCCTable::visibleRows,
                              &TCCTable::setVisibleRows),
                 rows::width()},
        .itemsEditor = ItemsEditor::Table,
        .layout = kPalmFixedHeight,
        .paint = paintAs<TCCTable>,
        .keepsSelection = true,
    };
}

} // namespace zf::cc

#include "FormFileSupport.h"
#include "model/ModelFixture.h"

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
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

namespace {

using CCRecords = ModelFixture;

QStringList keys(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '));
}

// Keys in the order each record writes them.
const std::vector<std::pair<ControlKind, QStringList>> &recordKeys()
{
    static const std::vector<std::pair<ControlKind, QStringList>> table = {
        {ControlKind::Button, keys("Control Name Content Height Width Left Top Edge Line Font ShowForm Parent")},
        {ControlKind::Label, keys("Control Name Content Width Left Top Font Line Alignment Style Parent")},
        {ControlKind::CheckBox, keys("Control Name Content Width Left Top Font State Parent")},
        {ControlKind::Switch, keys("Control Name Content Height Width Left Top Font Edge Line State Parent")},
        {ControlKind::Edit, keys("Control Name Content Width Left Top Font Style Line Alignment Topic Parent")},
        {ControlKind::EditLine, keys("Control Name Content Width Left Top Font Style Line Parent Type")},
        {ControlKind::ListBox, keys("Count Item0 Item1 Item2 Control Name Width Left Top VisibleItems SelectedItem Font Parent")},
        {ControlKind::DropDown, keys("Count Item0 Item1 Item2 Control Name Width Left Top VisibleItems SelectedItem TestItems Parent")},
        {ControlKind::Radio, keys("Count Item0 Item1 Item2 Control Name Width Left Top Height SelectedItem Font Parent")},
        {ControlKind::PopUp, keys("Count Item0 Item1 Item2 Control Name Width Left Top VisibleItems SelectedItem Font Parent Test")},
        {ControlKind::Image, keys("Control Name StringBits Height Width Left Top Clickable Parent")},
        {ControlKind::Table, keys("Control Name Width Left Top VisibleRows SelectedRow Parent")},
        {ControlKind::Dialog, keys("Control Name Content Height Width Left Top Test")},
    };
    return table;
}

} // namespace

TEST_F(CCRecords, EveryKindWritesItsKeysInOrderAndTheFrameAroundThem)
{
    QStringList names;
    for (const auto &[kind, expected] : recordKeys())
        names << place(kind, 20, 30)->name();
    auto *menu = place<TCCMenu>(ControlKind::Menu);
    form->setPosition(270, 40);

    IniDocument doc;
    writeForm(doc, *form);
    EXPECT_EQ(doc.keys(u"FORM"), keys("Name Top Left Title Lib"));
    EXPECT_EQ(doc.readString(u"FORM", u"Top"), QStringLiteral("40"));
    EXPECT_EQ(doc.readString(u"FORM", u"Left"), QStringLiteral("270"));
    EXPECT_EQ(doc.readString(u"FORM", u"Lib"), QStringLiteral("1"));
    for (std::size_t i = 0; i < recordKeys().size(); ++i)
        EXPECT_EQ(doc.keys(names[qsizetype(i)]), recordKeys()[i].second) << names[qsizetype(i)].toStdString();
    EXPECT_EQ(doc.keys(u"MenuBarForm1"), keys("Control Name Test"));
    EXPECT_EQ(doc.keys(menu->name()),
              keys("Count Item0 Control Name Width Left Test Topic TopicWidth"));

    // FORM first, the screen's objects in child order, a table's lists right
    // after it, the menus last.
    QStringList order = {QStringLiteral("FORM")};
    for (const QString &name : names) {
        order << name;
        if (name.startsWith(QLatin1String("Table")))
            order << name + QStringLiteral("Items") << name + QStringLiteral("ColWidths")
                  << name + QStringLiteral("ColAlign");
    }
    order << QStringLiteral("MenuBarForm1") << menu->name();
    EXPECT_EQ(doc.sections(), order);
}

TEST_F(CCRecords, WrittenValues)
{
    auto *button = place<TCCButton>(ControlKind::Button, 20, 30);
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    auto *inside = place<TCCLabel>(ControlKind::Label, 7, 9, dialog);
    auto *menu = place<TCCMenu>(ControlKind::Menu);
    menu->setUserWidth(50);

    IniDocument doc;
    writeForm(doc, *form);
    const QString b = button->name();
    EXPECT_EQ(doc.readString(b, u"Control"), QStringLiteral("Button"));
    EXPECT_EQ(doc.readString(b, u"Left"), QStringLiteral("19"));
    EXPECT_EQ(doc.readString(b, u"Top"), QStringLiteral("29"));
    EXPECT_EQ(doc.readString(b, u"Width"), QStringLiteral("40"));
    EXPECT_EQ(doc.readString(b, u"Edge"), QStringLiteral("4"));
    EXPECT_EQ(doc.readString(b, u"Font"), QStringLiteral("PalmText9,10,,0,clWindowText,2"));
    EXPECT_EQ(doc.readString(b, u"ShowForm"), QStringLiteral("(None)"));
    EXPECT_EQ(doc.readString(b, u"Parent"), QStringLiteral("panScreen"));
    // Dialogs keep design values and no parent; their controls name them
    // and are placed relative to them.
    EXPECT_EQ(doc.readString(dialog->name(), u"Left"), QStringLiteral("3"));
    EXPECT_EQ(doc.readString(dialog->name(), u"Top"), QStringLiteral("58"));
    EXPECT_EQ(doc.readString(dialog->name(), u"Test"), QStringLiteral("1"));
    EXPECT_FALSE(doc.hasKey(dialog->name(), u"Parent"));
    EXPECT_EQ(doc.readString(inside->name(), u"Parent"), dialog->name());
    EXPECT_EQ(doc.readString(inside->name(), u"Left"), QStringLiteral("7"));
    // Menus keep the handheld's values.
    EXPECT_EQ(doc.readString(menu->name(), u"Width"), QStringLiteral("50"));
    EXPECT_EQ(doc.readString(menu->name(), u"Left"), QStringLiteral("9"));
    EXPECT_EQ(doc.readString(QStringLiteral("MenuBarForm1"), u"Test"), QStringLiteral("1"));
}

TEST_F(CCRecords, AListBoxWritesItsListBeforeItsOwnKeys)
{
    place(ControlKind::ListBox);
    const QByteArray text = formBytes(*form);
    EXPECT_TRUE(text.contains("[ListBox1]\r\nCount=3\r\nItem0=One\r\nItem1=Two\r\nItem2=Three\r\n"
                              "Control=ListBox\r\n"))
        << text.constData();
}

TEST_F(CCRecords, AlignmentsAreNumberedLeftCentreRight)
{
    auto *label = place<TCCLabel>(ControlKind::Label);
    label->setAlignment(TextAlignment::Center);
    auto *edit = place<TCCEdit>(ControlKind::Edit);
    edit->setAlignment(TextAlignment::Right);
    IniDocument doc;
    writeForm(doc, *form);
    EXPECT_EQ(doc.readString(label->name(), u"Alignment"), QStringLiteral("1"));
    EXPECT_EQ(doc.readString(edit->name(), u"Alignment"), QStringLiteral("2"));

    DesignForm *loaded = loadForm(project, doc.toBytes());
    EXPECT_EQ(objectCast<TCCLabel>(loaded->findOwned(label->name()))->alignment(), TextAlignment::Center);
    EXPECT_EQ(objectCast<TCCEdit>(loaded->findOwned(edit->name()))->alignment(), TextAlignment::Right);

    // A number that is no alignment reads as left.
    DesignForm *odd = loadForm(project, iniText({"[FORM]", "Name=F", "Lib=1", "[L]", "Control=Label",
                                                 "Name=L", "Alignment=7"}));
    EXPECT_EQ(objectCast<TCCLabel>(odd->findOwned(QStringLiteral("L")))->alignment(), TextAlignment::Left);
}

TEST_F(CCRecords, ATableKeepsItsListsInThreeSectionsOfItsOwn)
{
    DesignForm *loaded = loadForm(project, iniText({
        "[FORM]", "Name=F", "Lib=1",
        "[Tb4]", "Control=Table", "Name=Tb4", "Width=77", "Left=5", "Top=6", "VisibleRows=3",
        "SelectedRow=1", "Parent=panScreen",
        "[Tb4Items]", "Count=2", "Item0=a~b", "Item1=c~d",
        "[Tb4ColWidths]", "Count=2", "Item0=30", "Item1=40",
        "[Tb4ColAlign]", "Count=2", "Item0=0", "Item1=2",
    }));
    ASSERT_EQ(loaded->screen()->children().size(), 1);
    auto *table = objectCast<TCCTable>(loaded->screen()->children().at(0));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->items(), QStringList({"a~b", "c~d"}));
    EXPECT_EQ(table->colWidths(), QStringList({"30", "40"}));
    EXPECT_EQ(table->colAlign(), QStringList({"0", "2"}));
    EXPECT_EQ(table->visibleRows(), 3);
    EXPECT_EQ(table->height(), 35);
    EXPECT_EQ(table->selectedRow(), 1);
    EXPECT_EQ(table->cols(), 3);

    IniDocument doc = parsedDocument(formBytes(*loaded));
    EXPECT_EQ(doc.sections(), QStringList({"FORM", "Tb4", "Tb4Items", "Tb4ColWidths", "Tb4ColAlign"}));
}

TEST_F(CCRecords, MissingKeysTakeTheirDefaults)
{
    QStringList lines = {"[FORM]", "Name=F", "Lib=1"};
    for (const char *kind : {"Button", "Label", "CheckBox", "Switch", "Edit", "EditLine", "ListBox",
                             "DropDown", "Radio", "PopUp", "Image", "Table", "Dialog", "MenuBar", "Menu"})
        lines << QStringLiteral("[S%1]").arg(QLatin1String(kind)) << QStringLiteral("Control=%1").arg(QLatin1String(kind));
    DesignForm *f = loadForm(project, iniText(lines));
    const auto get = [&](const char *name) { return f->findOwned(QLatin1String(name)); };

    auto *button = objectCast<TCCButton>(get("Button"));
    ASSERT_TRUE(button);
    EXPECT_EQ(button->content(), QStringLiteral("Button"));
    EXPECT_EQ(button->bounds(), QRect(10, 10, 34, 14));
    EXPECT_EQ(button->radius(), 4);
    EXPECT_EQ(button->line(), 1);
    EXPECT_EQ(button->showForm(), QStringLiteral("(None)"));
    EXPECT_EQ(button->font(), FontValue()); // the screen's font
    EXPECT_EQ(button->color(), kPalmWhite);

    auto *label = objectCast<TCCLabel>(get("Label"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->content(), QStringLiteral("Label"));
    EXPECT_EQ(label->bounds(), QRect(10, 10, 34, 13));
    EXPECT_EQ(label->line(), 1);
    EXPECT_EQ(label->style(), 1);

    auto *check = objectCast<TCCCheckbox>(get("CheckBox"));
    ASSERT_TRUE(check);
    EXPECT_EQ(check->content(), QStringLiteral("CheckBox"));
    EXPECT_EQ(check->state(), 0);

    auto *sw = objectCast<TCCSwitch>(get("Switch"));
    ASSERT_TRUE(sw);
    EXPECT_EQ(sw->bounds(), QRect(10, 10, 34, 14));
    EXPECT_EQ(sw->radius(), 0);
    EXPECT_EQ(sw->line(), 1);

    auto *edit = objectCast<TCCEdit>(get("Edit"));
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->content(), QStringLiteral("Edit"));
    EXPECT_EQ(edit->tag(), 0);
    EXPECT_EQ(edit->style(), 1);
    EXPECT_EQ(edit->topic(), QStringLiteral("Topic"));

    auto *editLine = objectCast<TCCEdit>(get("EditLine"));
    ASSERT_TRUE(editLine);
    EXPECT_EQ(editLine->content(), QStringLiteral("Edit"));
    EXPECT_EQ(editLine->tag(), 1);

    auto *list = objectCast<TCCListBox>(get("ListBox"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->visibleItems(), 2);
    EXPECT_EQ(list->height(), 24);
    EXPECT_EQ(list->selectedItem(), 0);
    EXPECT_TRUE(list->items().isEmpty());

    auto *drop = objectCast<TCCDropDown>(get("Drop"));
    ASSERT_TRUE(drop);
    EXPECT_EQ(drop->visibleItems(), 2);
    EXPECT_EQ(drop->testItems(), 0);
    EXPECT_EQ(drop->height(), 12);

    auto *radio = objectCast<TCCRadio>(get("Radio"));
    ASSERT_TRUE(radio);
    EXPECT_EQ(radio->bounds(), QRect(10, 10, 34, 14));
    EXPECT_EQ(radio->selectedItem(), 0);

    auto *popup = objectCast<TCCPopUp>(get("PopUp"));
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->visibleItems(), 2);
    EXPECT_EQ(popup->test(), 0);
    EXPECT_FALSE(popup->isVisible());

    auto *image = objectCast<TCCBitmap>(get("Image"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->bounds(), QRect(10, 10, 34, 14));
    EXPECT_EQ(image->tag(), 1);
    EXPECT_TRUE(image->stringBits().isEmpty());

    auto *table = objectCast<TCCTable>(get("Table"));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->visibleRows(), 4);
    EXPECT_EQ(table->selectedRow(), 0);

    auto *dialog = objectCast<TPTDialog>(get("Dialog"));
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->title(), QStringLiteral("Dialog"));
    EXPECT_EQ(dialog->bounds(), QRect(5, 60, 152, 80));
    EXPECT_EQ(dialog->tag(), 0);
    EXPECT_FALSE(dialog->isVisible());

    auto *bar = objectCast<TCCMenuBar>(get("MenuBarF"));
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->left(), 4);
    EXPECT_EQ(bar->top(), 2);

    auto *menu = objectCast<TCCMenu>(get("Menu"));
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->userLeft(), 9);
    EXPECT_EQ(menu->userWidth(), 38);
    EXPECT_EQ(menu->topicWidth(), 36);
    EXPECT_EQ(menu->topic(), QStringLiteral("Topic"));
    EXPECT_EQ(menu->top(), 2);
}

TEST_F(CCRecords, EdgeDefaultsDifferBetweenButtonAndSwitch)
{
    DesignForm *f = loadForm(project, iniText({"[FORM]", "Name=F", "Lib=1", "[B]", "Control=Button",
                                               "Name=B", "[S]", "Control=Switch", "Name=S"}));
    EXPECT_EQ(objectCast<TCCButton>(f->findOwned(QStringLiteral("B")))->radius(), 4);
    EXPECT_EQ(objectCast<TCCSwitch>(f->findOwned(QStringLiteral("S")))->radius(), 0);
}

TEST_F(CCRecords, MenusLoadClosedUnderAHiddenBar)
{
    DesignForm *f = loadForm(project, iniText({
        "[FORM]", "Name=F", "Lib=1",
        "[MenuBarF]", "Control=MenuBar", "Name=MenuBarF", "Test=1",
        "[Mn1]", "Count=2", "Item0=Open", "Item1=Quit", "Control=Menu", "Name=Mn1", "Width=50",
        "Left=20", "Test=1", "Topic=File", "TopicWidth=30",
        "[Mn2]", "Control=Menu", "Name=Mn2", "Test=1",
    }));
    ASSERT_TRUE(menuBarOf(*f));
    EXPECT_EQ(menuBarOf(*f)->test(), 0);
    EXPECT_FALSE(menuBarOf(*f)->isVisible());
    const auto menus = menusOf(*f);
    ASSERT_EQ(menus.size(), 2u);
    for (TCCMenu *menu : menus)
        EXPECT_EQ(menu->test(), 0);
    EXPECT_EQ(menus[0]->items(), QStringList({"Open", "Quit"}));
    EXPECT_EQ(menus[0]->userWidth(), 50);
    EXPECT_EQ(menus[0]->userLeft(), 20);
    EXPECT_EQ(menus[0]->left(), 19);
    EXPECT_EQ(menus[0]->topic(), QStringLiteral("File"));
    EXPECT_EQ(menus[0]->height(), 15); // closed: the title only
}

TEST_F(CCRecords, DialogsAndTheirControls)
{
    DesignForm *f = loadForm(project, iniText({
        "[FORM]", "Name=F", "Lib=1",
        "[Dl1]", "Control=Dialog", "Name=Dl1", "Test=0",
        "[Bt2]", "Control=Button", "Name=Bt2", "Left=4", "Top=5", "Parent=Dl1",
        "[Dl3]", "Control=Dialog", "Name=Dl3", "Test=1",
        "[Bt4]", "Control=Button", "Name=Bt4", "Parent=Nowhere",
    }));
    auto *hidden = objectCast<TPTDialog>(f->findOwned(QStringLiteral("Dl1")));
    auto *shown = objectCast<TPTDialog>(f->findOwned(QStringLiteral("Dl3")));
    ASSERT_TRUE(hidden && shown);
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_EQ(hidden->tag(), 0);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(f->currentDialog(), shown);
    EXPECT_EQ(f->findOwned(QStringLiteral("Bt2"))->parent(), hidden);
    EXPECT_EQ(f->findOwned(QStringLiteral("Bt2"))->bounds().topLeft(), QPoint(4, 5));
    // A parent that names nothing puts the control on the screen.
    EXPECT_EQ(f->findOwned(QStringLiteral("Bt4"))->parent(), f->screen());
}

TEST_F(CCRecords, FontValuesReadFieldByField)
{
    DesignForm *f = loadForm(project, iniText({
        "[FORM]", "Name=F", "Lib=1",
        "[A]", "Control=Label", "Name=A", "Font=PilotBold,9,,0,clWindowText,1",
        "[B]", "Control=Label", "Name=B", "Font=PilotBold;9,;0;clWindowText,1",
    }));
    FontValue expected;
    expected.setName(QStringLiteral("PilotBold"));
    expected.setSize(9);
    expected.setCharset(1);
    EXPECT_EQ(f->findOwned(QStringLiteral("A"))->font(), expected);
    EXPECT_EQ(f->findOwned(QStringLiteral("B"))->font(), expected);
}

TEST_F(CCRecords, ListsReadAsWrittenAndAMissingCountKeepsTheList)
{
    DesignForm *f = loadForm(project, iniText({
        "[FORM]", "Name=F", "Lib=1",
        "[R]", "Count=3", "Item0=x", "Item1=y", "Item2=z", "Control=Radio", "Name=R",
        "[D]", "Item0=lost", "Control=DropDown", "Name=D",
    }));
    EXPECT_EQ(objectCast<TCCRadio>(f->findOwned(QStringLiteral("R")))->items(), QStringList({"x", "y", "z"}));
    EXPECT_TRUE(objectCast<TCCDropDown>(f->findOwned(QStringLiteral("D")))->items().isEmpty());
}

TEST_F(CCRecords, TheFormSectionFillsTheWindow)
{
    const IniDocument doc = parsedDocument(
        iniText({"[FORM]", "Name=Main", "Top=33", "Left=44", "Title=Hello", "Lib=1"}),
        QStringLiteral("/somewhere/Main file.zsc"));
    DesignForm *f = project.addForm(QStringLiteral("Main"));
    EXPECT_TRUE(readForm(*f, doc).empty());
    EXPECT_EQ(f->fileName(), QStringLiteral("/somewhere/Main file.zsc"));
    EXPECT_EQ(f->caption(), QStringLiteral("Main file.zsc"));
    EXPECT_EQ(f->screen()->title(), QStringLiteral("Hello"));
    EXPECT_EQ(f->top(), 33);
    EXPECT_EQ(f->left(), 44);
    // Loading is no edit: nothing to undo.
    EXPECT_EQ(f->undoStack().count(), 0);

    DesignForm *bare = loadForm(project, iniText({"[FORM]", "Name=X"}));
    EXPECT_EQ(bare->screen()->title(), QStringLiteral("Form"));
    EXPECT_EQ(bare->top(), 0);
    EXPECT_EQ(bare->left(), 0);
}

TEST_F(CCRecords, PToolBoxKindsAreNotReadByCControls)
{
    FileProblems problems;
    DesignForm *f = loadForm(project, iniText({"[FORM]", "Name=F", "Lib=1", "[G]", "Control=GSI",
                                               "Name=G", "[B]", "Control=button", "Name=B"}),
                             &problems);
    EXPECT_EQ(f->screen()->children().size(), 0);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].text(),
              QStringLiteral("[G] Control: 'GSI' is no kind of control of CControls; the section is skipped"));
    EXPECT_EQ(problems[0].effect, FileProblem::Effect::SectionIgnored);
}

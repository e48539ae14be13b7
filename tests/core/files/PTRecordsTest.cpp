#include "FormFileSupport.h"
#include "model/ModelFixture.h"

#include "core/canvas/TextMetrics.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTGsi.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPopTrigger.h"

using namespace zf;
using namespace zf::test;

namespace {

using PTRecords = PToolBoxFixture;

QStringList keys(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '));
}

const std::vector<std::pair<ControlKind, QStringList>> &recordKeys()
{
    static const std::vector<std::pair<ControlKind, QStringList>> table = {
        {ControlKind::Button, keys("Control Name Text Height Width Left Top Frame Font Type ShowForm Parent ColorFill ColorText")},
        {ControlKind::Push, keys("Control Name Text Height Width Left Top Font State GroupNumber Parent")},
        {ControlKind::Select, keys("Control Name Text Height Width Left Top Font Align Parent ColorFill ColorText DOTPicker DOTFormat DOTTitle DOTColors")},
        {ControlKind::CheckBox, keys("Control Name Text Height Width Left Top Font State GroupNumber ColorText Parent")},
        {ControlKind::Label, keys("Control Name Text Left Top Font ColorText Parent")},
        {ControlKind::List, keys("Count Item0 Item1 Item2 Control Name Width Left Top MaxItems SelectedItem Style Trigger Font Parent")},
        {ControlKind::PopTrigger, keys("Control Name Text Height Width Left Top Font Parent")},
        {ControlKind::Field, keys("Control Name Text Height Width Left Top Font SingleLine Justification Underline NumbersOnly Editable MaxChars Parent ColorFill ColorText ColorCaret ColorLines ColorHighlightBack ColorHighlightFore")},
        {ControlKind::Gsi, keys("Control Name Left Top Parent")},
        {ControlKind::Bitmap, keys("Control Name StringBits Height Width Left Top Parent ColorFore")},
        {ControlKind::Radio, keys("Count Item0 Item1 Item2 Control Name Width Left Top Height GroupNumber SelectedItem Orientation Font Parent")},
        {ControlKind::Dialog, keys("Control Name Title Height Width Left Top Test DialogColorFill DialogColorFrame ObjFrameColor ObjFillColor ObjForeTextColor ObjSelectedFillColor ObjSelectedForeColor")},
    };
    return table;
}

} // namespace

TEST_F(PTRecords, EveryKindWritesItsKeysInOrder)
{
    QStringList names;
    for (const auto &[kind, expected] : recordKeys())
        names << place(kind, 20, 30)->name();
    IniDocument doc;
    writeForm(doc, *form);
    for (std::size_t i = 0; i < recordKeys().size(); ++i)
        EXPECT_EQ(doc.keys(names[qsizetype(i)]), recordKeys()[i].second) << names[qsizetype(i)].toStdString();
    EXPECT_EQ(doc.sections(), QStringList({"FORM"}) + names);
}

TEST_F(PTRecords, TheFormCarriesItsColourSet)
{
    form->screen()->setColorFill(0xC0C0C0);
    form->screen()->setColorText(0x000080);
    IniDocument doc;
    writeForm(doc, *form);
    EXPECT_EQ(doc.keys(u"FORM"), keys("Name Top Left Title Lib FormColorFill FormColorFrame "
                                      "ColorSelectedFill ColorSelectedFore ColorFrame ColorFill ColorText"));
    EXPECT_EQ(doc.readString(u"FORM", u"Lib"), QStringLiteral("2"));
    EXPECT_EQ(doc.readString(u"FORM", u"FormColorFill"), QStringLiteral("16777215"));
    EXPECT_EQ(doc.readString(u"FORM", u"ColorSelectedFill"), QStringLiteral("0"));
    EXPECT_EQ(doc.readString(u"FORM", u"ColorFill"), QStringLiteral("12632256"));
    EXPECT_EQ(doc.readString(u"FORM", u"ColorText"), QStringLiteral("128"));

    // Missing keys: the selected fill reads as navy, not as a new screen's 0.
    DesignForm *f = loadForm(project, iniText({"[FORM]", "Name=F", "Lib=2", "ColorText=255"}));
    const TCCForm &screen = *f->screen();
    EXPECT_EQ(screen.colorFormFill(), 0xFFFFFFu);
    EXPECT_EQ(screen.colorFormFrame(), 0u);
    EXPECT_EQ(screen.colorSelectedFill(), 0x800000u);
    EXPECT_EQ(screen.colorSelectedFore(), 0xFFFFFFu);
    EXPECT_EQ(screen.colorFrame(), 0u);
    EXPECT_EQ(screen.colorFill(), 0xFFFFFFu);
    EXPECT_EQ(screen.colorText(), 255u);
}

TEST_F(PTRecords, ARecordKeepsTheDesignGeometry)
{
    auto *button = place<TPTButton>(ControlKind::Button, 20, 30);
    IniDocument doc;
    writeForm(doc, *form);
    EXPECT_EQ(doc.readString(button->name(), u"Left"), QStringLiteral("18"));
    EXPECT_EQ(doc.readString(button->name(), u"Top"), QStringLiteral("28"));
    EXPECT_EQ(doc.readString(button->name(), u"Width"), QStringLiteral("46"));
    EXPECT_EQ(doc.readString(button->name(), u"Height"), QStringLiteral("17"));

    DesignForm *f = loadForm(project, doc.toBytes());
    auto *loaded = objectCast<TPTButton>(f->findOwned(button->name()));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(QRect(loaded->userLeft(), loaded->userTop(), loaded->userWidth(), loaded->userHeight()),
              QRect(20, 30, 42, 13));
}

TEST_F(PTRecords, AListsTriggerDecidesItsStyle)
{
    DesignForm *f = loadForm(project, iniText({
        "[FORM]", "Name=F", "Lib=2",
        "[A]", "Control=List", "Name=A", "Style=2", "Trigger=(None)",
        "[B]", "Control=List", "Name=B", "Style=0", "Trigger=Pop1",
        "[C]", "Control=List", "Name=C", "MaxItems=4", "Item0=orphan",
    }));
    auto *a = objectCast<TPTList>(f->findOwned(QStringLiteral("A")));
    auto *b = objectCast<TPTList>(f->findOwned(QStringLiteral("B")));
    auto *c = objectCast<TPTList>(f->findOwned(QStringLiteral("C")));
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(a->style(), 0);
    EXPECT_EQ(b->style(), 1);
    EXPECT_EQ(b->trigger(), QStringLiteral("Pop1"));
    // No "Count": a new list holds no items.
    EXPECT_TRUE(c->items().isEmpty());
    EXPECT_EQ(c->maxItems(), 4);
    EXPECT_EQ(c->height(), 4 * c->rowHeight() + 3);
}

TEST_F(PTRecords, EveryDialogSavedShownIsShownAndTheLastIsCurrent)
{
    DesignForm *f = loadForm(project, iniText({
        "[FORM]", "Name=F", "Lib=2",
        "[D1]", "Control=Dialog", "Name=D1", "Test=1",
        "[D2]", "Control=Dialog", "Name=D2", "Test=1",
        "[D3]", "Control=Dialog", "Name=D3",
    }));
    auto *d1 = objectCast<TPTDialog>(f->findOwned(QStringLiteral("D1")));
    auto *d2 = objectCast<TPTDialog>(f->findOwned(QStringLiteral("D2")));
    auto *d3 = objectCast<TPTDialog>(f->findOwned(QStringLiteral("D3")));
    ASSERT_TRUE(d1 && d2 && d3);
    EXPECT_TRUE(d1->isVisible());
    EXPECT_TRUE(d2->isVisible());
    EXPECT_FALSE(d3->isVisible());
    EXPECT_EQ(f->currentDialog(), d2);
}

TEST_F(PTRecords, ADialogsControlsFollowItDirectly)
{
    auto *first = place(ControlKind::Label);
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    auto *inside = place<TPTButton>(ControlKind::Button, 12, 14, dialog);
    auto *later = place(ControlKind::Gsi);
    IniDocument doc;
    writeForm(doc, *form);
    EXPECT_EQ(doc.sections(),
              QStringList({"FORM", first->name(), dialog->name(), inside->name(), later->name()}));
    EXPECT_EQ(doc.readString(inside->name(), u"Parent"), dialog->name());
    EXPECT_EQ(doc.readString(inside->name(), u"Left"), QStringLiteral("10"));

    DesignForm *f = loadForm(project, doc.toBytes());
    auto *loadedDialog = objectCast<TPTDialog>(f->findOwned(dialog->name()));
    DesignObject *loadedInside = f->findOwned(inside->name());
    ASSERT_TRUE(loadedDialog && loadedInside);
    EXPECT_EQ(loadedInside->parent(), loadedDialog);
    EXPECT_EQ(loadedInside->palmForm(), loadedDialog);
    EXPECT_EQ(f->findOwned(first->name())->palmForm(), f->screen());
}

TEST_F(PTRecords, ASelectIsATaggedButtonWhateverTheFileSays)
{
    DesignForm *f = loadForm(project, iniText({
        "[FORM]", "Name=F", "Lib=2",
        "[S]", "Control=Select", "Name=S", "Text=Pick", "Width=90", "Align=1",
        "Font=PilotStandard,10,,0,clWindowText,2",
    }));
    auto *select = objectCast<TCCButton>(f->findOwned(QStringLiteral("S")));
    ASSERT_TRUE(select);
    EXPECT_EQ(select->tag(), 3);
    EXPECT_EQ(select->alignment(), TextAlignment::Right);
    // Its width follows its text, whatever was stored.
    EXPECT_EQ(select->width(), textWidth(select->font(), QStringLiteral("Pick")) + 7);
    EXPECT_EQ(select->dotColors(), QStringLiteral("Black,White,Black,White,Black,White,Black"));
    EXPECT_EQ(select->dotFormat(), 0);
}

TEST_F(PTRecords, MissingKeysTakeTheirDefaults)
{
    QStringList lines = {"[FORM]", "Name=F", "Lib=2"};
    for (const char *kind : {"Button", "Push", "CheckBox", "Label", "List", "PopTrigger", "Field",
                             "GSI", "Bitmap", "Radio", "Dialog"})
        lines << QStringLiteral("[S%1]").arg(QLatin1String(kind)) << QStringLiteral("Control=%1").arg(QLatin1String(kind));
    DesignForm *f = loadForm(project, iniText(lines));
    const auto get = [&](const char *name) { return f->findOwned(QLatin1String(name)); };

    auto *button = objectCast<TPTButton>(get("Button"));
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), QStringLiteral("Button"));
    EXPECT_EQ(button->bounds(), QRect(5, 18, 46, 17));
    EXPECT_EQ(button->frame(), 0);
    EXPECT_EQ(button->buttonType(), 0);
    EXPECT_EQ(button->showForm(), QStringLiteral("(None)"));
    EXPECT_EQ(button->colorFill(), 0xFFFFFFu);
    EXPECT_EQ(button->palmForm(), f->screen());

    auto *push = objectCast<TCCSwitch>(get("Push"));
    ASSERT_TRUE(push);
    EXPECT_EQ(push->content(), QStringLiteral("Push"));
    EXPECT_EQ(push->bounds(), QRect(10, 10, 34, 14));
    EXPECT_EQ(push->tag(), 0);

    auto *check = objectCast<TPTCheckbox>(get("CheckBox"));
    ASSERT_TRUE(check);
    EXPECT_EQ(check->bounds(), QRect(10, 10, 34, 15));
    EXPECT_EQ(check->groupNumber(), 0);

    auto *label = objectCast<TPTLabel>(get("Label"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->content(), QStringLiteral("Label"));
    EXPECT_EQ(label->bounds().topLeft(), QPoint(10, 18));

    auto *list = objectCast<TPTList>(get("List"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->maxItems(), 2);
    EXPECT_EQ(list->trigger(), QStringLiteral("(None)"));
    EXPECT_EQ(list->style(), 0);
    EXPECT_EQ(list->selectedItem(), 0);
    EXPECT_EQ(list->width(), 34);

    auto *trigger = objectCast<TPTPopTrigger>(get("PopTrigger"));
    ASSERT_TRUE(trigger);
    EXPECT_EQ(trigger->text(), QStringLiteral("PopTr"));
    EXPECT_EQ(trigger->bounds(), QRect(10, 18, 34, 15));

    auto *field = objectCast<TPTEdit>(get("Field"));
    ASSERT_TRUE(field);
    EXPECT_EQ(field->text(), QStringLiteral("Field"));
    EXPECT_EQ(field->maxChars(), 20);
    EXPECT_EQ(field->colorHighlightFore(), 0xFFFFFFu);
    EXPECT_EQ(field->palmForm(), nullptr);

    auto *gsi = objectCast<TPTGsi>(get("GSI"));
    ASSERT_TRUE(gsi);
    EXPECT_EQ(gsi->bounds(), QRect(150, 150, 8, 9));

    auto *bitmap = objectCast<TCCBitmap>(get("Bitmap"));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->bounds(), QRect(10, 18, 20, 20));

    auto *radio = objectCast<TCCRadio>(get("Radio"));
    ASSERT_TRUE(radio);
    EXPECT_EQ(radio->bounds(), QRect(10, 10, 34, 15));
    EXPECT_EQ(radio->tag(), 1);
    EXPECT_EQ(radio->orientation(), 0);

    auto *dialog = objectCast<TPTDialog>(get("Dialog"));
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->bounds(), QRect(5, 60, 152, 80));
    EXPECT_EQ(dialog->colorSelectedFill(), 0u);
    EXPECT_EQ(dialog->colorSelectedFore(), 0xFFFFFFu);
}

TEST_F(PTRecords, StoredValuesAreKeptAsTheClassesHoldThem)
{
    DesignForm *f = loadForm(project, iniText({
        "[FORM]", "Name=F", "Lib=2",
        "[C]", "Control=CheckBox", "Name=C", "GroupNumber=300",
        "[E]", "Control=Field", "Name=E", "Editable=1", "Underline=1",
    }));
    // The library keeps group numbers in one byte.
    EXPECT_EQ(objectCast<TPTCheckbox>(f->findOwned(QStringLiteral("C")))->groupNumber(), 44);
    IniDocument doc = parsedDocument(formBytes(*f));
    EXPECT_EQ(doc.readString(u"E", u"Editable"), QStringLiteral("1"));
    EXPECT_EQ(doc.readString(u"E", u"Underline"), QStringLiteral("1"));
    EXPECT_EQ(doc.readString(u"C", u"GroupNumber"), QStringLiteral("44"));
}

TEST_F(PTRecords, CControlsKindsAreNotReadByPToolBox)
{
    // Kind words both libraries use are read as this library's kinds.
    DesignForm *f = loadForm(project, iniText({"[FORM]", "Name=F", "Lib=1", "[B]", "Control=Button",
                                               "Name=B", "[E]", "Control=Edit", "Name=E"}));
    EXPECT_TRUE(objectCast<TPTButton>(f->findOwned(QStringLiteral("B"))));
    EXPECT_FALSE(f->findOwned(QStringLiteral("E")));
}

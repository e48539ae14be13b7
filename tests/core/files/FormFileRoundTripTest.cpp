#include "FormFileSupport.h"
#include "model/ModelFixture.h"

#include "core/canvas/TextMetrics.h"
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

// A form file read back: what it loaded into, and the bytes saving it gives.
struct Reloaded
{
    DesignForm *form;
    QByteArray bytes;
};

Reloaded reload(DesignProject &project, const QByteArray &bytes)
{
    FileProblems problems;
    DesignForm *form = loadForm(project, bytes, &problems);
    for (const FileProblem &problem : problems)
        ADD_FAILURE() << problem.text().toStdString();
    return {form, formBytes(*form)};
}

class RoundTrip : public ModelFixture
{
public:
    explicit RoundTrip(int library = kLibraryCControls) : ModelFixture(library) {}
    void setForm(DesignForm *f) { form = f; }
};

class PTRoundTrip : public RoundTrip
{
public:
    PTRoundTrip() : RoundTrip(kLibraryPToolBox) {}
};

} // namespace

TEST_F(RoundTrip, EveryCControlsKindSavesLoadsAndSavesTheSameBytes)
{
    for (ControlKind kind : project.librarySupport().toolboxKinds()) {
        SCOPED_TRACE(kindWord(kind).toStdString());
        setForm(project.addForm(QStringLiteral("Trip")));
        project.setCurrentDesignWindow(form);
        DesignObject *object = place(kind, 21, 33);
        if (auto *dialog = objectCast<TPTDialog>(object))
            place(ControlKind::Button, 20, 20, dialog);
        QByteArray first = formBytes(*form);
        // A loaded bar starts hidden and its menus closed, whatever they were.
        if (kind == ControlKind::Menu)
            first.replace("Test=1\r\n", "Test=0\r\n");
        const Reloaded second = reload(project, first);
        EXPECT_EQ(second.bytes.toStdString(), first.toStdString());
        EXPECT_EQ(reload(project, second.bytes).bytes.toStdString(), first.toStdString());
    }
}

TEST_F(PTRoundTrip, EveryPToolBoxKindSavesLoadsAndSavesTheSameBytes)
{
    for (ControlKind kind : project.librarySupport().toolboxKinds()) {
        SCOPED_TRACE(kindWord(kind).toStdString());
        setForm(project.addForm(QStringLiteral("Trip")));
        project.setCurrentDesignWindow(form);
        DesignObject *object = place(kind, 21, 33);
        if (auto *dialog = objectCast<TPTDialog>(object))
            place(ControlKind::Radio, 20, 20, dialog);
        form->screen()->setColorFormFrame(0x800000);
        const QByteArray first = formBytes(*form);
        const Reloaded second = reload(project, first);
        EXPECT_EQ(second.bytes.toStdString(), first.toStdString());
        EXPECT_EQ(reload(project, second.bytes).bytes.toStdString(), first.toStdString());
    }
}

TEST_F(RoundTrip, EditedValuesSurvive)
{
    auto *label = place<TCCLabel>(ControlKind::Label);
    label->setContent(QStringLiteral("Grüße, 5 €"));
    label->setStyle(2);
    label->setFontName(QStringLiteral("PilotBold12"));
    auto *list = place<TCCListBox>(ControlKind::ListBox);
    list->setItems({QStringLiteral("=equals"), QStringLiteral(" spaced "), QString()});
    list->setVisibleItems(5);
    auto *image = place<TCCBitmap>(ControlKind::Image);
    image->setStringBits(QString(5000, u'F'));
    image->setTag(0);

    const QByteArray bytes = formBytes(*form);
    // Every character fits Windows-1252, so the file is in it.
    EXPECT_TRUE(bytes.contains("Content=Gr\xFC\xDF" "e, 5 \x80"));
    DesignForm *loaded = reload(project, bytes).form;
    auto *l = objectCast<TCCLabel>(loaded->findOwned(label->name()));
    ASSERT_TRUE(l);
    EXPECT_EQ(l->content(), label->content());
    EXPECT_EQ(l->style(), 2);
    EXPECT_EQ(l->font().name(), QStringLiteral("PilotBold12"));
    auto *li = objectCast<TCCListBox>(loaded->findOwned(list->name()));
    ASSERT_TRUE(li);
    // Surrounding blanks are kept: such values are written in quotes.
    EXPECT_EQ(li->items(), QStringList({"=equals", " spaced ", ""}));
    EXPECT_EQ(li->visibleItems(), 5);
    auto *im = objectCast<TCCBitmap>(loaded->findOwned(image->name()));
    ASSERT_TRUE(im);
    EXPECT_EQ(im->stringBits(), image->stringBits());
    EXPECT_EQ(im->tag(), 0);
}

TEST_F(RoundTrip, TheCControlsGoldenFileLoadsIntoItsObjectsAndSavesByteForByte)
{
    const QString path = goldenForm(QStringLiteral("ccontrols-all.zsc"));
    IniDocument doc;
    ASSERT_TRUE(doc.open(path));
    DesignForm *f = project.addForm(readFormName(doc));
    ASSERT_TRUE(readForm(*f, doc).empty());

    EXPECT_EQ(f->name(), QStringLiteral("Main"));
    EXPECT_EQ(f->screen()->title(), QStringLiteral("Main screen"));
    EXPECT_EQ(QPoint(f->left(), f->top()), QPoint(270, 40));
    QStringList order;
    for (DesignObject *object : f->screen()->children())
        order << object->name();
    EXPECT_EQ(order, QString("Bt1 Lb2 Cb3 Sw4 Ed5 El6 ListBox7 Dd8 Rd9 Pu10 Im11 Tb12 Dl13 Dl15").split(' '));
    const auto get = [&](const char *name) { return f->findOwned(QLatin1String(name)); };

    auto *bt1 = objectCast<TCCButton>(get("Bt1"));
    ASSERT_TRUE(bt1);
    EXPECT_EQ(bt1->content(), QStringLiteral("OK"));
    EXPECT_EQ(bt1->bounds(), QRect(9, 19, 40, 16));
    EXPECT_EQ(bt1->radius(), 3);
    EXPECT_EQ(bt1->line(), 2);
    EXPECT_EQ(bt1->font().name(), QStringLiteral("PilotBold"));
    EXPECT_EQ(bt1->font().size(), 9);
    EXPECT_EQ(bt1->font().charset(), 1);
    EXPECT_EQ(bt1->showForm(), QStringLiteral("Second"));

    auto *lb2 = objectCast<TCCLabel>(get("Lb2"));
    ASSERT_TRUE(lb2);
    EXPECT_EQ(lb2->content(), QStringLiteral("Name:"));
    EXPECT_EQ(lb2->bounds(), QRect(5, 35, 40, 13));
    EXPECT_EQ(lb2->line(), 0);
    EXPECT_EQ(lb2->alignment(), TextAlignment::Center);
    EXPECT_EQ(lb2->style(), 2);

    auto *cb3 = objectCast<TCCCheckbox>(get("Cb3"));
    ASSERT_TRUE(cb3);
    EXPECT_EQ(cb3->content(), QStringLiteral("Agree"));
    EXPECT_EQ(cb3->bounds(), QRect(5, 50, 50, 13));
    EXPECT_EQ(cb3->state(), 1);

    auto *sw4 = objectCast<TCCSwitch>(get("Sw4"));
    ASSERT_TRUE(sw4);
    EXPECT_EQ(sw4->bounds(), QRect(60, 50, 38, 14));
    EXPECT_EQ(sw4->state(), 1);

    auto *ed5 = objectCast<TCCEdit>(get("Ed5"));
    ASSERT_TRUE(ed5);
    EXPECT_EQ(ed5->tag(), 0);
    EXPECT_EQ(ed5->line(), 2);
    EXPECT_EQ(ed5->alignment(), TextAlignment::Right);
    EXPECT_EQ(ed5->topic(), QStringLiteral("Notes"));

    auto *el6 = objectCast<TCCEdit>(get("El6"));
    ASSERT_TRUE(el6);
    EXPECT_EQ(el6->tag(), 1);
    EXPECT_EQ(el6->content(), QStringLiteral("line"));
    EXPECT_EQ(el6->style(), 0);

    auto *list = objectCast<TCCListBox>(get("ListBox7"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->items(), QStringList({"One", "Two", "Three"}));
    EXPECT_EQ(list->bounds(), QRect(5, 80, 50, 24));
    EXPECT_EQ(list->selectedItem(), 1);

    auto *drop = objectCast<TCCDropDown>(get("Dd8"));
    ASSERT_TRUE(drop);
    EXPECT_EQ(drop->items(), QStringList({"Red", "Green"}));
    EXPECT_EQ(drop->bounds(), QRect(60, 80, 39, 12));

    auto *radio = objectCast<TCCRadio>(get("Rd9"));
    ASSERT_TRUE(radio);
    EXPECT_EQ(radio->items(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(radio->selectedItem(), 2);

    auto *popup = objectCast<TCCPopUp>(get("Pu10"));
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->bounds(), QRect(100, 100, 35, 25));
    EXPECT_TRUE(popup->isVisible());

    auto *image = objectCast<TCCBitmap>(get("Im11"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->stringBits(), QStringLiteral("FF00FF00"));
    EXPECT_EQ(image->tag(), 1);

    auto *table = objectCast<TCCTable>(get("Tb12"));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->items(), QStringList({"a~b~c", "d~e~f"}));
    EXPECT_EQ(table->colAlign(), QStringList({"0", "1", "2"}));
    EXPECT_EQ(table->bounds(), QRect(5, 100, 77, 46));

    auto *shown = objectCast<TPTDialog>(get("Dl13"));
    auto *hidden = objectCast<TPTDialog>(get("Dl15"));
    ASSERT_TRUE(shown && hidden);
    EXPECT_EQ(shown->title(), QStringLiteral("Options"));
    EXPECT_EQ(shown->bounds(), QRect(3, 58, 156, 84));
    EXPECT_EQ(f->currentDialog(), shown);
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_EQ(get("Bt14")->parent(), shown);
    EXPECT_EQ(get("Lb16")->parent(), hidden);

    ASSERT_TRUE(menuBarOf(*f));
    EXPECT_EQ(menuBarOf(*f)->name(), QStringLiteral("MenuBarMain"));
    EXPECT_FALSE(menuBarOf(*f)->isVisible());
    const auto menus = menusOf(*f);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0]->items(), QStringList({"Open", "Save"}));
    EXPECT_EQ(menus[1]->topic(), QStringLiteral("Help"));
    EXPECT_EQ(menus[1]->userLeft(), 45);
    EXPECT_EQ(menus[1]->topicWidth(), 30);

    EXPECT_EQ(formBytes(*f).toStdString(), fileBytes(path).toStdString());
}

TEST_F(PTRoundTrip, ThePToolBoxGoldenFileLoadsIntoItsObjectsAndSavesByteForByte)
{
    const QString path = goldenForm(QStringLiteral("ptoolbox-all.zsc"));
    IniDocument doc;
    ASSERT_TRUE(doc.open(path));
    DesignForm *f = project.addForm(readFormName(doc));
    ASSERT_TRUE(readForm(*f, doc).empty());
    const auto get = [&](const char *name) { return f->findOwned(QLatin1String(name)); };

    const TCCForm &screen = *f->screen();
    EXPECT_EQ(screen.colorFormFrame(), 0x800000u);
    EXPECT_EQ(screen.colorSelectedFill(), 0x800000u);
    EXPECT_EQ(screen.colorFill(), 0xC0C0C0u);
    EXPECT_EQ(screen.colorText(), 0x000080u);

    auto *button = objectCast<TPTButton>(get("Button1"));
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), QStringLiteral("Go"));
    EXPECT_EQ(button->bounds(), QRect(18, 28, 46, 17));
    EXPECT_EQ(button->frame(), 1);
    EXPECT_EQ(button->buttonType(), 1);
    EXPECT_EQ(button->colorFill(), 0x00FFFFu);
    EXPECT_EQ(button->colorText(), 0x0000FFu);

    auto *push = objectCast<TCCSwitch>(get("Push2"));
    ASSERT_TRUE(push);
    EXPECT_EQ(push->tag(), 3);
    EXPECT_EQ(push->state(), 1);

    auto *select = objectCast<TCCButton>(get("Select3"));
    ASSERT_TRUE(select);
    EXPECT_EQ(select->tag(), 3);
    EXPECT_EQ(select->width(), textWidth(select->font(), QStringLiteral("Pick")) + 7);
    EXPECT_EQ(select->alignment(), TextAlignment::Right);
    EXPECT_EQ(select->dotPicker(), 1);
    EXPECT_EQ(select->dotFormat(), 10);
    EXPECT_EQ(select->dotTitle(), QStringLiteral("When?"));
    EXPECT_EQ(select->dotColors(), QStringLiteral("Black,White,Red,White,Black,White,Black"));

    auto *label = objectCast<TPTLabel>(get("Label4"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->colorText(), 0x80u);

    auto *list = objectCast<TPTList>(get("List5"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->maxItems(), 3);
    EXPECT_EQ(list->style(), 1);
    EXPECT_EQ(list->trigger(), QStringLiteral("Pop6"));
    EXPECT_EQ(list->items(), QStringList({"One", "Two", "Three"}));

    auto *field = objectCast<TPTEdit>(get("Field7"));
    ASSERT_TRUE(field);
    EXPECT_EQ(field->singleLine(), 1);
    EXPECT_EQ(field->editable(), 1);
    EXPECT_EQ(field->underline(), 1);
    EXPECT_EQ(field->maxChars(), 30);
    EXPECT_EQ(field->colorLines(), 0x008000u);
    EXPECT_EQ(field->colorHighlightBack(), 0x800000u);

    auto *check = objectCast<TPTCheckbox>(get("CheckBox8"));
    ASSERT_TRUE(check);
    EXPECT_EQ(check->groupNumber(), 2);
    EXPECT_TRUE(objectCast<TPTGsi>(get("GSI9")));
    auto *bitmap = objectCast<TCCBitmap>(get("Bitmap10"));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->colorFore(), 0xFFu);
    auto *radio = objectCast<TCCRadio>(get("Radio11"));
    ASSERT_TRUE(radio);
    EXPECT_EQ(radio->tag(), 4);
    EXPECT_EQ(radio->items(), QStringList({"L", "R"}));

    auto *dialog = objectCast<TPTDialog>(get("Dialog12"));
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->colorDialogFrame(), 0x800000u);
    EXPECT_EQ(f->currentDialog(), dialog);
    EXPECT_EQ(get("Button13")->parent(), dialog);
    EXPECT_EQ(get("Button13")->palmForm(), dialog);

    EXPECT_EQ(formBytes(*f).toStdString(), fileBytes(path).toStdString());
}

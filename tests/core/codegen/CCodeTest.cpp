#include "CodegenFixture.h"
#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/ccontrols/CCTable.h"
#include "core/codegen/cccode.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

namespace {

class CCode : public CodegenFixture
{
protected:
    CCode() { project.setLibrary(kLibraryCControls); }

    // Two forms: "Main" with one object of every kind, a dialog and a menu
    // bar with two menus, and the empty form "About".
    void buildDemo()
    {
        main = addForm(QStringLiteral("Main"), QStringLiteral("Main form"));
        DesignContainer *s = main->screen();

        auto *ok = add<TCCButton>(main, s, QStringLiteral("BtOk"), 9, 19, 40, 14);
        ok->setContent(QStringLiteral("OK"));
        ok->setShowForm(QStringLiteral("About"));

        auto *mode = add<TCCSwitch>(main, s, QStringLiteral("SwMode"), 59, 19, 38, 14);
        mode->setLine(2);
        mode->setContent(QStringLiteral("Mode"));
        mode->setState(1);
        mode->setFontName(QStringLiteral("PilotBold"));

        auto *size = add<TCCRadio>(main, s, QStringLiteral("RdSize"), 4, 39, 31, 14);
        size->setItems({"A", "B", "C"});
        size->setSelectedItem(1);

        auto *title = add<TCCLabel>(main, s, QStringLiteral("LbTitle"), 99, 39, 50, 13);
        title->setLine(0);
        title->setStyle(1);
        title->setAlignment(TextAlignment::Center);
        title->setContent(QStringLiteral("Say \"Hi\""));
        title->setFontName(QStringLiteral("PilotLarge"));

        auto *names = add<TCCListBox>(main, s, QStringLiteral("LbxNames"), 4, 59, 50, 24);
        names->setItems({"One", "Two"});
        names->setSelectedItem(-1);

        auto *pick = add<TCCDropDown>(main, s, QStringLiteral("DdPick"), 59, 59, 40, 12);
        pick->setVisibleItems(4);
        pick->setItems({"X", "Y"});
        pick->setSelectedItem(0);

        auto *agree = add<TCCCheckbox>(main, s, QStringLiteral("CbAgree"), 59, 89, 58, 13);
        agree->setState(1);
        agree->setContent(QStringLiteral("Agree"));
        agree->setFontName(QStringLiteral("PilotBold12"));

        auto *name = add<TCCEdit>(main, s, QStringLiteral("EdName"), 4, 99, 52, 13);
        name->setAlignment(TextAlignment::Right);
        name->setTopic(QStringLiteral("Name"));
        name->setContent(QStringLiteral("Bob"));
        name->setFontName(QStringLiteral("PilotBold")); // an Edit never takes a font code

        auto *note = add<TCCEdit>(main, s, QStringLiteral("ElNote"), 59, 109, 42, 13);
        note->setTag(1);
        note->setLine(1);
        note->setStyle(2);
        note->setContent(QStringLiteral("note"));

        auto *color = add<TCCPopUp>(main, s, QStringLiteral("PuColor"), 109, 99, 40, 25);
        color->setItems({"Red", "Green"});
        color->setSelectedItem(0);

        auto *logo = add<TCCBitmap>(main, s, QStringLiteral("ImLogo"), 129, 9, 8, 2);
        logo->setTag(1);
        logo->setStringBits(QStringLiteral("ff81"));

        // 260 digits: written as 255 and 5.
        auto *wide = add<TCCBitmap>(main, s, QStringLiteral("PicWide"), 0, 130, 40, 26);
        wide->setStringBits(QStringLiteral("0123456789abcdef").repeated(16) +
                            QStringLiteral("0123"));

        auto *data = add<TCCTable>(main, s, QStringLiteral("TbData"), 4, 119, 77, 46);
        data->setCols(3);
        data->setColWidths({"25", "30", "20"});
        data->setColAlign({"0", "1", "2"});
        data->setItems({"a~b~c", "d~~f", "g"});

        auto *ask = add<TPTDialog>(main, s, QStringLiteral("DlgAsk"), 10, 50, 140, 80);
        ask->setTitle(QStringLiteral("Question"));
        auto *yes = add<TCCButton>(main, ask, QStringLiteral("BtYes"), 4, 19, 30, 14);
        yes->setContent(QStringLiteral("Yes"));
        yes->setShowForm(QStringLiteral("(None)"));
        add<TCCBitmap>(main, ask, QStringLiteral("PicDot"), 2, 3, 4, 1)
            ->setStringBits(QStringLiteral("f0"));
        add<TCCLabel>(main, ask, QStringLiteral("LbAsk"), 4, 39, 60, 13)
            ->setContent(QStringLiteral("Sure?"));

        add<TCCMenuBar>(main, nullptr, QStringLiteral("MenuBarMain"), 0, 0, 160, 15);
        addMenu(main, QStringLiteral("MnFile"), 5, 40, QStringLiteral("File"), {"Open", "Quit"});
        addMenu(main, QStringLiteral("MnHelp"), 40, 38, QStringLiteral("Help"), {"About"});

        about = addForm(QStringLiteral("About"), QStringLiteral("About us"));
        forms = {main, about};
    }

    TCCMenu *addMenu(DesignForm *form, const QString &name, int userLeft, int userWidth,
                     const QString &topic, const QStringList &items)
    {
        auto *menu = add<TCCMenu>(form, nullptr, name, 4, 1, 35, 36);
        menu->setTopicWidth(30);
        menu->setUserLeft(userLeft);
        menu->setUserWidth(userWidth);
        menu->setTopic(topic);
        menu->setItems(items);
        return menu;
    }

    GeneratedCode generate(bool memo, const DesignForm *first)
    {
        GeneratedCode code;
        CCCodeGenerator().generate({forms, first, QStringLiteral("Demo"), memo, false}, code);
        return code;
    }

    DesignForm *main = nullptr;
    DesignForm *about = nullptr;
    FormList forms;
};

} // namespace

TEST_F(CCode, GeneratesEveryKindDialogsAndMenusAndTitlesTheMemoIncludeFiles)
{
    buildDemo();
    for (bool memo : {false, true}) {
        const GeneratedCode code = generate(memo, about);
        const auto expected = [memo](const char *title, const char *file) {
            return text((memo ? QStringList{title} : QStringList()) + golden(file));
        };
        EXPECT_EQ(text(code.main), text(golden(QStringLiteral("cc_main.pc")))) << memo;
        EXPECT_EQ(text(code.forms), expected("/$ DemoForms.pc", "cc_forms.pc")) << memo;
        EXPECT_EQ(text(code.events), expected("/$ DemoEvents.pc", "cc_events.pc")) << memo;
        EXPECT_EQ(text(code.header), expected("/$ Demo.h", "cc_header.h")) << memo;
    }
}

TEST_F(CCode, MainShowsTheChosenFirstFormAndListsFormsInTheGivenOrder)
{
    buildDemo();
    forms = {about, main};
    const GeneratedCode code = generate(false, main);
    EXPECT_EQ(code.main.mid(6, 5),
              QStringList({"main(){", "  graph_on();", "  title(\"\");", "  Main();", "}"}));
    EXPECT_EQ(code.header,
              QStringList({"//Form and dialog prototypes", "About();", "Main();", "DlgAsk();"}));
    // Without a first form, main() shows the first of the list.
    EXPECT_EQ(generate(false, nullptr).main.at(9), QStringLiteral("  About();"));
}

TEST_F(CCode, AFormWithOnlyAMenuStartsTheEventChainWithItsBar)
{
    DesignForm *form = addForm(QStringLiteral("Menus"), QStringLiteral("Menus"));
    add<TCCMenuBar>(form, nullptr, QStringLiteral("MenuBarMenus"), 0, 0, 160, 15);
    addMenu(form, QStringLiteral("Mn1"), 5, 32, QStringLiteral("Go"), {"Left", "Right"});
    // A button never given a form to show, on another form, calls none.
    DesignForm *other = addForm(QStringLiteral("B"), QStringLiteral("B"));
    add<TCCButton>(other, other->screen(), QStringLiteral("Unset"), 0, 0, 40, 14);
    QStringList lines;
    GenerateEvents(lines, false, {other, form}, QStringLiteral("P"));
    EXPECT_EQ(lines.mid(1, 3), QStringList({"OnUnset(){", "}", ""}));
    EXPECT_EQ(lines.mid(lines.lastIndexOf(QStringLiteral("    e=event(1);")) + 1, 1),
              QStringList{"    if (Cevent(MenuBarMenus,e)) "
                          "OnMenuBarMenus(Cgetcontent(MenuBarMenus));"});
}

TEST_F(CCode, TableColumnsFollowColsAndFillGaps)
{
    DesignForm *form = addForm(QStringLiteral("F"), QStringLiteral("F"));
    const auto table = [&](const char *name, int cols, const QStringList &widths,
                           const QStringList &aligns, const QStringList &items) {
        auto *t = add<TCCTable>(form, form->screen(), QLatin1String(name), 0, 0, 77, 46);
        t->setCols(cols);
        t->setColWidths(widths);
        t->setColAlign(aligns);
        t->setItems(items);
    };
    table("One", 1, {"40"}, {"2"}, {"x~y"});
    table("None", 0, {}, {}, {"z"});
    table("Gaps", 3, {"10", ""}, {"1"}, {}); // fewer widths and alignments than columns
    table("Huge", 2000000000, {}, {}, {});
    QStringList lines;
    GenerateForms(lines, false, {form}, QStringLiteral("P"));
    const struct
    {
        const char *name;
        QStringList calls;
        qsizetype rows;
    } cases[] = {
        {"One", {"  One=Ctable(1,1,75,4,1);", "  Csetrow(One,0,40,2);", "  Cadditem(One,\"x\");"}, 1},
        {"None", {"  None=Ctable(1,1,75,4,0);", "  Cadditem(None,\"z\");"}, 0},
        {"Gaps", {"  Csetrow(Gaps,0,10,1);", "  Csetrow(Gaps,1,25,0);", "  Csetrow(Gaps,2,25,0);"}, 3},
        {"Huge", {"  Huge=Ctable(1,1,75,4,160);"}, 160},
    };
    for (const auto &c : cases) {
        for (const QString &call : c.calls)
            EXPECT_TRUE(lines.contains(call)) << call.toStdString();
        const QString name = QLatin1String(c.name);
        EXPECT_EQ(lines.filter(QStringLiteral("  Csetrow(") + name + u',').size(), c.rows) << c.name;
        EXPECT_TRUE(lines.filter(QStringLiteral("  Csetfield(") + name + u',').isEmpty()) << c.name;
    }
    // The user is told what was filled in or left out.
    EXPECT_EQ(CCCodeGenerator().warnings({form}),
              QStringList({"F: table Gaps lacks the width or alignment of a column; 25 and 0 are "
                           "written in their place",
                           "F: table Huge has 2000000000 columns; only the first 160 are set up"}));
}

TEST_F(CCode, NothingIsGeneratedWithoutForms)
{
    GeneratedCode code;
    code.main << QStringLiteral("//Main P.pc");
    CCCodeGenerator().generate({{}, nullptr, QStringLiteral("P"), false, false}, code);
    EXPECT_EQ(code.main, QStringList{"//Main P.pc"});
    EXPECT_TRUE(code.forms.isEmpty() && code.events.isEmpty() && code.header.isEmpty());
}

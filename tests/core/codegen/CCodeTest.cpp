#include "CodegenFixture.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCTable.h"
#include "core/codegen/cccode.h"
#include "core/controls/CCButton.h"

using namespace zf;
using namespace zf::test;

namespace {

class CCode : public CodegenFixture
{
protected:
    CCode() { project.setLibrary(kLibraryCControls); }
};

} // namespace

// "Main" holds one object of every kind, a dialog and a menu bar with two
// menus; the empty form "About" comes second and is shown first.
TEST_F(CCode, GeneratesEveryKindDialogsAndMenusAndTitlesTheMemoIncludeFiles)
{
    DesignForm *main = load("cc_demo.zsc");
    DesignForm *about = addForm(QStringLiteral("About"), QStringLiteral("About us"));
    for (bool memo : {false, true}) {
        GeneratedCode code;
        CCCodeGenerator().generate({{main, about}, about, QStringLiteral("Demo"), memo, false}, code);
        const auto expected = [memo](const char *title, const char *file) {
            return text((memo ? QStringList{title} : QStringList()) + golden(file));
        };
        EXPECT_EQ(text(code.main), text(golden(QStringLiteral("cc_main.pc")))) << memo;
        EXPECT_EQ(text(code.forms), expected("/$ DemoForms.pc", "cc_forms.pc")) << memo;
        EXPECT_EQ(text(code.events), expected("/$ DemoEvents.pc", "cc_events.pc")) << memo;
        EXPECT_EQ(text(code.header), expected("/$ Demo.h", "cc_header.h")) << memo;
    }
}

TEST_F(CCode, AFormWithOnlyAMenuStartsTheEventChainWithItsBar)
{
    DesignForm *form = addForm(QStringLiteral("Menus"), QStringLiteral("Menus"));
    add<TCCMenuBar>(form, nullptr, QStringLiteral("MenuBarMenus"), 0, 0, 160, 15);
    add<TCCMenu>(form, nullptr, QStringLiteral("Mn1"), 4, 1, 35, 36)->setItems({"Left", "Right"});
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

#include "CodegenFixture.h"
#include "core/codegen/ptcode.h"
#include "core/controls/CCButton.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTEdit.h"

using namespace zf;
using namespace zf::test;

namespace {

class PtCode : public CodegenFixture
{
protected:
    PtCode() { project.setLibrary(kLibraryPToolBox); }

    TCCButton *addSelect(DesignForm *form)
    {
        auto *select = add<TCCButton>(form, form->screen(), QStringLiteral("Sl"), 0, 29, 50, 15);
        select->setTag(TCCButton::kSelectTag);
        select->setContent(QStringLiteral("S"));
        return select;
    }
};

} // namespace

// "Main" holds one object of every kind and a dialog; "Second" only a field.
TEST_F(PtCode, GeneratesEveryKindWithAndWithoutColourAndTitlesTheMemoIncludeFiles)
{
    DesignForm *main = load("pt_demo.zsc");
    const FormList forms = {main, load("pt_demo_second.zsc")};
    const struct
    {
        bool color, memo;
        const char *suffix;
    } cases[] = {{true, false, "color"}, {false, false, "plain"}, {false, true, "plain"}};
    for (const auto &c : cases) {
        GeneratedCode code;
        PTCodeGenerator().generate({forms, main, QStringLiteral("Pt"), c.memo, c.color}, code);
        const auto expected = [&](const char *title, const char *file, const char *extension) {
            return text((c.memo && *title ? QStringList{title} : QStringList()) +
                        golden(QStringLiteral("pt_%1_%2.%3").arg(file, c.suffix, extension)));
        };
        const std::string name = std::string(c.suffix) + (c.memo ? " memo" : "");
        EXPECT_EQ(text(code.main), expected("", "main", "pc")) << name;
        EXPECT_EQ(text(code.forms), expected("/$ PtForms.pc", "forms", "pc")) << name;
        EXPECT_EQ(text(code.events), expected("/$ PtEvents.pc", "events", "pc")) << name;
        EXPECT_EQ(text(code.header), expected("/$ Pt.h", "header", "h")) << name;
    }
}

TEST_F(PtCode, ProjectFlagsLookIntoEveryFormAndDialog)
{
    DesignForm *one = addForm(QStringLiteral("One"), QStringLiteral("One"));
    auto *dialog = add<TPTDialog>(one, one->screen(), QStringLiteral("D"), 0, 0, 100, 100);
    add<TPTEdit>(one, dialog, QStringLiteral("Fl"), 0, 0, 30, 15);
    DesignForm *two = addForm(QStringLiteral("Two"), QStringLiteral("Two"));
    add<TPTButton>(two, two->screen(), QStringLiteral("Rep"), 0, 0, 40, 14)->setButtonType(1);
    const auto flags = [&] {
        const PtProjectFlags f = PtProjectFlags::of({one, two});
        return std::vector<bool>{f.field, f.button, f.label, f.picker};
    };
    // A repeat button is no ordinary button.
    EXPECT_EQ(flags(), (std::vector<bool>{true, false, false, false}));
    auto *select = addSelect(two);
    EXPECT_EQ(flags(), (std::vector<bool>{true, true, false, false}));
    select->setDotPicker(3); // not a picker the events know, but not "none" either
    EXPECT_EQ(flags(), (std::vector<bool>{true, true, false, true}));
    EXPECT_FALSE(PtProjectFlags::of({one}).picker);
}

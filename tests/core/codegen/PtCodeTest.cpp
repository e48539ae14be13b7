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

    // "Main" with one object of every kind and a dialog; "Second" holding
    // only a field.
    void buildDemo()
    {
        main = load("pt_demo.zsc");
        second = load("pt_demo_second.zsc");
        forms = {main, second};
    }

    TCCButton *addSelect(DesignContainer *s, const QString &name, int left, const QString &text)
    {
        auto *select = add<TCCButton>(main, s, name, left, 29, 50, 15);
        select->setTag(TCCButton::kSelectTag);
        select->setContent(text);
        return select;
    }

    GeneratedCode generate(bool color, bool memo = false)
    {
        GeneratedCode code;
        PTCodeGenerator().generate({forms, main, QStringLiteral("Pt"), memo, color}, code);
        return code;
    }

    DesignForm *main = nullptr;
    DesignForm *second = nullptr;
    FormList forms;
};

} // namespace

TEST_F(PtCode, GeneratesEveryKindWithAndWithoutColourAndTitlesTheMemoIncludeFiles)
{
    buildDemo();
    const struct
    {
        bool color, memo;
        const char *suffix;
    } cases[] = {{true, false, "color"}, {false, false, "plain"}, {false, true, "plain"}};
    for (const auto &c : cases) {
        const GeneratedCode code = generate(c.color, c.memo);
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

TEST_F(PtCode, ASelectWithoutPickerHasAnEmptyCase)
{
    main = addForm(QStringLiteral("F"), QStringLiteral("F"));
    addSelect(main->screen(), QStringLiteral("Sl"), 0, QStringLiteral("S"));
    QStringList events;
    GeneratePtEvents(events, false, {main}, QStringLiteral("P"), true);
    EXPECT_EQ(events.mid(5, 4), QStringList({"", "    case Sl:", "    break;", ""}));
}

TEST_F(PtCode, ProjectFlagsLookIntoEveryFormAndDialog)
{
    DesignForm *one = addForm(QStringLiteral("One"), QStringLiteral("One"));
    auto *dialog = add<TPTDialog>(one, one->screen(), QStringLiteral("D"), 0, 0, 100, 100);
    add<TPTEdit>(one, dialog, QStringLiteral("Fl"), 0, 0, 30, 15);
    DesignForm *two = addForm(QStringLiteral("Two"), QStringLiteral("Two"));
    main = two;
    add<TPTButton>(two, two->screen(), QStringLiteral("Rep"), 0, 0, 40, 14)->setButtonType(1);
    const auto flags = [&] {
        const PtProjectFlags f = PtProjectFlags::of({one, two});
        return std::vector<bool>{f.field, f.button, f.label, f.picker};
    };
    // A repeat button is no ordinary button.
    EXPECT_EQ(flags(), (std::vector<bool>{true, false, false, false}));
    auto *select = addSelect(two->screen(), QStringLiteral("Sl"), 0, QStringLiteral("S"));
    EXPECT_EQ(flags(), (std::vector<bool>{true, true, false, false}));
    select->setDotPicker(3); // not a picker the events know, but not "none" either
    EXPECT_EQ(flags(), (std::vector<bool>{true, true, false, true}));
    EXPECT_FALSE(PtProjectFlags::of({one}).picker);
}

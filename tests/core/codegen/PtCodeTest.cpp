#include "CodegenFixture.h"
#include "core/codegen/ptcode.h"
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

constexpr PalmColor kSilver = 0xC0C0C0;
constexpr PalmColor kNavy = 0x800000;
constexpr PalmColor kYellow = 0x00FFFF;
constexpr PalmColor kRed = 0x0000FF;
constexpr PalmColor kBlue = 0xFF0000;
constexpr PalmColor kMaroon = 0x000080;
constexpr PalmColor kGreen = 0x008000;

class PtCode : public CodegenFixture
{
protected:
    PtCode() { project.setLibrary(kLibraryPToolBox); }

    // "Main" with one object of every kind and a dialog; "Second" holding
    // only a field.
    void buildDemo()
    {
        main = addForm(QStringLiteral("Main"), QStringLiteral("Main form"));
        TCCForm *s = main->screen();
        s->setColorFormFrame(kBlue);
        s->setColorSelectedFill(kGreen);

        auto *go = add<TPTButton>(main, s, QStringLiteral("BtGo"), 8, 8, 42, 17);
        go->setFrame(1);
        go->setText(QStringLiteral("Go"));
        go->setShowForm(QStringLiteral("Second"));
        go->setColorFill(kSilver);
        go->setColorText(kNavy);

        auto *up = add<TPTButton>(main, s, QStringLiteral("BtUp"), 58, 8, 20, 17);
        up->setFrame(2);
        up->setButtonType(1);
        up->setText(QStringLiteral("+"));

        auto *stop = add<TPTButton>(main, s, QStringLiteral("BtStop"), 88, 8, 40, 17);
        stop->setFrame(7); // not a frame style: written as the standard one
        stop->setShowForm(QStringLiteral("(None)"));
        stop->setText(QStringLiteral("Stop"));

        auto *date = addSelect(s, QStringLiteral("SlDate"), 9, QStringLiteral("Date"));
        date->setDotPicker(1);
        date->setDotFormat(10);
        date->setDotTitle(QStringLiteral("Pick a date"));
        date->setDotColors(QStringLiteral("Red,White,Blue,Black,Green,Yellow,Lime"));
        date->setColorFill(kYellow);

        auto *time = addSelect(s, QStringLiteral("SlTime"), 79, QStringLiteral("Now"));
        time->setAlignment(TextAlignment::Right);
        time->setDotPicker(2);
        time->setDotFormat(5);
        time->setDotTitle(QStringLiteral("Time"));
        time->setDotColors(QStringLiteral("Navy,Silver")); // the rest read as black
        time->setFontName(QStringLiteral("PilotBold"));

        auto *a = add<TCCSwitch>(main, s, QStringLiteral("PbA"), 9, 49, 30, 15);
        a->setTag(2);
        a->setState(1);
        a->setContent(QStringLiteral("A"));
        auto *b = add<TCCSwitch>(main, s, QStringLiteral("PbB"), 39, 49, 30, 15);
        b->setTag(26);
        b->setContent(QStringLiteral("B"));

        auto *on = add<TPTCheckbox>(main, s, QStringLiteral("CbOn"), 69, 49, 58, 13);
        on->setGroupNumber(3);
        on->setState(1);
        on->setContent(QStringLiteral("On"));

        add<TPTPopTrigger>(main, s, QStringLiteral("PtKind"), 9, 69, 35, 15)
            ->setText(QStringLiteral("Kind"));
        auto *kind = add<TPTList>(main, s, QStringLiteral("LsKind"), 9, 84, 40, 25);
        kind->setItems({"Big", "Small"});
        kind->setTrigger(QStringLiteral("PtKind"));
        kind->setMaxItems(2);
        auto *all = add<TPTList>(main, s, QStringLiteral("LsAll"), 59, 84, 40, 36);
        all->setTrigger(QStringLiteral("(None)"));
        all->setMaxItems(3);

        auto *name = add<TPTEdit>(main, s, QStringLiteral("FlName"), 9, 119, 50, 15);
        name->setJustification(1);
        name->setEditable(1);
        name->setSingleLine(1);
        name->setMaxChars(20);
        name->setText(QStringLiteral("Bob"));
        name->setColorLines(kPalmGray);
        name->setColorCaret(kRed);
        name->setColorHighlightBack(kBlue);
        name->setColorHighlightFore(kPalmWhite);

        auto *label = add<TPTLabel>(main, s, QStringLiteral("LbName"), 69, 119, 0, 0);
        label->setContent(QStringLiteral("Name:"));
        label->setFontName(QStringLiteral("PilotBold12"));
        label->setColorText(kMaroon);

        add<TPTGsi>(main, s, QStringLiteral("GsiMain"), 150, 150, 8, 9)
            ->setFontName(QStringLiteral("PilotBold")); // a GSI has no text

        addRadio(s, QStringLiteral("RdH"), {"A", "B", "C"}, 1, 0, {9, 134, 31, 15}, 1);
        addRadio(s, QStringLiteral("RdV"), {"X", "Y", "Z"}, 4, 1, {99, 120, 20, 30}, 0);
        addRadio(s, QStringLiteral("RdTwo"), {"L", "R"}, 0, 0, {119, 60, 8, 15}, 5);

        auto *logo = add<TCCBitmap>(main, s, QStringLiteral("BmLogo"), 130, 20, 16, 2);
        logo->setStringBits(QStringLiteral("f00f0ff0"));
        logo->setColorFore(kRed);

        auto *info = add<TPTDialog>(main, s, QStringLiteral("DlInfo"), 3, 58, 156, 84);
        info->setTitle(QStringLiteral("Info"));
        info->setColorDialogFrame(kNavy);
        info->setColorDialogFill(kSilver);
        add<TPTButton>(main, info, QStringLiteral("BtOk2"), 8, 18, 30, 17)
            ->setText(QStringLiteral("OK")); // ShowForm never set
        add<TPTEdit>(main, info, QStringLiteral("FlNote"), 8, 40, 60, 15)->setText(QString());
        add<TCCBitmap>(main, info, QStringLiteral("BmBig"), 2, 2, 40, 26)
            ->setStringBits(QStringLiteral("0123456789abcdef").repeated(16) +
                            QStringLiteral("0123"));
        auto *dialogList = add<TPTList>(main, info, QStringLiteral("LsDlg"), 70, 20, 40, 25);
        dialogList->setItems({"1", "2", "3"}); // Trigger never set
        addRadio(info, QStringLiteral("RdOdd"), {"p", "q"}, 10, 0, {120, 40, 10, 15}, 0);

        second = addForm(QStringLiteral("Second"), QStringLiteral("Second page"));
        auto *only =
            add<TPTEdit>(second, second->screen(), QStringLiteral("FlOnly"), 10, 20, 40, 15);
        only->setMaxChars(5);
        only->setText(QStringLiteral("x"));

        forms = {main, second};
    }

    TCCButton *addSelect(DesignContainer *s, const QString &name, int left, const QString &text)
    {
        auto *select = add<TCCButton>(main, s, name, left, 29, 50, 15);
        select->setTag(TCCButton::kSelectTag);
        select->setContent(text);
        return select;
    }

    void addRadio(DesignContainer *container, const QString &name, const QStringList &items,
                  int group, int orientation, QRect bounds, int selected)
    {
        auto *radio = add<TCCRadio>(main, container, name, 0, 0, 31, 14);
        radio->setItems(items);
        radio->setOrientation(orientation);
        radio->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        radio->setTag(group);
        radio->setSelectedItem(selected);
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

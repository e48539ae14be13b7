#include "core/designer/Layout.h"
#include "LayoutFixture.h"
#include "core/designer/FormOutline.h"
#include "core/designer/TextNames.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

namespace {

enum class Op { Left, Right, Top, Bottom, Width, Height, CenterH, CenterV, SpaceH, SpaceV };

void run(DesignForm &form, Op op)
{
    const int i = int(op);
    if (i < 6)
        AlignSelected(form, AlignMode(i));
    else if (i < 8)
        CenterSelected(form, LayoutDirection(i - 6));
    else
        SpaceSelected(form, LayoutDirection(i - 8));
}

struct Placed
{
    ControlKind kind;
    QRect start;
    QRect end = {}; // null: where it started
    int in = -1;    // the index of the dialog that holds it
};

// `clicks` are indexes into `controls`: a click, then Shift+clicks.
struct LayoutCase
{
    const char *name;
    int library;
    const char *clicks;
    Op op;
    std::vector<Placed> controls;
};

using K = ControlKind;
constexpr int CC = kLibraryCControls, PT = kLibraryPToolBox;
const QRect kDialog(3, 58, 156, 84);

// A PToolBox button's Palm rectangle lies 2 pixels inside its design one, a CControls one's 1.
// clang-format off
const LayoutCase kCases[] = {
    {"LabelLinesUpWithTheButtonsPalmEdge", PT, "01", Op::Left,
     {{K::Button, {18, 30, 46, 17}}, {K::Label, {50, 60, 0, 0}, {20, 60, 28, 13}}}},
    {"TheReferenceIsTheFirstSelectedWhateverTheChildOrder", PT, "102", Op::Top,
     {{K::Button, {0, 5, 46, 17}, {0, 40, 46, 17}}, {K::Button, {50, 40, 46, 17}},
      {K::Button, {100, 70, 46, 17}, {100, 40, 46, 17}}}},
    {"LabelsAlignTheirBottomByTheirHeight", CC, "012", Op::Bottom,
     {{K::Button, {10, 5, 40, 30}}, {K::Label, {60, 50, 40, 13}, {60, 20, 40, 13}},
      {K::Button, {100, 50, 40, 16}, {100, 19, 40, 16}}}},
    {"CenterHalvesTheFreeSpaceTruncatingTowardZero", PT, "012", Op::CenterH,
     {{K::Button, {3, 4, 46, 14}, {57, 4, 46, 14}},
      {K::Button, {90, 40, 45, 13}, {57, 40, 45, 13}},
      {K::Button, {0, 70, 201, 14}, {-20, 70, 201, 14}}, {K::Button, {9, 100, 40, 14}}}},
    {"ASelectedDialogAndItsSelectedControlsAreCentredTogether", PT, "10", Op::CenterH,
     {{K::Dialog, {0, 20, 152, 80}, {4, 20, 152, 80}},
      {K::Button, {2, 3, 46, 14}, {53, 3, 46, 14}, 0}, {K::Button, {60, 40, 30, 14}, {}, 0}}},
    {"ControlsOfAnUnselectedDialogAreCentredInIt", PT, "1", Op::CenterV,
     {{K::Dialog, {5, 60, 152, 80}}, {K::Button, {2, 3, 46, 14}, {2, 33, 46, 14}, 0}}},
    {"ANegativeGapIsTruncatedTowardZero", PT, "012", Op::SpaceV,
     {{K::Button, {0, 0, 46, 40}}, {K::Button, {0, 20, 46, 40}, {0, 38, 46, 40}},
      {K::Button, {0, 75, 46, 40}, {0, 76, 46, 40}}}},
    {"EachGroupIsSpacedOnItsOwn", PT, "012456", Op::SpaceV,
     {{K::Button, {0, 0, 20, 14}}, {K::Button, {5, 20, 20, 14}}, {K::Button, {100, 40, 20, 14}},
      {K::Dialog, kDialog}, {K::Button, {0, 0, 20, 10}, {}, 3},
      {K::Button, {0, 3, 20, 10}, {0, 25, 20, 10}, 3}, {K::Button, {0, 50, 20, 10}, {}, 3}}},
};
// clang-format on

struct LayoutCommands : LayoutFixture, ::testing::WithParamInterface<LayoutCase>
{
    LayoutCommands() : LayoutFixture(GetParam().library) {}
};

// One undo step; the selection and its colours stay; the edit invariants
// undo it back.
TEST_P(LayoutCommands, MoveTheSelectedControlsOfEachGroup)
{
    const LayoutCase &c = GetParam();
    std::vector<DesignObject *> objects;
    std::vector<QRect> before;
    for (const Placed &p : c.controls) {
        auto *container = p.in < 0 ? nullptr : objectCast<TPTDialog>(objects[p.in]);
        objects.push_back(placeAt(p.kind, p.start, container));
        before.push_back(objects.back()->bounds());
    }
    for (const char *index = c.clicks; *index; ++index)
        click(objects[*index - '0'], index != c.clicks);
    std::vector<PalmColor> colours;
    for (DesignObject *object : objects)
        colours.push_back(object->isSelected() ? object->selectColor() : 0);
    const int steps = undoSteps();

    run(*form, c.op);
    for (size_t i = 0; i < objects.size(); ++i) {
        EXPECT_EQ(objects[i]->bounds(), c.controls[i].end.isNull() ? before[i] : c.controls[i].end)
            << "control " << i;
        EXPECT_EQ(objects[i]->isSelected() ? objects[i]->selectColor() : 0, colours[i]) << i;
    }
    EXPECT_EQ(undoSteps(), steps + 1);
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, LayoutCommands, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Widths from the fonts' published advances: Large "OK" 15, Standard "Sound" 25.
struct FitCase
{
    int library;
    ControlKind kind;
    const char *text, *font; // font empty: the kind's own
    QSize fitted;
};

const FitCase kFitCases[] = {
    {kLibraryCControls, ControlKind::Button, "OK", "Large", {25, 17}},
    {kLibraryPToolBox, ControlKind::CheckBox, "Sound", "", {44, 13}},
};

struct FitToText : LayoutFixture, ::testing::WithParamInterface<FitCase>
{
    FitToText() : LayoutFixture(GetParam().library) {}
};

TEST_P(FitToText, SizesEachKindToItsTextInItsFont)
{
    const FitCase &c = GetParam();
    DesignObject *object = place(c.kind, 20, 20);
    form->perform(QStringLiteral("Edit"), [&] {
        const LibrarySupport &library = project.librarySupport();
        library.applyPropertyValue(*object, c.library == kLibraryCControls ? "Content" : "Text",
                                   QLatin1String(c.text));
        if (*c.font)
            library.applyPropertyValue(*object, QStringLiteral("Font"), QLatin1String(c.font));
    });
    // Selected with a control that has no text to fit.
    DesignObject *list =
        place(c.library == kLibraryCControls ? ControlKind::ListBox : ControlKind::List, 60, 80);
    const QRect before = object->bounds(), listBounds = list->bounds();
    click(object);
    click(list, true);
    const int steps = undoSteps() + 1;
    FitSelectedToText(*form);
    EXPECT_EQ(std::tuple(object->bounds(), list->bounds(), undoSteps()),
              std::tuple(QRect(before.topLeft(), c.fitted), listBounds, steps));
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, FitToText, ::testing::ValuesIn(kFitCases));

TEST_F(LayoutFixture, TheOutlineListsTheFormInChildOrderWithDialogsHoldingTheirControls)
{
    place(ControlKind::Label);
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    place(ControlKind::Button, 5, 20, dialog);
    place(ControlKind::Menu);
    place(ControlKind::EditLine);
    QStringList lines;
    for (const OutlineEntry &entry : formOutline(*form))
        lines << QString(entry.depth * 2, u' ') + entry.name + QLatin1Char(':') + entry.kind;
    EXPECT_EQ(lines, (QStringList{"Label1:Label", "Dialog2:Dialog", "  Button3:Button",
                                  "EditLine5:EditLine", "MenuBarForm1:MenuBar", "Menu4:Menu"}));
}

TEST(NameFromText, KeepsTheWordsOfTheTextInCapitals)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Save as...", "BtSaveAs"},
        {"OK", "BtOK"},
        {"Men\u00fa principal", "BtMenuPrincipal"},
        {"2nd go", "Bt2ndGo"},
        {"snake_case-word", "BtSnakeCaseWord"},
        {"\u2014 ? \u65e5\u672c", ""},
        {"", ""},
        {"a b c d e f g h i j k l m n o p q r s t u v w x y z", "BtABCDEFGHIJKLMNOPQRSTUVWX"},
    };
    for (const auto &[text, name] : cases)
        EXPECT_EQ(NameFromText(QStringLiteral("Bt"), QString::fromUtf8(text)), QLatin1String(name))
            << text;
}

// Names follow the selected objects' texts under the naming rules: the long
// or short prefix, a number after a name already taken, a control without a
// word left as it is; all in one undo step.
TEST_F(LayoutFixture, NameFromTextRenamesTheSelectionInOneStep)
{
    std::vector<DesignObject *> placed;
    for (const char *text : {"OK", "OK", "Name:", "--"}) {
        placed.push_back(place(text[0] == 'N' ? ControlKind::Label : ControlKind::Button));
        form->perform(QStringLiteral("Text"), [&] {
            project.librarySupport().applyPropertyValue(*placed.back(), "Content", text);
        });
    }
    placed.push_back(place(ControlKind::ListBox, 60, 10));
    const auto names = [&] {
        QStringList all;
        for (DesignObject *o : placed)
            all << o->name();
        return all;
    };
    const QStringList before = names();
    for (DesignObject *o : placed)
        click(o, o != placed[0]);
    const int steps = undoSteps();
    NameSelectedFromText(*form);
    NameSelectedFromText(*form); // nothing left to rename
    EXPECT_EQ(names(), (QStringList{"ButtonOK", "ButtonOK2", "LabelName", before[3], before[4]}));
    EXPECT_EQ(undoSteps(), steps + 1);
    form->undoStack().undo();
    EXPECT_EQ(names(), before);
    // A menu is named by its topic; short names give the short prefix.
    project.setShortNames(true);
    DesignObject *menu = place(ControlKind::Menu);
    NameSelectedFromText(*form);
    EXPECT_EQ(menu->name(), QStringLiteral("MnTopic"));
}

} // namespace

#include "core/designer/Layout.h"
#include "LayoutFixture.h"
#include "core/ccontrols/CCMenu.h"
#include "core/designer/FormOutline.h"
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

// The Palm rectangle of a PToolBox button lies two pixels inside its design
// one; a CControls button's and check box's one pixel.
// clang-format off
const LayoutCase kCases[] = {
    {"LabelLinesUpWithTheButtonsPalmEdge", PT, "01", Op::Left,
     {{K::Button, {18, 30, 46, 17}}, {K::Label, {50, 60, 0, 0}, {20, 60, 28, 13}}}},
    {"RightTakesTheFieldsDesignWidthFromThePalmRightEdge", PT, "01", Op::Right,
     {{K::Button, {18, 30, 44, 17}}, {K::Field, {90, 60, 32, 12}, {28, 60, 32, 12}}}},
    {"TheReferenceIsTheFirstSelectedWhateverTheChildOrder", PT, "102", Op::Top,
     {{K::Button, {0, 5, 46, 17}, {0, 40, 46, 17}}, {K::Button, {50, 40, 46, 17}},
      {K::Button, {100, 70, 46, 17}, {100, 40, 46, 17}}}},
    {"BottomUsesTheListsPalmTopAndDesignHeight", PT, "01", Op::Bottom,
     {{K::List, {10, 20, 40, 29}}, {K::Button, {60, 90, 46, 17}, {60, 35, 46, 17}}}},
    {"SameWidthSizesAListByItsPalmWidthAndKeepsItsHeight", PT, "01", Op::Width,
     {{K::Button, {0, 5, 46, 17}}, {K::List, {10, 40, 40, 29}, {10, 40, 45, 29}}}},
    {"SameHeightPassesAListBy", PT, "01", Op::Height,
     {{K::Button, {0, 5, 46, 17}}, {K::List, {10, 40, 40, 29}}}},
    {"ALabelAsReferenceMakesSameWidthDoNothing", PT, "01", Op::Width,
     {{K::Label, {0, 5, 0, 0}}, {K::Button, {0, 40, 46, 17}}}},
    {"ALabelAsTargetIsPassedBy", PT, "102", Op::Width,
     {{K::Label, {0, 5, 0, 0}}, {K::Button, {0, 40, 46, 17}},
      {K::Button, {0, 80, 30, 20}, {0, 80, 46, 20}}}},
    {"ControlsOfTheDialogAreAlignedAmongThemselves", PT, "123", Op::Left,
     {{K::Dialog, kDialog}, {K::Button, {70, 5, 46, 17}}, {K::Button, {30, 10, 46, 17}, {}, 0},
      {K::Button, {5, 40, 46, 17}, {30, 40, 46, 17}, 0}}},
    {"OneSelectedChangesNothing", PT, "0", Op::Right,
     {{K::Button, {7, 9, 46, 17}}}},
    {"CheckBoxAlignsLeftByPalm", CC, "01", Op::Left,
     {{K::Button, {30, 5, 40, 16}}, {K::CheckBox, {80, 40, 50, 13}, {30, 40, 50, 13}}}},
    {"CheckBoxAlignsRightByDesign", CC, "01", Op::Right,
     {{K::Button, {30, 5, 40, 16}}, {K::CheckBox, {80, 40, 50, 13}, {19, 40, 50, 13}}}},
    {"LabelsKeepTheirHeightUnderSameHeight", CC, "012", Op::Height,
     {{K::Button, {10, 5, 40, 30}}, {K::Label, {60, 50, 40, 13}},
      {K::Button, {100, 50, 40, 16}, {100, 50, 40, 30}}}},
    {"LabelsAlignTheirBottomByTheirHeight", CC, "012", Op::Bottom,
     {{K::Button, {10, 5, 40, 30}}, {K::Label, {60, 50, 40, 13}, {60, 20, 40, 13}},
      {K::Button, {100, 50, 40, 16}, {100, 19, 40, 16}}}},
    {"SameWidthSizesEveryKindThatTakesPart", CC, "012", Op::Width,
     {{K::Button, {10, 5, 40, 16}}, {K::Button, {60, 50, 50, 20}, {60, 50, 40, 20}},
      {K::Switch, {20, 90, 30, 12}, {20, 90, 40, 12}}}},
    {"CenterHalvesTheFreeSpaceTruncatingTowardZero", PT, "012", Op::CenterH,
     {{K::Button, {3, 4, 46, 14}, {57, 4, 46, 14}},
      {K::Button, {90, 40, 45, 13}, {57, 40, 45, 13}},
      {K::Button, {0, 70, 201, 14}, {-20, 70, 201, 14}}, {K::Button, {9, 100, 40, 14}}}},
    {"ASelectedDialogAndItsSelectedControlsAreCentredTogether", PT, "10", Op::CenterH,
     {{K::Dialog, {0, 20, 152, 80}, {4, 20, 152, 80}},
      {K::Button, {2, 3, 46, 14}, {53, 3, 46, 14}, 0}, {K::Button, {60, 40, 30, 14}, {}, 0}}},
    {"ControlsOfAnUnselectedDialogAreCentredInIt", PT, "1", Op::CenterV,
     {{K::Dialog, {5, 60, 152, 80}}, {K::Button, {2, 3, 46, 14}, {2, 33, 46, 14}, 0}}},
    {"SpaceMovesTheMiddleWhereTheGapsAreEqual", PT, "201", Op::SpaceH,
     {{K::Button, {0, 5, 46, 17}}, {K::Button, {10, 30, 46, 17}, {50, 30, 46, 17}},
      {K::Button, {100, 60, 46, 17}}}},
    {"ANegativeGapIsTruncatedTowardZero", PT, "012", Op::SpaceV,
     {{K::Button, {0, 0, 46, 40}}, {K::Button, {0, 20, 46, 40}, {0, 38, 46, 40}},
      {K::Button, {0, 75, 46, 40}, {0, 76, 46, 40}}}},
    {"NegativePositionsSortFirstAndTiesKeepChildOrder", PT, "012", Op::SpaceH,
     {{K::Button, {30, 0, 10, 14}, {15, 0, 10, 14}}, {K::Button, {30, 20, 30, 14}},
      {K::Button, {-10, 40, 20, 14}}}},
    {"EachGroupIsSpacedOnItsOwn", PT, "012456", Op::SpaceV,
     {{K::Button, {0, 0, 20, 14}}, {K::Button, {5, 20, 20, 14}}, {K::Button, {100, 40, 20, 14}},
      {K::Dialog, kDialog}, {K::Button, {0, 0, 20, 10}, {}, 3},
      {K::Button, {0, 3, 20, 10}, {0, 25, 20, 10}, 3}, {K::Button, {0, 50, 20, 10}, {}, 3}}},
};
// clang-format on

class LayoutCommands : public LayoutFixture, public ::testing::WithParamInterface<LayoutCase>
{
protected:
    LayoutCommands() : LayoutFixture(GetParam().library) {}
};

// Each command moves what it should, is one undo step when anything moved
// (none otherwise) and leaves the selection and its colours as they were;
// the edit invariants undo it back.
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
    bool moved = false;
    for (size_t i = 0; i < objects.size(); ++i) {
        const QRect expected = c.controls[i].end.isNull() ? before[i] : c.controls[i].end;
        EXPECT_EQ(objects[i]->bounds(), expected) << "control " << i;
        EXPECT_EQ(objects[i]->isSelected() ? objects[i]->selectColor() : 0, colours[i]) << i;
        moved = moved || expected != before[i];
    }
    EXPECT_EQ(undoSteps(), steps + (moved ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, LayoutCommands, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(LayoutFixture, LayoutCommandsDoNothingWithAnotherLibraryValue)
{
    click(placeAt(ControlKind::Button, {10, 5, 40, 16}));
    DesignObject *b = placeAt(ControlKind::Button, {60, 50, 50, 20});
    click(b, true);
    project.setLibrary(3);
    for (int op = 0; op <= int(Op::SpaceV); ++op)
        run(*form, Op(op));
    EXPECT_EQ(b->bounds(), QRect(60, 50, 50, 20));
}

// The widths come from the published advances of the handheld's fonts:
// Standard "Hello" 20, "OK" 13, "Sound" 25, "Go" 11; Large "OK" 15; Bold
// "File" 17, "New" 22, "Open" 26, "Quit" 22. Lines are 11 high (Standard,
// and the screen's face that stands for it) and 14 (Large).
struct FitCase
{
    int library;
    ControlKind kind;
    const char *text, *font; // font empty: the kind's own
    QSize fitted;            // design size
};

const FitCase kFitCases[] = {
    {kLibraryCControls, ControlKind::Label, "Hello", "", {24, 13}},
    {kLibraryCControls, ControlKind::Button, "OK", "", {23, 14}},
    {kLibraryCControls, ControlKind::Button, "OK", "Large", {25, 17}},
    {kLibraryCControls, ControlKind::CheckBox, "Sound", "", {39, 13}},
    {kLibraryPToolBox, ControlKind::Button, "Go", "", {21, 14}},
    {kLibraryPToolBox, ControlKind::Select, "Go", "", {18, 14}},
    {kLibraryPToolBox, ControlKind::CheckBox, "Sound", "", {44, 13}},
};

class FitToText : public LayoutFixture, public ::testing::WithParamInterface<FitCase>
{
protected:
    FitToText() : LayoutFixture(GetParam().library) {}
};

TEST_P(FitToText, SizesEachKindToItsTextInItsFont)
{
    const FitCase &c = GetParam();
    DesignObject *object = place(c.kind, 20, 20);
    form->perform(QStringLiteral("Edit"), [&] {
        const LibrarySupport &library = project.librarySupport();
        const bool cc = c.library == kLibraryCControls;
        library.applyPropertyValue(*object, cc ? QStringLiteral("Content") : QStringLiteral("Text"),
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
    const int steps = undoSteps() + (before.size() != c.fitted ? 1 : 0);
    // Fitting again changes nothing and records nothing.
    for (int again = 0; again < 2; ++again) {
        FitSelectedToText(*form);
        EXPECT_EQ(object->bounds(), QRect(before.topLeft(), c.fitted));
        EXPECT_EQ(list->bounds(), listBounds);
        EXPECT_TRUE(object->isSelected() && list->isSelected() && undoSteps() == steps);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, FitToText, ::testing::ValuesIn(kFitCases));

TEST_F(LayoutFixture, FitToTextSizesTheSelectedMenusTopicAndList)
{
    auto *menu = place<TCCMenu>(ControlKind::Menu);
    form->perform(QStringLiteral("Edit"), [&] {
        menu->setTopic(QStringLiteral("File"));
        menu->setItems({QStringLiteral("New"), QStringLiteral("Open"), QStringLiteral("Quit")});
    });
    FitSelectedToText(*form);
    EXPECT_EQ(std::tuple(menu->topicWidth(), menu->userWidth(), menu->width()),
              std::tuple(23, 32, 35));
    // A long topic over a short list: the design rectangle follows the topic.
    form->perform(QStringLiteral("Edit"), [&] { menu->setTopic(QStringLiteral("FileFileFile")); });
    FitSelectedToText(*form);
    EXPECT_EQ(std::tuple(menu->topicWidth(), menu->width()), std::tuple(57, 61));
}

QStringList linesOf(const DesignForm &form)
{
    QStringList lines;
    for (const OutlineEntry &entry : formOutline(form))
        lines << QString(entry.depth * 2, u' ') + entry.name + QLatin1Char(':') + entry.kind;
    return lines;
}

TEST_F(LayoutFixture, TheOutlineListsTheFormInChildOrderWithDialogsHoldingTheirControls)
{
    place(ControlKind::Label);
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    place(ControlKind::Button, 5, 20, dialog);
    place(ControlKind::Menu);
    place(ControlKind::EditLine);
    EXPECT_EQ(linesOf(*form),
              (QStringList{"Label1:Label", "Dialog2:Dialog", "  Button3:Button",
                           "EditLine5:EditLine", "MenuBarForm1:MenuBar", "Menu4:Menu"}));
    form->sendToBack(dialog);
    EXPECT_EQ(linesOf(*form).first(), QStringLiteral("Dialog2:Dialog"));
}

} // namespace

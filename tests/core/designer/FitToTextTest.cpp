#include "LayoutFixture.h"
#include "core/ccontrols/CCMenu.h"
#include "core/designer/Layout.h"

using namespace zf;
using namespace zf::test;

namespace {

// The widths come from the published advances of the handheld's fonts:
// Standard "Hello" 20, "OK" 13, "Sound" 25, "Go" 11; Large "OK" 15; Bold
// "File" 17, "New" 22, "Open" 26, "Quit" 22. Lines are 11 high (Standard,
// and the screen's face that stands for it) and 14 (Large).
struct FitCase
{
    int library;
    ControlKind kind;
    const char *row, *text, *font; // font empty: the kind's own
    QSize fitted;                  // design size
};

const FitCase kCases[] = {
    {kLibraryCControls, ControlKind::Label, "Content", "Hello", "", {24, 13}},
    {kLibraryCControls, ControlKind::Button, "Content", "OK", "", {23, 14}},
    {kLibraryCControls, ControlKind::Button, "Content", "OK", "Large", {25, 17}},
    {kLibraryCControls, ControlKind::Switch, "Content", "OK", "", {23, 14}},
    {kLibraryCControls, ControlKind::CheckBox, "Content", "Sound", "", {39, 13}},
    {kLibraryPToolBox, ControlKind::Button, "Text", "Go", "", {21, 14}},
    {kLibraryPToolBox, ControlKind::Select, "Text", "Go", "", {18, 14}},
    {kLibraryPToolBox, ControlKind::Push, "Text", "Go", "", {21, 14}},
    {kLibraryPToolBox, ControlKind::CheckBox, "Text", "Sound", "", {44, 13}},
};

class FitToText : public LayoutFixture, public ::testing::WithParamInterface<FitCase>
{
protected:
    FitToText() : LayoutFixture(GetParam().library) {}

    DesignObject *placeWithText(const FitCase &c)
    {
        DesignObject *object = place(c.kind, 20, 20);
        form->perform(QStringLiteral("Edit"), [&] {
            const LibrarySupport &library = project.librarySupport();
            library.applyPropertyValue(*object, QLatin1String(c.row), QLatin1String(c.text));
            if (*c.font)
                library.applyPropertyValue(*object, QStringLiteral("Font"), QLatin1String(c.font));
        });
        return object;
    }
};

} // namespace

TEST_P(FitToText, SizesEachKindToItsTextInItsFont)
{
    const FitCase &c = GetParam();
    DesignObject *object = placeWithText(c);
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
        EXPECT_TRUE(object->isSelected() && list->isSelected()); // the selection stays whole
        EXPECT_EQ(undoSteps(), steps);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, FitToText, ::testing::ValuesIn(kCases));

TEST_F(LayoutFixture, FitToTextSizesTheSelectedMenusTopicAndList)
{
    auto *menu = place<TCCMenu>(ControlKind::Menu);
    form->perform(QStringLiteral("Edit"), [&] {
        menu->setTopic(QStringLiteral("File"));
        menu->setItems({QStringLiteral("New"), QStringLiteral("Open"), QStringLiteral("Quit")});
    });
    ASSERT_EQ(project.selectedObject(), menu);
    FitSelectedToText(*form);
    EXPECT_EQ(menu->topicWidth(), 23);
    EXPECT_EQ(menu->userWidth(), 32);
    EXPECT_EQ(menu->width(), 35);
    // A long topic over a short list: the design rectangle follows the topic.
    form->perform(QStringLiteral("Edit"), [&] { menu->setTopic(QStringLiteral("FileFileFile")); });
    FitSelectedToText(*form);
    EXPECT_EQ(menu->topicWidth(), 57);
    EXPECT_EQ(menu->width(), 61);
}

#include "core/app/WindowPlacement.h"
#include "CommandsFixture.h"

using namespace zf;
using namespace zf::test;

namespace {

using Points = std::vector<QPoint>;

TEST(WindowPlacement, CascadesRestartAStepRightAndTilesFillRows)
{
    const QSize window(100, 150);
    EXPECT_EQ(cascadePositions(6, window, {10, 0, 300, 220}),
              (Points{{10, 0}, {34, 24}, {58, 48}, {34, 0}, {58, 24}, {82, 48}}));
    // No two windows share a place, however small the area.
    EXPECT_EQ(cascadePositions(3, window, {0, 0, 110, 190}), (Points{{0, 0}, {24, 24}, {24, 0}}));
    EXPECT_EQ(cascadePositions(3, window, {5, 5, 50, 50}), (Points{{5, 5}, {29, 5}, {53, 5}}));
    EXPECT_EQ(tilePositions(4, window, {20, 10, 350, 400}), (Points{{20, 10}, {120, 10}, {220, 10}, {20, 160}}));
    // Narrower than one window: one column.
    EXPECT_EQ(tilePositions(2, window, {0, 0, 60, 400}), (Points{{0, 0}, {0, 150}}));
}

TEST_F(CommandsFixture, NewFormsOpenCascadedFromTheOnesTheyWouldCover)
{
    const auto at = [](const DesignForm &form) { return QPoint(form.left(), form.top()); };
    DesignForm &first = forms.nuevoForm();
    DesignForm &second = forms.nuevoForm();
    EXPECT_EQ(at(forms.nuevoForm()), at(first) + 2 * QPoint(kCascadeStep, kCascadeStep));
    // A closed window leaves its place to the next new one.
    second.setShown(false);
    EXPECT_EQ(at(forms.nuevoForm()), at(first) + QPoint(kCascadeStep, kCascadeStep));
}

} // namespace

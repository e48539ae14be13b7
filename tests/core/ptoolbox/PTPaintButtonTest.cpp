// The four frames of a PToolBox button and the colours it takes from its
// container.
#include "designer/PaintTestSupport.h"
#include "model/ModelFixture.h"

#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"

namespace zf::test {
namespace {

constexpr PalmColor kRed = 0x0000FF;
constexpr PalmColor kGreen = 0x00FF00;
constexpr PalmColor kBlue = 0xFF0000;

std::string row(std::initializer_list<std::pair<int, char>> runs)
{
    std::string text;
    for (const auto &[count, c] : runs)
        text += std::string(size_t(count), c);
    return text;
}

TPTButton button46x17(int frame)
{
    TPTButton button;
    button.setUserWidth(42);
    button.setUserHeight(13);
    button.setText(QString());
    button.setColor(kTestGray);
    button.setFrame(frame);
    return button;
}

TEST(PTPaintButton, StandardFrameIsAnOctagonWithRoundedCornerPixels)
{
    const TPTButton button = button46x17(TPTButton::StandardFrame);
    ASSERT_EQ(button.width(), 46);
    ASSERT_EQ(button.height(), 17);
    // The octagon (4, 1), (41, 1), (44, 4), (44, 12), (41, 15), (4, 15),
    // (1, 12), (1, 4) and the pixels (2, 2), (43, 2), (43, 14), (2, 14).
    const std::string edge = row({{4, '-'}, {38, '#'}, {4, '-'}});
    const std::string corner = row({{2, '-'}, {2, '#'}, {38, '.'}, {2, '#'}, {2, '-'}});
    const std::string diagonal = row({{2, '-'}, {1, '#'}, {40, '.'}, {1, '#'}, {2, '-'}});
    const std::string side = row({{1, '-'}, {1, '#'}, {42, '.'}, {1, '#'}, {1, '-'}});
    const QImage image = paintAlone(button);
    EXPECT_EQ(rowOf(image, 0), std::string(46, '-'));
    EXPECT_EQ(rowOf(image, 1), edge);
    EXPECT_EQ(rowOf(image, 2), corner);
    EXPECT_EQ(rowOf(image, 3), diagonal);
    for (int y = 4; y <= 12; ++y)
        EXPECT_EQ(rowOf(image, y), side) << y;
    EXPECT_EQ(rowOf(image, 13), diagonal);
    EXPECT_EQ(rowOf(image, 14), corner);
    EXPECT_EQ(rowOf(image, 15), edge);
    EXPECT_EQ(rowOf(image, 16), std::string(46, '-'));
}

TEST(PTPaintButton, SquareFrameAndNoFrame)
{
    const QImage square = paintAlone(button46x17(TPTButton::SquareFrame));
    EXPECT_EQ(rowOf(square, 1), row({{1, '-'}, {44, '#'}, {1, '-'}}));
    // The corner pixels take the fill.
    EXPECT_EQ(rowOf(square, 2), row({{1, '-'}, {1, '#'}, {42, '.'}, {1, '#'}, {1, '-'}}));
    EXPECT_EQ(rowOf(square, 15), row({{1, '-'}, {44, '#'}, {1, '-'}}));

    const QImage none = paintAlone(button46x17(TPTButton::NoFrame));
    EXPECT_EQ(rowOf(none, 1), row({{1, '-'}, {43, '.'}, {2, '-'}}));
    EXPECT_EQ(rowOf(none, 14), row({{1, '-'}, {43, '.'}, {2, '-'}}));
    EXPECT_EQ(rowOf(none, 15), std::string(46, '-'));
}

TEST(PTPaintButton, BoldFrameIsTwoPixelsWide)
{
    const QImage image = paintAlone(button46x17(TPTButton::BoldFrame));
    const std::string outer = row({{5, '-'}, {35, '#'}, {6, '-'}});
    const std::string widest = row({{3, '#'}, {39, '.'}, {3, '#'}, {1, '-'}});
    const std::string bars = row({{2, '#'}, {41, '.'}, {2, '#'}, {1, '-'}});
    EXPECT_EQ(rowOf(image, 0), outer);
    EXPECT_EQ(rowOf(image, 1), row({{3, '-'}, {39, '#'}, {4, '-'}}));
    EXPECT_EQ(rowOf(image, 2), row({{2, '-'}, {4, '#'}, {33, '.'}, {4, '#'}, {3, '-'}}));
    EXPECT_EQ(rowOf(image, 5), widest);
    for (int y = 6; y <= 10; ++y)
        EXPECT_EQ(rowOf(image, y), bars) << y;
    EXPECT_EQ(rowOf(image, 11), widest);
    EXPECT_EQ(rowOf(image, 16), outer);
}

TEST(PTPaintButton, UnknownFrameDrawsAsStandard)
{
    EXPECT_EQ(paintAlone(button46x17(9)), paintAlone(button46x17(TPTButton::StandardFrame)));
}

class PTPaintButtonInDialog : public PToolBoxFixture
{
protected:
    TPTButton *placeInDialog()
    {
        TPTDialog *dialog = form->newDialog(QStringLiteral("Dl1"));
        dialog->setColorFill(kRed);
        dialog->setColorText(kGreen);
        dialog->setColorFrame(kBlue);
        auto *button = place<TPTButton>(ControlKind::Button, 10, 20, dialog);
        EXPECT_EQ(button->palmForm(), dialog);
        button->setText(QStringLiteral("X"));
        return button;
    }
};

TEST_F(PTPaintButtonInDialog, RepeatingButtonTakesTheDialogsFillAndText)
{
    TPTButton *button = placeInDialog();
    button->setButtonType(1);
    const QImage image = paintAlone(*button);
    EXPECT_EQ(colorAt(image, 5, 8), kRed);
    EXPECT_EQ(colorAt(image, 5, 1), kBlue);
    EXPECT_EQ(colorAt(image, 2, 2), kBlue);
    // (46 - 6) / 2 = 20, (17 - 13) / 2 = 2.
    expectTextAt(image, QRect(4, 3, 38, 11), QStringLiteral("PalmText9"), QStringLiteral("X"), 20,
                 2, kGreen);
}

TEST_F(PTPaintButtonInDialog, StandardButtonKeepsItsOwnFillAndText)
{
    TPTButton *button = placeInDialog();
    const QImage image = paintAlone(*button);
    EXPECT_EQ(colorAt(image, 5, 8), kPalmWhite);
    EXPECT_EQ(colorAt(image, 5, 1), kBlue);
    expectTextAt(image, QRect(4, 3, 38, 11), QStringLiteral("PalmText9"), QStringLiteral("X"), 20,
                 2, kPalmBlack);
    // Around the octagon the dialog's body shows.
    EXPECT_EQ(colorAt(image, 0, 0), kPalmWhite);
}

} // namespace
} // namespace zf::test

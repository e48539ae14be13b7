// The dialog both libraries share: its rounded frame, title bar, centred
// title, grid and handles.
#include "designer/PaintTestSupport.h"
#include "model/ModelFixture.h"

#include "core/model/PTDialog.h"

namespace zf::test {
namespace {

constexpr PalmColor kGreen = 0x00FF00;

class PTPaintDialog : public PToolBoxFixture
{
protected:
    TPTDialog *newDialog()
    {
        // Gray around the dialog tells the screen from the dialog's body.
        form->screen()->setColorFormFill(kPalmGray);
        TPTDialog *dialog = form->newDialog(QStringLiteral("Dl1"));
        EXPECT_EQ(dialog->bounds(), QRect(3, 58, 156, 84));
        return dialog;
    }
};

TEST_F(PTPaintDialog, FrameIsTwoPixelsWideWithRoundedCorners)
{
    TPTDialog *dialog = newDialog();
    dialog->setTitle(QString());
    const QImage image = paintAlone(*dialog);
    EXPECT_EQ(rowOf(image, 0), "--" + std::string(152, '#') + "--");
    EXPECT_EQ(rowOf(image, 1), "-" + std::string(154, '#') + "-");
    EXPECT_EQ(rowOf(image, 13), std::string(156, '#'));
    EXPECT_EQ(rowOf(image, 14), "##" + std::string(152, '.') + "##");
    EXPECT_EQ(rowOf(image, 82), "-" + std::string(154, '#') + "-");
    EXPECT_EQ(rowOf(image, 83), "--" + std::string(152, '#') + "--");
    EXPECT_EQ(columnOf(image, 0), "--" + std::string(80, '#') + "--");
    EXPECT_EQ(columnOf(image, 1), "-" + std::string(82, '#') + "-");
    EXPECT_EQ(columnOf(image, 2), std::string(14, '#') + std::string(67, '.') + "###");
    EXPECT_EQ(columnOf(image, 3), std::string(14, '#') + std::string(68, '.') + "##");
    EXPECT_EQ(columnOf(image, 153), columnOf(image, 2));
    EXPECT_EQ(columnOf(image, 154), columnOf(image, 1));
    EXPECT_EQ(columnOf(image, 155), columnOf(image, 0));
}

TEST_F(PTPaintDialog, TitleFortyPixelsWideIsCentredAtFiftyEight)
{
    TPTDialog *dialog = newDialog();
    dialog->setTitle(QStringLiteral("Options"));
    ASSERT_EQ(palmFont(QStringLiteral("PilotBold")).textWidth(QStringLiteral("Options")), 40);
    expectTextAt(paintAlone(*dialog), QRect(2, 2, 152, 12), QStringLiteral("PilotBold"),
                 QStringLiteral("Options"), 58, 2, kPalmWhite);

    // The title is written in the body's colour.
    dialog->setColorDialogFill(kGreen);
    expectTextAt(paintAlone(*dialog), QRect(2, 2, 152, 12), QStringLiteral("PilotBold"),
                 QStringLiteral("Options"), 58, 2, kGreen);
}

TEST_F(PTPaintDialog, GridOfSpaceSixPutsADotEveryFivePixels)
{
    form->screen()->setGridVisible(1);
    form->screen()->setGridSpace(6);
    TPTDialog *dialog = newDialog();
    ASSERT_EQ(dialog->gridVisible(), 1);
    ASSERT_EQ(dialog->gridSpace(), 6);
    const QImage image = paintAlone(*dialog);
    EXPECT_EQ(rowOf(image, 15).substr(3, 13), "..-....-....-");
    EXPECT_EQ(rowOf(image, 16).substr(2, 152), std::string(152, '.'));
    EXPECT_EQ(rowOf(image, 80).substr(3, 13), "..-....-....-");
    EXPECT_EQ(colorAt(image, 150, 75), kPalmGray);
    // The title bar covers the grid.
    EXPECT_EQ(colorAt(image, 5, 5), kPalmBlack);
}

TEST_F(PTPaintDialog, GridOnAGrayBodyIsWhite)
{
    form->screen()->setGridVisible(1);
    TPTDialog *dialog = newDialog();
    dialog->setColorDialogFill(kPalmGray);
    const QImage image = paintAlone(*dialog);
    // Space 4: a dot every 3 pixels.
    EXPECT_EQ(rowOf(image, 15).substr(2, 8), "-.--.--.");
    EXPECT_EQ(rowOf(image, 16).substr(2, 8), "--------");
}

TEST_F(PTPaintDialog, SelectedDialogShowsEightHandles)
{
    TPTDialog *dialog = newDialog();
    dialog->setSelected(true);
    dialog->setSelectColor(kGreen);
    const QImage image = paintAlone(*dialog);
    for (const QPoint p : {QPoint(0, 0), QPoint(77, 0), QPoint(153, 0), QPoint(153, 41),
                           QPoint(153, 81), QPoint(77, 81), QPoint(0, 81), QPoint(0, 41)})
        expectSquare(image, p.x(), p.y(), kGreen);
    EXPECT_EQ(colorAt(image, 76, 0), kPalmBlack);
    EXPECT_EQ(colorAt(image, 0, 40), kPalmBlack);
}

} // namespace
} // namespace zf::test

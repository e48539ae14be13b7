// A whole form's picture: the device around the screen, objects in child
// order and clipped to their containers, what is hidden left out, and the
// menus of the window over the screen.
#include "designer/PaintTestSupport.h"
#include "model/ModelFixture.h"

#include "core/canvas/DevicePicture.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCButton.h"
#include "core/designer/FormPicture.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

namespace zf::test {
namespace {

constexpr PalmColor kRed = 0x0000FF;
constexpr PalmColor kGreen = 0x00FF00;

using FormRendererTest = ModelFixture;

TEST_F(FormRendererTest, TheScreenLiesInTheDeviceAndLaterChildrenOnTop)
{
    auto *first = place<TCCButton>(ControlKind::Button, 20, 30);
    auto *second = place<TCCButton>(ControlKind::Button, 30, 34);
    for (TCCButton *button : {first, second})
        button->setContent(QString());
    first->setColorFill(kRed);
    second->setColorFill(kGreen);
    const QImage screen = renderForm(*form, RenderArea::Screen);
    EXPECT_EQ(renderForm(*form).copy(4, 2, 160, 160), screen);
    EXPECT_EQ(colorAt(screen, 40, 38), kGreen); // inside both faces
    form->bringToFront(first);
    EXPECT_EQ(colorAt(renderForm(*form, RenderArea::Screen), 40, 38), kRed);
}

// The label's box would reach x = 4 + 181; the device shows right of 163.
TEST_F(FormRendererTest, ObjectsAreClippedToTheScreen)
{
    auto *label = place<TCCLabel>(ControlKind::Label, 150, 50);
    label->setStyle(2);
    label->setLine(1);
    const QImage device = renderForm(*form);
    EXPECT_EQ(colorAt(device, 4 + 159, 2 + 50), kPalmBlack);
    for (int x = 164; x < 167; ++x)
        EXPECT_EQ(device.pixel(x, 2 + 50), devicePicture().pixel(x, 2 + 50)) << x;
}

// Hidden dialogs, closed pop-ups, controls without area and hidden menus
// leave the picture as it was.
TEST_F(FormRendererTest, WhatIsHiddenIsNotDrawn)
{
    const QImage before = renderForm(*form);
    TPTDialog *dialog = form->newDialog(QStringLiteral("Dl1"));
    place(ControlKind::Button, 20, 30, dialog);
    EXPECT_NE(renderForm(*form), before);
    form->hideDialog(dialog);
    auto *popUp = place<TCCPopUp>(ControlKind::PopUp, 20, 30);
    EXPECT_NE(renderForm(*form), before);
    popUp->setTest(0);
    auto *label = place<TCCLabel>(ControlKind::Label, 60, 60);
    label->setStyle(2);
    label->setLine(1);
    for (int width : {0, -5}) {
        label->setWidth(width);
        EXPECT_EQ(renderForm(*form), before) << width;
    }
    // The open menu and its bar (their looks are in the golden pictures).
    auto *menu = place<TCCMenu>(ControlKind::Menu);
    EXPECT_NE(renderForm(*form), before);
    menuBarOf(*form)->setTest(0);
    menu->setVisible(false);
    EXPECT_EQ(renderForm(*form), before);
}

// The face covers the dialog's frame up to its last column, 155, and no
// further.
using DialogRendererTest = PToolBoxFixture;

TEST_F(DialogRendererTest, ControlsOfADialogAreClippedToIt)
{
    TPTDialog *dialog = form->newDialog(QStringLiteral("Dl1"));
    ASSERT_EQ(dialog->bounds(), QRect(3, 58, 156, 84));
    auto *button = place<TPTButton>(ControlKind::Button, 140, 20, dialog);
    button->setText(QString());
    button->setColorFill(kRed);
    button->setFrame(TPTButton::SquareFrame);
    ASSERT_EQ(button->bounds(), QRect(138, 18, 46, 17));
    const QImage screen = renderForm(*form, RenderArea::Screen);
    EXPECT_EQ(colorAt(screen, 3 + 155, 58 + 28), kRed);
    EXPECT_EQ(colorAt(screen, 3 + 156, 58 + 28), kPalmWhite);
}

TEST_F(FormRendererTest, RenderingAgainLeavesAnEarlierPictureAlone)
{
    FormRenderer renderer;
    const QImage kept = renderer.render(*form);
    const QImage copy = kept.copy();
    place(ControlKind::Button, 20, 30);
    const QImage &next = renderer.render(*form);
    EXPECT_EQ(kept, copy);
    EXPECT_NE(next, kept);
}

TEST(FormPicture, FitsInsideTheSizeByWholeFactorsOrNearestPixels)
{
    QImage device(167, 226, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x)
            device.setPixel(x, y, random.generate() | 0xFF000000u);
    const std::pair<int, QSize> cases[] = {{1000, {668, 904}}, {903, {501, 678}}, {451, {167, 226}},
                                           {225, {166, 225}},  {128, {94, 128}},  {1, {1, 1}}};
    for (const auto &[size, expected] : cases) {
        const QImage fitted = fittedPicture(device, size);
        ASSERT_EQ(fitted.size(), expected) << size;
        // Never smoothed: each pixel is the picture's where its centre falls.
        const double sx = double(device.width()) / fitted.width();
        const double sy = double(device.height()) / fitted.height();
        for (int y = 0; y < fitted.height(); y += 7) {
            for (int x = 0; x < fitted.width(); x += 5) {
                const int fx = std::min(int((x + 0.5) * sx), device.width() - 1);
                const int fy = std::min(int((y + 0.5) * sy), device.height() - 1);
                bool near = false;
                for (int dy = -1; dy <= 1 && !near; ++dy)
                    for (int dx = -1; dx <= 1 && !near; ++dx)
                        near = device.valid(fx + dx, fy + dy) &&
                               device.pixel(fx + dx, fy + dy) == fitted.pixel(x, y);
                ASSERT_TRUE(near) << size << " at " << x << ", " << y;
            }
        }
    }
    // A picture that cannot be written leaves nothing and says why.
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writePng(device, dir.filePath(QStringLiteral("none/x.png")), &error));
    EXPECT_FALSE(error.isEmpty());
    const QString png = dir.filePath(QStringLiteral("x.png"));
    EXPECT_TRUE(writePng(device, png, &error));
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), device);
}

} // namespace
} // namespace zf::test

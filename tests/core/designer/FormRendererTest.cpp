// Golden pictures checked by eye; a difference writes the actual one to render-failures/.
#include "ccontrols/PaintCase.h"
#include "model/ModelFixture.h"

#include "core/base/IniDocument.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCButton.h"
#include "core/designer/FormPicture.h"
#include "core/files/FormFile.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTList.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

namespace zf::test {
namespace {

using FormRendererTest = ModelFixture;

// The label's box would reach x = 4 + 181; the device shows right of 163.
TEST_F(FormRendererTest, TheScreenLiesInTheDeviceClippingItsObjectsAndLaterChildrenOnTop)
{
    auto *label = place<TCCLabel>(ControlKind::Label, 150, 50);
    label->setStyle(2);
    label->setLine(1);
    auto *first = place<TCCButton>(ControlKind::Button, 20, 30);
    auto *second = place<TCCButton>(ControlKind::Button, 30, 34);
    for (TCCButton *button : {first, second})
        button->setContent(QString());
    first->setColorFill(kRed);
    second->setColorFill(kGreen);
    const QImage device = renderForm(*form), screen = renderForm(*form, RenderArea::Screen);
    EXPECT_EQ(device.copy(4, 2, 160, 160), screen);
    EXPECT_EQ(colorAt(device, 4 + 159, 2 + 50), kPalmBlack);
    EXPECT_EQ(colorAt(screen, 40, 38), kGreen); // inside both faces
    form->bringToFront(first);
    EXPECT_EQ(colorAt(renderForm(*form, RenderArea::Screen), 40, 38), kRed);
}

// Hidden dialogs, closed pop-ups, controls without area and hidden menus
// leave the picture as it was.
TEST_F(FormRendererTest, WhatIsHiddenIsNotDrawn)
{
    const QImage before = renderForm(*form);
    TPTDialog *dialog = form->newDialog(QStringLiteral("Dl1"));
    place(ControlKind::Button, 20, 30, dialog);
    form->hideDialog(dialog);
    place<TCCPopUp>(ControlKind::PopUp, 20, 30)->setTest(0);
    auto *label = place<TCCLabel>(ControlKind::Label, 60, 60);
    label->setStyle(2);
    label->setLine(1);
    label->setWidth(-5);
    auto *menu = place<TCCMenu>(ControlKind::Menu);
    menuBarOf(*form)->setTest(0);
    menu->setVisible(false);
    EXPECT_EQ(renderForm(*form), before);
}

TEST(FormPicture, FitsInsideTheSizeByWholeFactorsOrNearestPixels)
{
    QImage device(167, 226, QImage::Format_RGB32);
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x)
            device.setPixel(x, y, qRgb(x, y, (x * 97 + y * 57) & 0xFF));
    const std::pair<int, QSize> cases[] = {
        {903, {501, 678}}, {451, {167, 226}}, {225, {166, 225}}, {1, {1, 1}}};
    for (const auto &[size, expected] : cases) {
        const QImage fitted = fittedPicture(device, size);
        ASSERT_EQ(fitted.size(), expected) << size;
        // Never smoothed: a blend of neighbours breaks a pixel's own check.
        for (int y = 0; y < fitted.height(); y += 7)
            for (int x = 0; x < fitted.width(); x += 5) {
                const QRgb p = fitted.pixel(x, y);
                ASSERT_EQ(qBlue(p), (qRed(p) * 97 + qGreen(p) * 57) & 0xFF) << size;
            }
    }
    // A picture that cannot be written leaves nothing and says why.
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writePng(device, dir.filePath(QStringLiteral("none/x.png")), &error));
    EXPECT_FALSE(error.isEmpty() || QDir(dir.path()).exists(QStringLiteral("none")));
    const QString png = dir.filePath(QStringLiteral("x.png"));
    EXPECT_TRUE(writePng(device, png, &error));
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), device);
}

void expectGolden(const QImage &actual, const QString &name)
{
    const QString goldenPath =
        QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/render/") + name + QStringLiteral(".png");
    const QImage golden = QImage(goldenPath).convertToFormat(QImage::Format_RGB32);
    if (golden == actual)
        return;
    QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../render-failures"));
    dir.mkpath(QStringLiteral("."));
    actual.save(dir.filePath(name + QStringLiteral("-actual.png")));
    ADD_FAILURE() << name.toStdString() << ": the picture differs from " << goldenPath.toStdString()
                  << "; pictures in " << dir.path().toStdString();
}

// The form of every kind, loaded from its file beside the picture; the test
// sets what a file does not keep: the grid, open menus, the selection, and
// looks a user cannot set.
void loadGolden(DesignForm &form, const QString &name)
{
    IniDocument doc;
    EXPECT_TRUE(doc.open(QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/render/") + name +
                         QStringLiteral(".zsc")));
    EXPECT_TRUE(readForm(form, doc).empty());
    form.deselectAll();
}

template <typename T> T *named(const DesignForm &form, const char *name)
{
    return objectCast<T>(form.findOwned(QLatin1String(name)));
}

using GoldenCControlsForm = ModelFixture;

TEST_F(GoldenCControlsForm, EveryKindLooksAsChecked)
{
    loadGolden(*form, QStringLiteral("ccontrols"));
    for (DesignContainer *container :
         std::initializer_list<DesignContainer *>{form->screen(), form->currentDialog()}) {
        container->setGridVisible(1);
        container->setGridSpace(6);
    }
    named<TCCEdit>(*form, "EditLine8")->setAlignment(TextAlignment::Right);
    named<TCCMenuBar>(*form, "MenuBarForm1")->setTest(1);
    named<TCCMenu>(*form, "Menu2")->setTest(1);
    form->selectControl(form->findOwned(QStringLiteral("Button3")), true, false);
    expectGolden(renderForm(*form), QStringLiteral("ccontrols"));
}

using GoldenPToolBoxForm = PToolBoxFixture;

TEST_F(GoldenPToolBoxForm, EveryKindLooksAsChecked)
{
    loadGolden(*form, QStringLiteral("ptoolbox"));
    named<TPTList>(*form, "List11")->setStyle(TPTList::PopupList);
    form->selectControl(form->findOwned(QStringLiteral("Field12")), true, false);
    form->selectControl(form->findOwned(QStringLiteral("GSI13")), true, true);
    expectGolden(renderForm(*form), QStringLiteral("ptoolbox"));
}

} // namespace
} // namespace zf::test

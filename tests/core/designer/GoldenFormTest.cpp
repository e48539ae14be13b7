// One form of every kind per library, drawn whole and compared with the
// picture checked by eye. A difference writes the actual picture and, in
// red, the differing pixels to render-failures/ beside the test program.
#include "designer/PaintTestSupport.h"
#include "model/ModelFixture.h"

#include "core/base/IniDocument.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/controls/CCButton.h"
#include "core/files/FormFile.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTList.h"

#include <QCoreApplication>
#include <QDir>

namespace zf::test {
namespace {

void expectGolden(const QImage &actual, const QString &name)
{
    const QString goldenPath =
        QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/render/") + name + QStringLiteral(".png");
    const QImage golden = QImage(goldenPath).convertToFormat(QImage::Format_RGB32);
    if (golden == actual)
        return;
    QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../render-failures"));
    dir.mkpath(QStringLiteral("."));
    QImage diff = actual.copy();
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (!golden.valid(x, y) || actual.pixel(x, y) != golden.pixel(x, y)) {
                diff.setPixel(x, y, qRgb(255, 0, 0));
                ++differing;
            }
    actual.save(dir.filePath(name + QStringLiteral("-actual.png")));
    diff.save(dir.filePath(name + QStringLiteral("-diff.png")));
    ADD_FAILURE() << name.toStdString() << ": " << differing << " pixels differ from "
                  << goldenPath.toStdString() << "; pictures in " << dir.path().toStdString();
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
    auto *select = named<TCCButton>(*form, "Select5");
    select->setRadius(0);
    select->setLine(2);
    named<TPTList>(*form, "List11")->setStyle(TPTList::PopupList);
    form->selectControl(form->findOwned(QStringLiteral("Field12")), true, false);
    form->selectControl(form->findOwned(QStringLiteral("GSI13")), true, true);
    expectGolden(renderForm(*form), QStringLiteral("ptoolbox"));
}

} // namespace
} // namespace zf::test

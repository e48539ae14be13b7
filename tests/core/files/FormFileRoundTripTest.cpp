// Form files of both libraries: what saving writes, what loading reads back,
// and the states a loaded form starts in that its bytes do not show.
#include "FormFileSupport.h"
#include "model/ModelFixture.h"

#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"

using namespace zf;
using namespace zf::test;

namespace {

class FormFileTrip : public ModelFixture, public ::testing::WithParamInterface<int>
{
protected:
    FormFileTrip() : ModelFixture(GetParam()) {}
};

using FormFileState = ModelFixture;
using PTFormFileState = PToolBoxFixture;

} // namespace

// The golden file holds every kind with every key; the sparse one leaves keys
// out, so its records take their defaults, and holds values a form never
// saves (numbers in hex, a list without its count, an alignment of 7, a
// select's stored width), which read as what the designer would have saved.
TEST_P(FormFileTrip, FilesSaveAsTheDesignerWouldHaveSavedThem)
{
    const QString prefix = GetParam() == kLibraryCControls ? "ccontrols" : "ptoolbox";
    for (const auto &[input, expected] : {std::pair{"-all.zsc", "-all.zsc"},
                                          std::pair{"-sparse.zsc", "-sparse-resaved.zsc"}}) {
        DesignForm *loaded = loadForm(project, goldenDocument(prefix + QLatin1String(input)));
        EXPECT_EQ(formBytes(*loaded).toStdString(),
                  fileBytes(goldenForm(prefix + QLatin1String(expected))).toStdString())
            << input;
    }
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, FormFileTrip,
                         ::testing::Values(kLibraryCControls, kLibraryPToolBox),
                         [](const auto &info) {
                             return info.param == kLibraryCControls ? "CControls" : "PToolBox";
                         });

// A wrong mapping made the same way on reading and writing keeps the bytes
// and still shows the wrong thing; a loaded form's open dialog and closed
// menus are not in its bytes either.
TEST_F(FormFileState, TheGoldenFilesLoadIntoTheirObjects)
{
    const DesignForm *f = loadForm(project, goldenDocument(u"ccontrols-all.zsc"));
    EXPECT_EQ(objectCast<TCCLabel>(f->findOwned(QStringLiteral("Lb2")))->alignment(), TextAlignment::Center);
    EXPECT_EQ(f->currentDialog(), f->findOwned(QStringLiteral("Dl13")));
    ASSERT_TRUE(menuBarOf(*f) && !menuBarOf(*f)->isVisible());
    for (TCCMenu *menu : menusOf(*f))
        EXPECT_EQ(menu->height(), 15);
}

TEST_F(PTFormFileState, ThePToolBoxGoldenFileKeepsTheDesignRectangle)
{
    const DesignForm *f = loadForm(project, goldenDocument(u"ptoolbox-all.zsc"));
    const auto *button = objectCast<TPTButton>(f->findOwned(QStringLiteral("Button1")));
    EXPECT_EQ(QRect(button->userLeft(), button->userTop(), button->userWidth(), button->userHeight()),
              QRect(20, 30, 42, 13));
    EXPECT_EQ(f->findOwned(QStringLiteral("Button13"))->palmForm(), f->currentDialog());
}

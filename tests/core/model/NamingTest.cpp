#include "ModelFixture.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCMenu.h"
#include "core/controls/CCButton.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

using Naming = ModelFixture;

TEST_F(Naming, SkipsNamesAlreadyOnTheForm)
{
    // As a form loaded from a file may hold: a Button4 while the counter is 3,
    // and a dialog named Dialog6.
    for (int i = 0; i < 3; ++i)
        place(ControlKind::Label);
    auto loaded = std::make_unique<TCCButton>();
    loaded->setName(QStringLiteral("Button4"));
    form->addObject(std::move(loaded), form->screen());
    EXPECT_EQ(place(ControlKind::Button)->name(), QStringLiteral("Button5"));

    auto dialog = std::make_unique<TPTDialog>();
    dialog->setName(QStringLiteral("Dialog6"));
    form->addObject(std::move(dialog), form->screen());
    EXPECT_EQ(project.controlCounter(), 5);
    EXPECT_EQ(place(ControlKind::Dialog)->name(), QStringLiteral("Dialog7"));
}

TEST_F(Naming, SkipsNamesInDialogsMenusAndOtherLetterCases)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog); // Dialog1
    auto inside = std::make_unique<TCCLabel>();
    inside->setName(QStringLiteral("button2"));
    form->addObject(std::move(inside), dialog);
    // Component names ignore letter case, so "Button2" is taken.
    EXPECT_EQ(place(ControlKind::Button)->name(), QStringLiteral("Button3"));

    auto *menu = place<TCCMenu>(ControlKind::Menu);
    EXPECT_EQ(menu->name(), QStringLiteral("Menu4"));
    menu->setName(QStringLiteral("Button5"));
    EXPECT_EQ(place(ControlKind::Button)->name(), QStringLiteral("Button6"));
}

// One counter serves every kind, library and form.
TEST_F(Naming, ShortNamesShareTheLabelPrefixAndNeverCollide)
{
    project.setShortNames(true);
    EXPECT_EQ(place(ControlKind::ListBox)->name(), QStringLiteral("Lb1"));
    EXPECT_EQ(place(ControlKind::Label)->name(), QStringLiteral("Lb2"));
    EXPECT_EQ(place(ControlKind::EditLine)->name(), QStringLiteral("El3"));
    project.setLibrary(kLibraryPToolBox);
    form = project.addForm(QStringLiteral("Form2"));
    EXPECT_EQ(place(ControlKind::List)->name(), QStringLiteral("Lb4"));
    EXPECT_EQ(place(ControlKind::Gsi)->name(), QStringLiteral("GSI5"));
    EXPECT_EQ(project.nextFormName(), QStringLiteral("Fm1"));
    project.setShortNames(false);
    EXPECT_EQ(project.nextFormName(), QStringLiteral("Form2"));
}

TEST_F(Naming, RenameRefusesInvalidTakenAndFormSectionNames)
{
    DesignObject *button = place(ControlKind::Button);
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    place(ControlKind::Label, 5, 5, dialog);
    place(ControlKind::Menu);
    const QString taken = QStringLiteral("A component named %1 already exists");
    const QString invalid = QStringLiteral("'%1' is not a valid component name");
    const std::pair<const char *, QString> cases[] = {
        {"OkButton", QString()},
        {"button1", QString()}, // itself in another case
        {"label3", taken},      // inside a dialog, in any case
        {"Dialog2", taken},
        {"Menu4", taken},
        {"MenuBarForm1", taken},
        {"panScreen", taken},
        {"2nd", invalid},
        {"my button", invalid},
        {"", invalid},
        {"FORM", invalid}, // the form file's own section, in any case
        {"form", invalid},
    };
    for (const auto &[name, error] : cases)
        EXPECT_EQ(form->renameError(button, QLatin1String(name)),
                  error.isEmpty() ? error : error.arg(QLatin1String(name)))
            << name;
}

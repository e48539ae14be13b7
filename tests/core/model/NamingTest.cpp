#include "ModelFixture.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCMenu.h"
#include "core/controls/CCButton.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

using Naming = ModelFixture;

TEST_F(Naming, OneCounterServesEveryKindAndForm)
{
    EXPECT_EQ(place(ControlKind::Button)->name(), QStringLiteral("Button1"));
    EXPECT_EQ(place(ControlKind::Label)->name(), QStringLiteral("Label2"));
    EXPECT_EQ(place(ControlKind::Button)->name(), QStringLiteral("Button3"));

    form = project.addForm(QStringLiteral("Form2"));
    EXPECT_EQ(place(ControlKind::Button)->name(), QStringLiteral("Button4"));
}

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

TEST_F(Naming, ShortNamesShareTheLabelPrefix)
{
    project.setShortNames(true);
    EXPECT_EQ(place(ControlKind::ListBox)->name(), QStringLiteral("Lb1"));
    EXPECT_EQ(place(ControlKind::Label)->name(), QStringLiteral("Lb2"));
    EXPECT_EQ(place(ControlKind::EditLine)->name(), QStringLiteral("El3"));
    EXPECT_EQ(project.nextFormName(), QStringLiteral("Fm1"));
    project.setShortNames(false);
    EXPECT_EQ(project.nextFormName(), QStringLiteral("Form2"));
}

TEST_F(Naming, RenameRefusesInvalidTakenAndFormSectionNames)
{
    DesignObject *button = place(ControlKind::Button);
    place(ControlKind::Label);
    EXPECT_EQ(form->renameError(button, QStringLiteral("OkButton")), QString());
    EXPECT_EQ(form->renameError(button, QStringLiteral("button1")), QString()); // itself
    EXPECT_EQ(form->renameError(button, QStringLiteral("label2")),
              QStringLiteral("A component named label2 already exists"));
    EXPECT_EQ(form->renameError(button, QStringLiteral("panScreen")),
              QStringLiteral("A component named panScreen already exists"));
    EXPECT_EQ(form->renameError(button, QStringLiteral("2nd")),
              QStringLiteral("'2nd' is not a valid component name"));
    EXPECT_EQ(form->renameError(button, QStringLiteral("my button")),
              QStringLiteral("'my button' is not a valid component name"));
    EXPECT_EQ(form->renameError(button, QString()),
              QStringLiteral("'' is not a valid component name"));
    EXPECT_EQ(form->renameError(button, QStringLiteral("Form")),
              QStringLiteral("'Form' is not a valid component name"));
}

TEST_F(Naming, WindowOrderPutsTheMostRecentlyActivatedFormFirst)
{
    DesignForm *second = project.addForm(QStringLiteral("Form2"));
    DesignForm *third = project.addForm(QStringLiteral("Form3"));
    EXPECT_EQ(project.formsInWindowOrder(), std::vector<DesignForm *>({third, second, form}));
    project.setCurrentDesignWindow(second);
    project.setCurrentDesignWindow(form);
    EXPECT_EQ(project.formsInWindowOrder(), std::vector<DesignForm *>({form, second, third}));
    project.destroyAllForms();
    EXPECT_TRUE(project.formsInWindowOrder().empty());
}

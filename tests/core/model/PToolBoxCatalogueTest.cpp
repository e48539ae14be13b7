#include "ModelFixture.h"
#include "core/canvas/TextMetrics.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTGsi.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPopTrigger.h"

using namespace zf;
using namespace zf::test;

using PToolBoxCatalogue = PToolBoxFixture;

namespace {

FontValue fontNamed(const char *name)
{
    FontValue font;
    font.setName(QLatin1String(name));
    return font;
}

} // namespace

TEST_F(PToolBoxCatalogue, PlacesButtonsByTheirPalmCorner)
{
    auto *button = place<TPTButton>(ControlKind::Button, 20, 30);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->bounds(), QRect(18, 28, 46, 17));
    EXPECT_EQ(button->userLeft(), 20);
    EXPECT_EQ(button->userWidth(), 42);
    EXPECT_EQ(button->userHeight(), 13);
    EXPECT_EQ(button->text(), QStringLiteral("Button1"));
    EXPECT_EQ(button->palmForm(), form->screen());

    auto *label = place<TPTLabel>(ControlKind::Label, 20, 30);
    EXPECT_EQ(label->left(), 20);
    EXPECT_EQ(label->top(), 30);
}

TEST_F(PToolBoxCatalogue, NewControlsTakeTheirKindsSettings)
{
    auto *box = place<TPTCheckbox>(ControlKind::CheckBox);
    EXPECT_EQ(box->height(), 15);
    auto *push = place<TCCSwitch>(ControlKind::Push);
    EXPECT_EQ(push->userHeight(), 13);
    EXPECT_EQ(push->tag(), 0);
    auto *radio = place<TCCRadio>(ControlKind::Radio);
    EXPECT_EQ(radio->tag(), 1);
    EXPECT_EQ(radio->userHeight(), 13);
    EXPECT_EQ(radio->items(), QStringList({"A", "B", "C"}));
    auto *trigger = place<TPTPopTrigger>(ControlKind::PopTrigger);
    EXPECT_EQ(trigger->text(), QStringLiteral("Pop"));
    EXPECT_EQ(trigger->height(), 15);
    auto *field = place<TPTEdit>(ControlKind::Field);
    EXPECT_EQ(field->text(), QStringLiteral("Field"));
    EXPECT_EQ(field->maxChars(), 20);
    EXPECT_EQ(field->palmForm(), nullptr); // a field has no container colours
    EXPECT_EQ(place(ControlKind::PopTrigger)->name(), QStringLiteral("Pop6"));
    EXPECT_EQ(place(ControlKind::Gsi)->bounds().size(), QSize(8, 9));
}

TEST_F(PToolBoxCatalogue, SelectBoxIsAsWideAsItsText)
{
    auto *select = place<TCCButton>(ControlKind::Select, 20, 30);
    ASSERT_TRUE(select);
    EXPECT_EQ(select->tag(), TCCButton::kSelectTag);
    EXPECT_EQ(select->line(), 2);
    EXPECT_EQ(select->radius(), 0);
    EXPECT_EQ(select->dotTitle(), QStringLiteral("Select..."));
    EXPECT_EQ(select->userLeft(), 20);
    EXPECT_EQ(select->height(), 15);
    const int textWidth = zf::textWidth(select->font(), QStringLiteral("Select1"));
    EXPECT_EQ(select->width(), textWidth + 7);
    select->setWidth(100);
    EXPECT_EQ(select->width(), textWidth + 7);
    select->setContent(QString());
    EXPECT_EQ(select->width(), 7);
}

TEST_F(PToolBoxCatalogue, LabelFitsItsTextAndGsiKeepsItsSize)
{
    auto *label = place<TPTLabel>(ControlKind::Label);
    label->setFont(fontNamed("PilotStandard"));
    label->setContent(QStringLiteral("AB"));
    EXPECT_EQ(label->width(), 5 + 5 + 1); // advances of A and B, plus one
    EXPECT_EQ(label->height(), 11);
    label->setContent(QString());
    EXPECT_EQ(label->width(), 1);
    EXPECT_EQ(label->height(), 11);
    label->setBounds(3, 4, 50, 50);
    EXPECT_EQ(label->bounds(), QRect(3, 4, 1, 11));

    auto *gsi = place<TPTGsi>(ControlKind::Gsi);
    gsi->setBounds(10, 10, 30, 2);
    EXPECT_EQ(gsi->bounds(), QRect(10, 10, 8, 9));
}

TEST_F(PToolBoxCatalogue, ListHeightFollowsRowsOfItsFont)
{
    auto *list = place<TPTList>(ControlKind::List);
    list->setFont(fontNamed("PilotStandard"));
    EXPECT_EQ(list->items(), QStringList({"One", "Two", "Three"}));
    EXPECT_EQ(list->maxItems(), 2);
    EXPECT_EQ(list->height(), 25);
    EXPECT_EQ(list->userWidth(), 32);
    // The user drags it to 40 pixels high: three whole rows fit.
    list->setHeight(40);
    list->fitMaxItemsToHeight();
    EXPECT_EQ(list->maxItems(), 3);
    EXPECT_EQ(list->height(), 36);
    // A font whose "A" is 13 pixels high.
    list->setMaxItems(2);
    list->setFont(fontNamed("PalmText9"));
    EXPECT_EQ(list->height(), 29);
}

TEST_F(PToolBoxCatalogue, TriggerDecidesTheListStyle)
{
    TPTList list;
    list.setStyle(TPTList::PopupList);
    list.setTrigger(QStringLiteral("Pt3"));
    EXPECT_EQ(list.style(), TPTList::PopTriggered);
    list.setStyle(TPTList::PopupList);
    list.setTrigger(QStringLiteral("(None)"));
    EXPECT_EQ(list.style(), TPTList::StandAlone);
}

TEST_F(PToolBoxCatalogue, GroupNumbersKeepOneByte)
{
    TPTCheckbox box;
    box.setGroupNumber(300);
    EXPECT_EQ(box.groupNumber(), 44);
    box.setGroupNumber(-1);
    EXPECT_EQ(box.groupNumber(), 255);
}

TEST_F(PToolBoxCatalogue, ControlsInADialogBelongToIt)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog, 100, 100);
    auto *button = place<TPTButton>(ControlKind::Button, 20, 30, dialog);
    EXPECT_EQ(button->parent(), dialog);
    EXPECT_EQ(button->palmForm(), dialog);
    EXPECT_EQ(button->userLeft(), 20);
    EXPECT_TRUE(dialog->children().contains(button));
    EXPECT_FALSE(form->screen()->children().contains(button));
}

TEST_F(PToolBoxCatalogue, ShortNamesOfListAndLabelNeverCollide)
{
    project.setShortNames(true);
    const QString list = place(ControlKind::List)->name();
    const QString label = place(ControlKind::Label)->name();
    EXPECT_TRUE(list.startsWith(QStringLiteral("Lb")));
    EXPECT_TRUE(label.startsWith(QStringLiteral("Lb")));
    EXPECT_NE(list, label);
    EXPECT_EQ(place(ControlKind::Gsi)->name(), QStringLiteral("GSI3"));
}

#include "PropertyWindowFixture.h"
#include "core/base/datamod.h"
#include "core/controls/CCButton.h"
#include "core/model/PTDialog.h"
#include "gui/properties/EllipsisEdit.h"
#include "gui/properties/frmPropSelect.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

using namespace zf;
using namespace zf::test;

namespace {

QStringList gridColors(const TfrmDlgColor &dialog)
{
    QStringList colors;
    for (int row = 0; row < dialog.grid()->rowCount(); ++row)
        colors << dialog.grid()->item(row, 0)->text();
    return colors;
}

TEST(ColorSetDialog, ShowsTheSevenColoursInTheirRolesAndJoinsThemAgain)
{
    TCCButton select;
    select.setDotPicker(1);
    select.setDotColors(QStringLiteral("Red,Blue,Green,Yellow,Navy,White,Maroon"));
    TfrmDlgColor dialog(select);
    EXPECT_EQ(dialog.grid()->verticalHeaderItem(6)->text(), "ObjSelectedForeColor");
    EXPECT_EQ(gridColors(dialog),
              QStringList({"Red", "Blue", "Green", "Yellow", "Navy", "White", "Maroon"}));
    const TPTDialog &date = dialog.preview(PickerPreview::Kind::Date).dialog();
    const std::vector<PalmColor> roles = {date.colorDialogFrame(), date.colorDialogFill(),
                                          date.colorFrame(),       date.colorFill(),
                                          date.colorText(),        date.colorSelectedFill(),
                                          date.colorSelectedFore()};
    EXPECT_EQ(roles, std::vector<PalmColor>({NameToColor("Red"), NameToColor("Blue"),
                                             NameToColor("Green"), NameToColor("Yellow"),
                                             NameToColor("Navy"), NameToColor("White"),
                                             NameToColor("Maroon")}));

    dialog.chooseColor(3, QStringLiteral("Lime"));
    EXPECT_EQ(dialog.dotColors(), "Red,Blue,Green,Lime,Navy,White,Maroon");
    EXPECT_EQ(date.colorFill(), NameToColor("Lime"));
}

TEST(ColorSetDialog, AnUnknownNameStaysInTheGridAndPreviewsAsBlack)
{
    TCCButton select;
    select.setDotPicker(1);
    select.setDotColors(QStringLiteral("White,Pink,White,White,White,White,White"));
    TfrmDlgColor dialog(select);
    EXPECT_EQ(gridColors(dialog).at(1), "Pink");
    EXPECT_EQ(dialog.dotColors(), "White,Pink,White,White,White,White,White");
    const QImage picture = dialog.previewPicture(PickerPreview::Kind::Date);
    ASSERT_EQ(picture.size(), QSize(160, 160));
    // Inside the frame, left of every sample: the dialog's fill.
    EXPECT_EQ(picture.pixel(3, 100), QColor(Qt::black).rgb());
}

TEST(ColorSetDialog, ThePickerDecidesWhichPreviewShowsAndTakesTheTitle)
{
    TCCButton select;
    select.setDotTitle(QStringLiteral("When?"));
    select.setDotPicker(2);
    TfrmDlgColor dialog(select);
    EXPECT_FALSE(dialog.isDatePreviewShown());
    EXPECT_TRUE(dialog.isTimePreviewShown());
    EXPECT_EQ(dialog.preview(PickerPreview::Kind::Time).dialog().title(), "When?");
}

TEST(ColorSetDialog, SelectingAValueCellLaysTheColourListOverIt)
{
    TCCButton select;
    select.setDotPicker(1);
    TfrmDlgColor dialog(select);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.grid()->setCurrentCell(2, 0);
    QComboBox *list = dialog.colorList();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->count(), 16);
    EXPECT_EQ(list->currentText(), "Black");
    EXPECT_EQ(list->geometry().top(),
              dialog.grid()->visualItemRect(dialog.grid()->item(2, 0)).top());
    EXPECT_EQ(list->height(), 17);

    // A choice from the list goes into the row and the preview.
    QTest::keyClick(list, Qt::Key_R);
    EXPECT_EQ(dialog.grid()->item(2, 0)->text(), "Red");
    EXPECT_EQ(dialog.preview(PickerPreview::Kind::Date).dialog().colorFrame(), NameToColor("Red"));
}

class ColorSetDialogFromTheSheet : public PropertyWindowFixture
{
protected:
    ColorSetDialogFromTheSheet() : PropertyWindowFixture(kLibraryPToolBox) {}
};

TEST_F(ColorSetDialogFromTheSheet, OkStoresTheColours)
{
    auto *select = place<TCCButton>(ControlKind::Select, 10, 10);
    select->setDotPicker(1);
    window->sheet().refill();

    clickValue("DateTimeColors");
    ASSERT_EQ(window->shownEditor(), window->bitmapEdit());
    EXPECT_EQ(window->bitmapEdit()->text(), "(Colors)");
    whenModal<TfrmDlgColor>([](TfrmDlgColor &dialog) {
        dialog.chooseColor(0, QStringLiteral("Teal"));
        dialog.chooseColor(6, QStringLiteral("Aqua"));
        dialog.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
    });
    window->bitmapEdit()->button()->click();
    EXPECT_EQ(select->dotColors(), "Teal,White,Black,White,Black,White,Aqua");
    EXPECT_FALSE(ui.zoomPaused);
}

} // namespace

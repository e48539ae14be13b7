// The dialogs the sheet's ellipsis rows open: what each shows, how the mouse
// and keys work in it, and that OK alone writes the control.
#include "PropertyWindowFixture.h"
#include "core/base/datamod.h"
#include "core/ccontrols/CCTable.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/model/PTDialog.h"
#include "gui/properties/BitGridView.h"
#include "gui/properties/frmBitmapEd.h"
#include "gui/properties/frmItemsEditor.h"
#include "gui/properties/frmPropSelect.h"
#include "gui/properties/frmTableEditor.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace zf;
using namespace zf::test;

namespace {

using Button = UserInterface::Button;

QString firstRow(const BitmapBits &bits)
{
    QString row;
    for (int x = 0; x < bits.width(); ++x)
        row += bits.bit(x, 0) ? QLatin1Char('#') : QLatin1Char('.');
    return row;
}

// The middle of a cell of the bitmap grid.
QPoint cellAt(int x, int y)
{
    return {x * 11 + 5, y * 11 + 5};
}

void dragOver(QWidget *grid, QPoint to, Qt::KeyboardModifiers keys = {})
{
    QMouseEvent move(QEvent::MouseMove, to, grid->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     keys);
    QApplication::sendEvent(grid, &move);
}

TEST(BitmapEditor, PressesInvertDragsDrawOrEraseAndClearAsksFirst)
{
    ScriptedUserInterface ui;
    TfrmBmpEd editor(8, 8, QString(), ui, BitGridView::kDefaultCellSize);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    BitGridView *grid = editor.grid();
    QTest::mouseClick(grid, Qt::LeftButton, {}, cellAt(2, 3));
    EXPECT_TRUE(editor.bits().bit(2, 3));
    // A double click's second press comes as the double click alone.
    QTest::mouseDClick(editor.windowHandle(), Qt::LeftButton, {},
                       grid->mapTo(&editor, cellAt(5, 5)));
    EXPECT_FALSE(editor.bits().bit(5, 5));
    QTest::mousePress(grid, Qt::LeftButton, {}, cellAt(0, 0));
    for (int x = 1; x < 4; ++x)
        dragOver(grid, cellAt(x, 0));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, cellAt(3, 0));
    QTest::mousePress(grid, Qt::LeftButton, Qt::ShiftModifier, cellAt(3, 1));
    dragOver(grid, cellAt(2, 0), Qt::ShiftModifier);
    EXPECT_EQ(firstRow(editor.bits()), "##.#....");
    ui.answers = {Button::No, Button::Yes};
    for (const char *expected : {"##.#....", "........"}) {
        editor.findChild<QPushButton *>(QStringLiteral("butCrear"))->click();
        EXPECT_EQ(firstRow(editor.bits()), expected);
    }
    EXPECT_EQ(ui.messages.back(),
              (UserInterface::Message{"Warning", "This operation erase the bitmap. Are you sure?",
                                      Button::Yes | Button::No, UserInterface::Icon::Warning}));
}

TEST(ColorSetDialog, PreviewsTheColoursAndAPickKeepsTheUnknownNames)
{
    TCCButton select;
    select.setDotPicker(1);
    select.setDotColors(QStringLiteral("Red,Blue,Green,Yellow,Navy,White,Pink"));
    TfrmDlgColor dialog(select);
    EXPECT_TRUE(dialog.isDatePreviewShown() && !dialog.isTimePreviewShown());
    const TPTDialog &date = dialog.preview(PickerPreview::Kind::Date).dialog();
    EXPECT_EQ(date.colorSelectedFore(), NameToColor("Black")); // an unknown name previews as black
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.grid()->setCurrentCell(3, 0);
    QComboBox *list = dialog.colorList();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_L);
    EXPECT_EQ(dialog.dotColors(), "Red,Blue,Green,Lime,Navy,White,Pink"); // the unknown name stays
    EXPECT_EQ(date.colorFill(), NameToColor("Lime"));
}

TEST(ItemsEditor, TabLeavesTheTextAndCancelKeepsTheItems)
{
    TfrmItemsEd editor;
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    editor.memo()->setFocus();
    QTest::keyClick(editor.memo(), Qt::Key_Tab);
    EXPECT_FALSE(editor.memo()->hasFocus());
    ScriptedUserInterface ui;
    QStringList items{"a", "b"};
    whenModal<TfrmItemsEd>([&ui](TfrmItemsEd &dialog) {
        EXPECT_TRUE(ui.zoomPaused);
        dialog.memo()->setPlainText(QStringLiteral("x"));
        dialog.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click(); // Cancel
    });
    EXPECT_FALSE(EditItemList(items, ui, nullptr));
    EXPECT_EQ(items, QStringList({"a", "b"}));
    EXPECT_EQ(ui.zoomResumes, 1);
}

class TableEditor : public ::testing::Test
{
protected:
    TableEditor()
    {
        table.setCols(2);
        table.setColAlign({"0", "2"});
        table.setColWidths({"30", "40"});
        table.setItems({"a~b", "c"});
        editor = std::make_unique<TfrmTableEd>(TableGrid(table), ui);
        editor->show();
        editor->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    }
    // A cell by the grid's own coordinates, the column headers at row 0.
    QString cell(int row, int column) const
    {
        return row == 0 ? editor->table()->horizontalHeaderItem(column - 1)->text()
                        : editor->table()->item(row - 1, column - 1)->text();
    }
    void typeAt(int row, int column, const QString &keys)
    {
        editor->setCurrentCell(row, column);
        editor->table()->setFocus();
        typeKeys(keys);
    }
    ScriptedUserInterface ui;
    TCCTable table;
    std::unique_ptr<TfrmTableEd> editor;
};

TEST_F(TableEditor, AKeyOpensTheAlignmentListAndTheButtonsRunTheCommands)
{
    typeAt(1, 2, "x");
    QComboBox *list = editor->alignList();
    ASSERT_TRUE(list->isVisible() && list->hasFocus());
    EXPECT_EQ(cell(1, 2), "Right"); // the key itself was swallowed
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(cell(1, 2), "Center");
    typeAt(2, 1, "1a2"); // ColWidth keeps digits only
    pressKey(Qt::Key_Return);
    EXPECT_EQ(cell(2, 1), "12");
    ui.answers = {Button::Yes, Button::Yes, Button::Yes};
    for (const char *name :
         {"butAddRow", "butAddCol", "butDeleteRow", "butDeleteCol", "butClearAll"}) {
        editor->setCurrentCell(3, 1);
        editor->button(QLatin1String(name))->click();
    }
    EXPECT_EQ(ui.messages.size(), 3u); // the questions are the grid's own
    EXPECT_EQ(cell(1, 1) + cell(3, 1), "Center"); // the second column's, and cleared
}

// Each dialog run from its sheet row writes the control once, on OK.
class EditorDialogsFromTheSheet : public PropertyWindowFixture
{
protected:
    EditorDialogsFromTheSheet() : PropertyWindowFixture(kLibraryPToolBox) {}

    // A bitmap of the given size shown on the sheet, its Bitmap row current.
    TCCBitmap *bitmapOnTheSheet(int width, int height, const QString &bits)
    {
        auto *bitmap = place<TCCBitmap>(ControlKind::Bitmap, 10, 10);
        bitmap->setBounds(bitmap->left(), bitmap->top(), width, height);
        bitmap->setStringBits(bits);
        window->sheet().refill();
        clickValue("Bitmap");
        return bitmap;
    }
};

TEST_F(EditorDialogsFromTheSheet, OkStoresTheDrawingOrTheColoursAsOneUndoStep)
{
    TCCBitmap *image = bitmapOnTheSheet(6, 2, QStringLiteral("8080"));
    whenModal<TfrmBmpEd>([](TfrmBmpEd &editor) {
        QTest::mouseClick(editor.grid(), Qt::LeftButton, {}, cellAt(5, 0));
        QTest::mouseClick(editor.grid(), Qt::LeftButton, {}, cellAt(0, 1));
        editor.findChild<QPushButton *>(QStringLiteral("butOk"))->click();
    });
    window->bitmapEdit()->button()->click();
    EXPECT_EQ(image->stringBits(), "8400");
    form->undoStack().undo();
    EXPECT_EQ(image->stringBits(), "8080");
    auto *select = place<TCCButton>(ControlKind::Select, 10, 10);
    select->setDotPicker(1);
    window->sheet().refill();
    clickValue("DateTimeColors");
    EXPECT_EQ(window->bitmapEdit()->text(), "(Colors)");
    whenModal<TfrmDlgColor>([](TfrmDlgColor &dialog) {
        dialog.chooseColor(0, QStringLiteral("Teal"));
        dialog.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
    });
    window->bitmapEdit()->button()->click();
    EXPECT_EQ(select->dotColors(), "Teal,White,Black,White,Black,White,Black");
}

TEST_F(EditorDialogsFromTheSheet, APictureTooLargeToDrawIsRefusedWithAMessage)
{
    TCCBitmap *bitmap = bitmapOnTheSheet(5000, 10, QStringLiteral("ff"));
    QTimer::singleShot(0, [] { // an editor must not open
        if (QWidget *modal = QApplication::activeModalWidget())
            ADD_FAILURE(), modal->close();
    });
    window->bitmapEdit()->button()->click();
    EXPECT_EQ(ui.texts(), QStringList({"The bitmap is too large to edit: 5000 x 10 pixels (at "
                                       "most 1024 on each side)"}));
    EXPECT_EQ(bitmap->stringBits(), "ff");
    EXPECT_FALSE(ui.zoomPaused);
}

using TableFromTheSheet = PropertyWindowFixture;

TEST_F(TableFromTheSheet, OkWritesTheTableWithTheCellStillBeingTyped)
{
    auto *tableControl = place<TCCTable>(ControlKind::Table, 10, 10);
    tableControl->setCols(2);
    tableControl->setColAlign({"0", "0"});
    tableControl->setColWidths({"20", "20"});
    tableControl->setItems({"a~b"});
    window->sheet().refill();
    clickValue("Items");
    whenModal<TfrmTableEd>([](TfrmTableEd &editor) {
        editor.button(QStringLiteral("butAddRow"))->click();
        QTest::keyClicks(editor.table(), "q");
        editor.accept();
    });
    window->itemsEdit()->button()->click();
    EXPECT_EQ(tableControl->items(), QStringList({"a~b", "q~"}));
    EXPECT_EQ(cellText("Items"), "(Items)"); // the rows were shown again
}

} // namespace

#include "PropertyWindowFixture.h"
#include "core/controls/CCBitmap.h"
#include "gui/properties/BitGridView.h"
#include "gui/properties/EllipsisEdit.h"
#include "gui/properties/frmBitmapEd.h"

#include <QPushButton>
#include <QToolButton>

using namespace zf;
using namespace zf::test;

namespace {

using Button = UserInterface::Button;

// The rows of a picture as strings of '#' and '.'.
QStringList rowsOf(const BitmapBits &bits)
{
    QStringList rows;
    for (int y = 0; y < bits.height(); ++y) {
        QString row;
        for (int x = 0; x < bits.width(); ++x)
            row += bits.bit(x, y) ? QLatin1Char('#') : QLatin1Char('.');
        rows << row;
    }
    return rows;
}

class BitmapEditor : public ::testing::Test
{
protected:
    std::unique_ptr<TfrmBmpEd> open(int width, int height, const QString &bits)
    {
        auto editor =
            std::make_unique<TfrmBmpEd>(width, height, bits, ui, BitGridView::kDefaultCellSize);
        editor->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
        return editor;
    }

    // The middle of a cell of the grid.
    static QPoint at(int x, int y) { return {x * 11 + 5, y * 11 + 5}; }

    ScriptedUserInterface ui;
};

// Digits of either case are read, odd ones as zero and missing ones as
// white; whole lower-case digits are written per row, without the bits
// past the width.
TEST_F(BitmapEditor, ReadsAnyTextAndWritesLowerCaseWholeDigitsPerRow)
{
    const struct
    {
        int width, height;
        const char *read;
        const char *firstRow;
        const char *written;
    } cases[] = {
        {6, 11, "80C0E0F0F8FCF8F0E0C080", "#.....", "80c0e0f0f8fcf8f0e0c080"},
        {6, 1, "ff", "######", "fc"},
        {8, 3, "g8x", "....#...", "080000"},
        {6, 11, "", "......", "0000000000000000000000"},
        {9, 2, "", ".........", "000000"},
    };
    for (const auto &c : cases) {
        auto editor = open(c.width, c.height, QLatin1String(c.read));
        EXPECT_EQ(rowsOf(editor->bits()).at(0), c.firstRow) << c.read;
        EXPECT_EQ(editor->stringBits(), c.written) << c.read;
    }
}

TEST_F(BitmapEditor, TheWindowIsTheGridBesideTheButtonPanel)
{
    auto editor = open(6, 11, QString());
    EXPECT_EQ(editor->windowTitle(), "Bitmap Editor");
    EXPECT_EQ(editor->size(), QSize(66 + 80, 121));
    editor = open(4, 4, QString()); // a low grid keeps room for the buttons
    EXPECT_EQ(editor->size(), QSize(44 + 80, 104));
}

TEST_F(BitmapEditor, PressesInvertTheCurrentCellAndDragsDrawOrErase)
{
    auto editor = open(8, 8, QString());
    BitGridView *grid = editor->grid();

    QTest::mousePress(grid, Qt::LeftButton, {}, at(2, 3));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, at(2, 3));
    EXPECT_TRUE(editor->bits().bit(2, 3));
    EXPECT_EQ(grid->currentCell(), QPoint(2, 3));

    // The right button inverts the current cell, not the one under it.
    QTest::mousePress(grid, Qt::RightButton, {}, at(6, 6));
    QTest::mouseRelease(grid, Qt::RightButton, {}, at(6, 6));
    EXPECT_FALSE(editor->bits().bit(2, 3));
    EXPECT_FALSE(editor->bits().bit(6, 6));

    // A double click inverts twice, as the window system delivers it: its
    // second press comes as the double click alone.
    QTest::mouseDClick(editor->windowHandle(), Qt::LeftButton, {}, grid->mapTo(editor.get(), at(5, 5)));
    EXPECT_EQ(grid->currentCell(), QPoint(5, 5));
    EXPECT_FALSE(editor->bits().bit(5, 5));

    // Dragging with the left button sets, with Shift clears.
    QTest::mousePress(grid, Qt::LeftButton, {}, at(0, 0));
    for (int x = 1; x < 4; ++x) {
        QMouseEvent move(QEvent::MouseMove, at(x, 0), grid->mapToGlobal(at(x, 0)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid, &move);
    }
    QTest::mouseRelease(grid, Qt::LeftButton, {}, at(3, 0));
    EXPECT_EQ(rowsOf(editor->bits()).at(0), "####....");

    QTest::mousePress(grid, Qt::LeftButton, Qt::ShiftModifier, at(3, 1));
    QMouseEvent erase(QEvent::MouseMove, at(2, 0), grid->mapToGlobal(at(2, 0)), Qt::NoButton,
                      Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(grid, &erase);
    EXPECT_EQ(rowsOf(editor->bits()).at(0), "##.#....");

}

TEST_F(BitmapEditor, ClearAsksFirst)
{
    auto editor = open(4, 2, QStringLiteral("ff"));
    ui.answers = {Button::No, Button::Yes};
    editor->findChild<QPushButton *>(QStringLiteral("butCrear"))->click();
    EXPECT_EQ(editor->stringBits(), "ff");
    EXPECT_EQ(ui.messages, std::vector<UserInterface::Message>(
                               {{"Warning", "This operation erase the bitmap. Are you sure?",
                                 Button::Yes | Button::No, UserInterface::Icon::Warning}}));
    editor->findChild<QPushButton *>(QStringLiteral("butCrear"))->click();
    EXPECT_EQ(editor->stringBits(), "00");
}

TEST(BitmapEditorCells, FollowTheDesignScaleAndShrinkToFitTheScreen)
{
    const QSize screen(1200, 800);
    EXPECT_EQ(TfrmBmpEd::cellSizeFor(6, 11, 1, screen), 10);
    EXPECT_EQ(TfrmBmpEd::cellSizeFor(6, 11, 2, screen), 21);
    // 160 rows of 11 pixels would not fit 800: 5 pixels a row.
    EXPECT_EQ(TfrmBmpEd::cellSizeFor(40, 160, 1, screen), 4);
    EXPECT_EQ(TfrmBmpEd::cellSizeFor(1000, 1000, 1, screen), 2);
}

class BitmapEditorFromTheSheet : public PropertyWindowFixture
{
};

TEST_F(BitmapEditorFromTheSheet, OkStoresTheDrawingAsOneUndoStep)
{
    auto *image = place<TCCBitmap>(ControlKind::Image, 10, 10);
    image->setBounds(image->left(), image->top(), 6, 2);
    image->setStringBits(QStringLiteral("8080"));
    window->sheet().refill();

    const int steps = form->undoStack().count();
    clickValue("Bitmap");
    whenModal<TfrmBmpEd>([](TfrmBmpEd &editor) {
        QTest::mouseClick(editor.grid(), Qt::LeftButton, {}, QPoint(5 * 11 + 5, 5));
        QTest::mouseClick(editor.grid(), Qt::LeftButton, {}, QPoint(5, 11 + 5));
        editor.findChild<QPushButton *>(QStringLiteral("butOk"))->click();
    });
    window->bitmapEdit()->button()->click();
    EXPECT_EQ(image->stringBits(), "8400");
    EXPECT_EQ(form->undoStack().count(), steps + 1);
    form->undoStack().undo();
    EXPECT_EQ(image->stringBits(), "8080");
}

// The CControls sheet keeps an image within 40 pixels; a PToolBox bitmap
// takes any size.
class PToolBoxBitmapFromTheSheet : public PropertyWindowFixture
{
protected:
    PToolBoxBitmapFromTheSheet() : PropertyWindowFixture(kLibraryPToolBox) {}
};

TEST_F(PToolBoxBitmapFromTheSheet, APictureTooLargeToDrawIsRefusedWithAMessage)
{
    auto *bitmap = place<TCCBitmap>(ControlKind::Bitmap, 10, 10);
    bitmap->setBounds(bitmap->left(), bitmap->top(), 5000, 10);
    bitmap->setStringBits(QStringLiteral("ff"));
    window->sheet().refill();
    ASSERT_TRUE(ui.messages.empty());
    clickValue("Bitmap");
    failOnModal();
    window->bitmapEdit()->button()->click();
    EXPECT_EQ(ui.texts(), QStringList({"The bitmap is too large to edit: 5000 x 10 pixels (at "
                                       "most 1024 on each side)"}));
    EXPECT_EQ(bitmap->stringBits(), "ff");
    EXPECT_FALSE(ui.zoomPaused);
}

} // namespace

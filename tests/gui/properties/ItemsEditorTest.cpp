#include "PropertyWindowFixture.h"
#include "gui/properties/frmItemsEditor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace zf;
using namespace zf::test;

namespace {

TEST(ItemsEditor, CountsItsLinesOnEveryChange)
{
    TfrmItemsEd editor;
    editor.setItems({"Red", "Green"});
    EXPECT_EQ(editor.label()->text(), "2 items");

    editor.memo()->moveCursor(QTextCursor::End);
    QTest::keyClick(editor.memo(), Qt::Key_Return);
    EXPECT_EQ(editor.label()->text(), "2 items"); // a line break alone starts no item
    QTest::keyClicks(editor.memo(), "Blue");
    EXPECT_EQ(editor.label()->text(), "3 items");
    EXPECT_EQ(editor.items(), QStringList({"Red", "Green", "Blue"}));

    editor.memo()->clear();
    EXPECT_EQ(editor.label()->text(), "0 items");
    EXPECT_TRUE(editor.items().isEmpty());
}

TEST(ItemsEditor, TabMovesTheFocusAndNoControlCharacterEntersAnItem)
{
    TfrmItemsEd editor;
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    editor.memo()->setFocus();
    QTest::keyClicks(editor.memo(), "a");
    QTest::keyClick(editor.memo(), Qt::Key_Tab);
    EXPECT_FALSE(editor.memo()->hasFocus());
    EXPECT_EQ(editor.memo()->toPlainText(), "a");

    QGuiApplication::clipboard()->setText(QStringLiteral("b\tc\r\nd\x07"));
    editor.memo()->moveCursor(QTextCursor::End);
    editor.memo()->paste();
    EXPECT_EQ(editor.items(), QStringList({"ab c", "d"}));
    EXPECT_EQ(editor.label()->text(), "2 items");
}

TEST(ItemsEditor, OkCopiesTheLinesAndCancelKeepsThemWithTheZoomPausedMeanwhile)
{
    ScriptedUserInterface ui;
    QStringList sthItems{"a", "b"};

    whenModal<TfrmItemsEd>([&ui](TfrmItemsEd &editor) {
        EXPECT_TRUE(ui.zoomPaused);
        EXPECT_EQ(editor.items(), QStringList({"a", "b"}));
        editor.memo()->setPlainText(QStringLiteral("x\ny\nz"));
        editor.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click(); // Cancel
    });
    EXPECT_FALSE(EditItemList(sthItems, ui, nullptr));
    EXPECT_EQ(sthItems, QStringList({"a", "b"}));

    whenModal<TfrmItemsEd>([](TfrmItemsEd &editor) {
        editor.memo()->setPlainText(QStringLiteral("x\ny\nz"));
        editor.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click(); // OK
    });
    EXPECT_TRUE(EditItemList(sthItems, ui, nullptr));
    EXPECT_EQ(sthItems, QStringList({"x", "y", "z"}));
    EXPECT_EQ(ui.zoomPauses, 2);
    EXPECT_EQ(ui.zoomResumes, 2);
}

} // namespace

#include "WhenModal.h"

#include "core/model/DesignForm.h"
#include "gui/app/HelpTopics.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/Main.h"
#include "gui/app/frmAbout.h"
#include "gui/codegen/frmGenerateCode.h"
#include "gui/designer/ChildFor.h"
#include "gui/designer/DesignWindows.h"
#include "gui/designer/FormView.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <memory>

using namespace zf;
using zf::test::whenModal;

namespace {

QString shownPage()
{
    return helpWindow()->browser()->source().fileName();
}

class HelpWindowTest : public ::testing::Test
{
protected:
    HelpWindowTest()
    {
        window = std::make_unique<TMainForm>(dir.filePath(QStringLiteral("options.ini")));
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> window;
};

TEST_F(HelpWindowTest, PagesLinkBackForwardHomeAndFind)
{
    showHelp(HelpTopic::Contents);
    HelpWindow *help = helpWindow();
    EXPECT_EQ(help->windowTitle(), "Contents - Zentiform Help");
    Q_EMIT help->browser()->anchorClicked(QUrl(QStringLiteral("topic5.html")));
    QStringList visited;
    for (const char *name : {"actBack", "actForward", "actContents"}) {
        help->action(name)->trigger();
        visited << shownPage();
    }
    EXPECT_EQ(visited, QStringList({"index.html", "topic5.html", "index.html"}));
    // Find wraps round the page and marks the field when the page lacks the text.
    EXPECT_FALSE(help->find(QStringLiteral("no such words here")));
    EXPECT_FALSE(help->findField()->styleSheet().isEmpty());
    help->browser()->moveCursor(QTextCursor::End);
    EXPECT_TRUE(help->find(QStringLiteral("Contents")));
    EXPECT_TRUE(help->findField()->styleSheet().isEmpty());
    // A web link without a browser shows its address.
    whenModal<QMessageBox>([](QMessageBox &box) {
        EXPECT_TRUE(box.text().endsWith(QStringLiteral("https://zentiform.org"))) << box.text().toStdString();
        box.accept();
    });
    Q_EMIT help->browser()->anchorClicked(QUrl(QStringLiteral("https://zentiform.org")));
    EXPECT_EQ(shownPage(), "index.html");
}

TEST_F(HelpWindowTest, F1OpensThePageOfTheWindowWithTheFocus)
{
    DesignForm &form = window->formCommands().nuevoForm();
    QCoreApplication::processEvents();
    FormView *view = window->designWindows()->frameOf(&form)->imgPalm();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(1, 1)); // on the handheld's frame
    QTest::keyClick(view, Qt::Key_F1);
    EXPECT_EQ(shownPage(), "topic5.html");
    // Elsewhere the main window's own page; the menu item opens the contents.
    view->clearFocus();
    window->action(QStringLiteral("actHelp"))->trigger();
    EXPECT_EQ(shownPage(), "topic1.html");
    window->action(QStringLiteral("mnuHelpContents"))->trigger();
    EXPECT_EQ(shownPage(), "index.html");
}

TEST_F(HelpWindowTest, HelpFromAModalDialogStaysAboveItAndOpenAfterIt)
{
    TfrmGenerate generate(window->project(), window->userInterface(), window.get());
    bool aboveDialog = false;
    whenModal<TfrmGenerate>([&](TfrmGenerate &dialog) {
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
        QTest::keyClick(&dialog, Qt::Key_F1);
        aboveDialog = helpWindow()->parentWidget() == &dialog && helpWindow()->isVisible();
        dialog.reject();
    });
    generate.exec();
    EXPECT_TRUE(aboveDialog);
    EXPECT_EQ(shownPage(), "topic7.html");
    EXPECT_TRUE(helpWindow()->parentWidget() == window.get() && helpWindow()->isVisible());
    // The about box's manual link opens the contents the same way.
    TfrmAbout about(window.get());
    for (QLabel *label : about.findChildren<QLabel *>()) {
        if (label->text().contains(TfrmAbout::kManual))
            Q_EMIT label->linkActivated(TfrmAbout::kManual);
    }
    EXPECT_EQ(shownPage(), "index.html");
}

} // namespace

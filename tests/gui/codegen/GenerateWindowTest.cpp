#include "GenerateWindowFixture.h"
#include "core/codegen/AppIcons.h"
#include "core/codegen/CodeOutputs.h"
#include "gui/codegen/DirectoryEdit.h"
#include "gui/codegen/IconSlotView.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace zf;
using namespace zf::test;

namespace {

using Page = TfrmGenerate::Page;

// A 32 x 32 picture, black on its left half, as a Windows bitmap file.
QString writeBitmap(const QString &path)
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    }
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
}

using GenerateWindowTest = GenerateWindowFixture;
using PToolBoxGenerateWindowTest = PToolBoxGenerateFixture;

} // namespace

TEST_F(GenerateWindowTest, StartsWithTheProjectsFolderAndNothingToSave)
{
    show();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zentiform 1.2 - Generate code - CControls"));
    EXPECT_TRUE(child<QRadioButton>("rbtPDE")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chkColor")->isVisible());
    // With no folder kept in the project, the project's own folder.
    EXPECT_EQ(QDir(child<DirectoryEdit>("dedOutput")->text()).canonicalPath(),
              QDir(dir.path()).canonicalPath());
    const std::tuple<const char *, int, const char *> edits[] = {
        {"edtCID", 4, "ZNTC"}, {"edtAppName", 32767, "Application"},
        {"edtAppDB", 31, "ApplicationDB"}, {"edtVersion", 32767, "1.0"}};
    for (const auto &[name, maxLength, text] : edits) {
        EXPECT_EQ(child<QLineEdit>(name)->maxLength(), maxLength) << name;
        EXPECT_EQ(child<QLineEdit>(name)->text(), QLatin1String(text)) << name;
    }
    for (IconSlot slot : kIconSlots) {
        EXPECT_EQ(window->iconView(slot)->contentsRect().size(),
                  QSize(iconSlotInfo(slot).width, iconSlotInfo(slot).height));
    }
    EXPECT_FALSE(child<QPushButton>("butSave")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("butSaveDoc")->isVisible());
    EXPECT_TRUE(allMemosEmpty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PToolBoxGenerateWindowTest, OffersTheColourOptionTickedByDefault)
{
    show();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zentiform 1.2 - Generate code - PToolboxLib"));
    EXPECT_TRUE(child<QCheckBox>("chkColor")->isVisible());
    EXPECT_TRUE(child<QCheckBox>("chkColor")->isChecked());
}

TEST_F(GenerateWindowTest, ListsEveryFormInMemoryMostRecentlyActivatedFirst)
{
    DesignForm *second = project.addForm(QStringLiteral("Second"));
    DesignForm *closed = project.addForm(QStringLiteral("Closed"));
    closed->setShown(false);
    project.setCurrentDesignWindow(form);
    project.setCurrentDesignWindow(second);
    show();
    auto *forms = child<QComboBox>("cmbForms");
    ASSERT_EQ(forms->count(), 3);
    EXPECT_EQ(forms->itemText(0), QStringLiteral("Second"));
    EXPECT_EQ(forms->itemText(1), QStringLiteral("Form1"));
    EXPECT_EQ(forms->itemText(2), QStringLiteral("Closed"));
    EXPECT_EQ(forms->currentIndex(), 0);
}

TEST_F(PToolBoxGenerateWindowTest, ReadsTheSettingsKeptInTheProjectFile)
{
    const QString icon = writeBitmap(dir.filePath(QStringLiteral("mine.bmp")));
    project.addForm(QStringLiteral("Other"));
    writeProject({"Output=/somewhere/src", "FirstForm=Form1", "Memo=1", "CreatorID=Zz01",
                  "AppName=Notes", "AppDB=NotesDB", "Version=2.5", "Color=0"},
                 {"Large1=" + icon, "Small8=" + dir.filePath(QStringLiteral("gone.bmp"))});
    show();

    EXPECT_EQ(child<DirectoryEdit>("dedOutput")->text(), QStringLiteral("/somewhere/src"));
    EXPECT_EQ(child<QComboBox>("cmbForms")->currentText(), QStringLiteral("Form1"));
    EXPECT_TRUE(child<QRadioButton>("rbtMemos")->isChecked());
    EXPECT_EQ(QStringList({child<QLineEdit>("edtCID")->text(), child<QLineEdit>("edtAppName")->text(),
                           child<QLineEdit>("edtAppDB")->text(), child<QLineEdit>("edtVersion")->text()}),
              QStringList({"Zz01", "Notes", "NotesDB", "2.5"}));
    EXPECT_FALSE(child<QCheckBox>("chkColor")->isChecked());

    // The memo target: no PRC properties and no Save, but Save DOC.
    EXPECT_FALSE(child<QGroupBox>("grpPrc")->isVisible());
    EXPECT_FALSE(child<QPushButton>("butSave")->isVisible());
    EXPECT_TRUE(child<QPushButton>("butSaveDoc")->isVisible());
    EXPECT_FALSE(child<QPushButton>("butSaveDoc")->isEnabled());
    EXPECT_EQ(window->iconView(IconSlot::Large1)->picture().pixelColor(0, 0), QColor(Qt::black));
    // A kept file that is gone leaves the slot's picture, without a word.
    EXPECT_EQ(window->icons().bitmap(IconSlot::Small8), AppIcons::defaultBitmap(IconSlot::Small8));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GenerateWindowTest, GenerateWritesTheSettingsAndLeavesTheRestOfTheProjectFile)
{
    show();
    child<QLineEdit>("edtCID")->setText(QStringLiteral("ABCD"));
    child<QLineEdit>("edtAppName")->setText(QStringLiteral("My App"));
    child<QLineEdit>("edtAppDB")->setText(QStringLiteral("MyAppDB"));
    child<QLineEdit>("edtVersion")->setText(QStringLiteral("0.9"));
    child<DirectoryEdit>("dedOutput")->setText(QStringLiteral("out"));
    click("butGenerar");

    QStringList values;
    for (const char *key : {"Output", "FirstForm", "Memo", "CreatorID", "AppName", "AppDB", "Version"})
        values << projectValue("Code", key);
    EXPECT_EQ(values, QStringList({"out", "Form1", "0", "ABCD", "My App", "MyAppDB", "0.9"}));
    EXPECT_EQ(projectValue("Forms", "Item0"), QStringLiteral("Form1.zsc"));

    // The creator ID takes four characters at most.
    QTest::keyClicks(child<QLineEdit>("edtCID"), QStringLiteral("WXYZ"));
    EXPECT_EQ(child<QLineEdit>("edtCID")->text(), QStringLiteral("ABCD"));
}

TEST_F(PToolBoxGenerateWindowTest, GenerateKeepsTheColourOption)
{
    show();
    child<QCheckBox>("chkColor")->setChecked(false);
    click("rbtMemos");
    click("butGenerar");
    EXPECT_EQ(projectValue("Code", "Color"), QStringLiteral("0"));
    EXPECT_EQ(projectValue("Code", "Memo"), QStringLiteral("1"));
}

TEST_F(GenerateWindowTest, GenerateFillsTheFourMemosAndTheirCounters)
{
    show();
    window->page(TfrmGenerate::MainPage)->memo()->setPlainText(QStringLiteral("stale"));
    click("butGenerar");

    // The same texts the outputs are written from, head lines first.
    GeneratedCode expected;
    ASSERT_TRUE(generateCode(*CodeGenerator::forLibrary(project.library()), {form},
                             QStringLiteral("App"), window->windowSettings(), expected, ui));
    const QStringList *texts[] = {&expected.main, &expected.forms, &expected.events,
                                  &expected.header};
    for (int i = 0; i < 4; ++i) {
        CodePage *page = window->page(Page(i));
        ASSERT_FALSE(texts[i]->isEmpty());
        EXPECT_EQ(page->lines(), *texts[i]) << i;
        EXPECT_EQ(page->memo()->textCursor().position(), 0) << i;
        // Counted as the file holds the text: lines ended by CR LF.
        EXPECT_EQ(page->linesLabel()->text(), QString::number(texts[i]->size()) + " lines");
        EXPECT_EQ(page->charsLabel()->text(),
                  QString::number(sourceText(*texts[i]).size()) + " chars");
    }
    EXPECT_TRUE(child<QPushButton>("butSave")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("butSaveDoc")->isEnabled());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GenerateWindowTest, CountersFollowTheUsersEditing)
{
    show();
    QPlainTextEdit *memo = window->page(TfrmGenerate::EventsPage)->memo();
    QTest::keyClicks(memo, QStringLiteral("ab"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("cde"));
    CodePage *page = window->page(TfrmGenerate::EventsPage);
    EXPECT_EQ(page->linesLabel()->text(), QStringLiteral("2 lines"));
    EXPECT_EQ(page->charsLabel()->text(), QStringLiteral("9 chars")); // "ab\r\ncde\r\n"
    memo->clear();
    EXPECT_EQ(page->linesLabel()->text(), QStringLiteral("0 lines"));
    EXPECT_EQ(page->charsLabel()->text(), QStringLiteral("0 chars"));
}

TEST_F(PToolBoxGenerateWindowTest, TargetAndColourChangesClearTheTextsButKeepSaveEnabled)
{
    show();
    const auto generated = [&] {
        click("butGenerar");
        EXPECT_FALSE(allMemosEmpty());
    };
    generated();
    click("rbtMemos");
    EXPECT_TRUE(allMemosEmpty());
    EXPECT_FALSE(child<QGroupBox>("grpPrc")->isVisible() || child<QPushButton>("butSave")->isVisible());
    EXPECT_TRUE(child<QPushButton>("butSaveDoc")->isEnabled());
    // The DOC files are made in the output folder, so it stays in sight.
    EXPECT_TRUE(child<DirectoryEdit>("dedOutput")->isVisible());

    generated();
    click("rbtPDE");
    EXPECT_TRUE(allMemosEmpty());
    EXPECT_TRUE(child<QGroupBox>("grpPrc")->isVisible() && child<QPushButton>("butSave")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("butSaveDoc")->isVisible());

    generated();
    click("chkColor");
    EXPECT_TRUE(allMemosEmpty());
    EXPECT_TRUE(child<QPushButton>("butSave")->isEnabled());
}

TEST_F(GenerateWindowTest, CopyPutsTheWholeTextOnTheClipboard)
{
    show();
    click("butGenerar");
    QApplication::clipboard()->clear();
    click("butCopyHeader");
    EXPECT_EQ(QApplication::clipboard()->text(), memoText(TfrmGenerate::HeaderPage));
    EXPECT_FALSE(QApplication::clipboard()->text().isEmpty());
}

TEST_F(GenerateWindowTest, IconChoiceAsksWithTheSlotsTitleAndKeepsThePathAtOnce)
{
    show();
    const QString icon = writeBitmap(dir.filePath(QStringLiteral("icon.bmp")));
    for (IconSlot slot : kIconSlots) {
        ui.files.push_back(std::nullopt);
        QTest::mouseClick(window->iconView(slot), Qt::LeftButton);
        ASSERT_FALSE(ui.fileRequests.empty());
        const auto &request = ui.fileRequests.back();
        EXPECT_EQ(QStringList({request.title, request.filter, request.defaultExtension}),
                  QStringList({iconOpenTitle(slot), "Bitmaps (*.bmp)|*.bmp", "BMP"}));
    }
    // Cancelled: nothing kept.
    EXPECT_EQ(projectValue("Icons", "Large2"), QStringLiteral("<missing>"));

    ui.files.push_back(icon);
    click("imgLarge2");
    EXPECT_EQ(projectValue("Icons", "Large2"), icon);
    EXPECT_EQ(window->iconView(IconSlot::Large2)->picture().pixelColor(0, 0), QColor(Qt::black));

    // A file that is no bitmap is refused and changes nothing.
    const QString text = dir.filePath(QStringLiteral("notes.bmp"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("just some text, no picture");
    file.close();
    ui.files.push_back(text);
    click("imgSmall1");
    EXPECT_EQ(ui.texts(), QStringList{text + " is not a valid bitmap"});
    EXPECT_EQ(projectValue("Icons", "Small1"), QStringLiteral("<missing>"));
    EXPECT_EQ(window->icons().bitmap(IconSlot::Small1), AppIcons::defaultBitmap(IconSlot::Small1));
    EXPECT_TRUE(ui.unexpected.isEmpty());
}

TEST_F(GenerateWindowTest, BrowseOpensAFolderChooserThatCanMakeFolders)
{
    show();
    const QString chosen = dir.filePath(QStringLiteral("chosen"));
    ASSERT_TRUE(QDir().mkpath(chosen));
    bool answered = false;
    QTimer::singleShot(0, [&] {
        auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        answered = true;
        EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Select the output directory"));
        EXPECT_EQ(chooser->fileMode(), QFileDialog::Directory);
        EXPECT_FALSE(chooser->testOption(QFileDialog::ReadOnly));
        chooser->setDirectory(chosen);
        chooser->selectFile(chosen);
        static_cast<QDialog *>(chooser)->accept();
    });
    QTest::mouseClick(child<DirectoryEdit>("dedOutput")->browseButton(), Qt::LeftButton);
    EXPECT_TRUE(answered);
    EXPECT_EQ(QDir(child<DirectoryEdit>("dedOutput")->text()).canonicalPath(),
              QDir(chosen).canonicalPath());
}

TEST_F(GenerateWindowTest, OutputFolderAndIconsStayBetweenShowingsOfOneProject)
{
    show();
    child<DirectoryEdit>("dedOutput")->setText(QStringLiteral("/kept/between/showings"));
    ui.files.push_back(writeBitmap(dir.filePath(QStringLiteral("icon.bmp"))));
    click("imgLarge8");
    click("butSalir");
    EXPECT_FALSE(window->isVisible());
    show();
    EXPECT_EQ(child<DirectoryEdit>("dedOutput")->text(), QStringLiteral("/kept/between/showings"));
    EXPECT_NE(window->icons().bitmap(IconSlot::Large8), AppIcons::defaultBitmap(IconSlot::Large8));

    // A window shown again has nothing to save until the next Generate.
    click("butGenerar");
    click("butSalir");
    show();
    EXPECT_TRUE(allMemosEmpty());
    EXPECT_FALSE(child<QPushButton>("butSave")->isEnabled());

    // Another project starts from its own folder and the built-in icons.
    QTemporaryDir other;
    project.setProjectFile(QDir(other.path()).filePath(QStringLiteral("Other.zpj")));
    show();
    EXPECT_EQ(QDir(child<DirectoryEdit>("dedOutput")->text()).canonicalPath(),
              QDir(other.path()).canonicalPath());
    EXPECT_EQ(window->icons().bitmap(IconSlot::Large8), AppIcons::defaultBitmap(IconSlot::Large8));
}

TEST_F(GenerateWindowTest, WithoutAnyFormGenerateSaysSoAndOffersNoSave)
{
    project.destroyAllForms();
    show();
    click("butGenerar");
    EXPECT_EQ(ui.texts(), QStringList{kNoFormToGenerate});
    EXPECT_TRUE(allMemosEmpty());
    EXPECT_FALSE(child<QPushButton>("butSave")->isEnabled());
}

TEST_F(GenerateWindowTest, ALargeProjectGeneratesWhileTheWindowKeepsRunning)
{
    // 40 forms of 50 controls each.
    for (int f = 0; f < 40; ++f) {
        form = project.addForm(QStringLiteral("Big") + QString::number(f));
        for (int c = 0; c < 50; ++c)
            place(c % 2 ? ControlKind::Button : ControlKind::Label, (c % 10) * 15, (c / 10) * 20);
    }
    show();
    // Posted before Generate starts: it runs while the generator works, and
    // only then if the window's event loop keeps going.
    bool busySeen = false;
    bool inputDisabledSeen = false;
    QTimer::singleShot(0, [&] {
        busySeen = window->isBusy();
        inputDisabledSeen = !child<QPushButton>("butGenerar")->isEnabled();
    });
    click("butGenerar");
    EXPECT_TRUE(busySeen);
    EXPECT_TRUE(inputDisabledSeen);
    EXPECT_FALSE(window->isBusy());
    EXPECT_TRUE(child<QPushButton>("butGenerar")->isEnabled());
    EXPECT_FALSE(window->progressBar()->isVisible());
    EXPECT_TRUE(memoText(TfrmGenerate::FormsPage).contains(QStringLiteral("Big39")));

    // A long text shows at once, read-only, and takes input, Copy included,
    // while its memo fills.
    window->generate();
    CodePage *forms = window->page(TfrmGenerate::FormsPage);
    ASSERT_TRUE(forms->isFilling());
    EXPECT_FALSE(window->isBusy());
    EXPECT_TRUE(child<QPushButton>("butGenerar")->isEnabled());
    const QStringList shown = forms->lines();
    EXPECT_TRUE(shown.contains(QStringLiteral("Big39Draw(){")));
    child<QPushButton>("butCopyForms")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), shown.join(u'\n'));
    EXPECT_EQ(forms->linesLabel()->text(), QString::number(shown.size()) + QStringLiteral(" lines"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !forms->isFilling(); }, 20000));
    EXPECT_EQ(forms->lines(), shown);
}

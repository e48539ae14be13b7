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

// The label whose buddy is `widget`: the caption the user sees for it.
QString captionOf(const QWidget *window, const QWidget *widget)
{
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy() == widget)
            return label->text();
    }
    return QString();
}

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

TEST_F(GenerateWindowTest, ShowsEveryComponentWithItsCaptionAndStartState)
{
    show();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zentiform 1.2 - Generate code - CControls"));

    auto *forms = child<QComboBox>("cmbForms");
    EXPECT_EQ(captionOf(window.get(), forms), QStringLiteral("&First Form"));
    EXPECT_EQ(child<QGroupBox>("grpTarget")->title(), QStringLiteral("Target"));
    EXPECT_EQ(child<QRadioButton>("rbtPDE")->text(), QStringLiteral("&PDE"));
    EXPECT_TRUE(child<QRadioButton>("rbtPDE")->isChecked());
    EXPECT_EQ(child<QRadioButton>("rbtMemos")->text(), QStringLiteral("Palm &memos / DOC files"));
    EXPECT_EQ(child<QCheckBox>("chkColor")->text(), QStringLiteral("Generate c&olor code"));
    EXPECT_FALSE(child<QCheckBox>("chkColor")->isVisible());
    auto *output = child<DirectoryEdit>("dedOutput");
    EXPECT_EQ(captionOf(window.get(), output), QStringLiteral("&Output Dir"));
    // With no folder kept in the project, the project's own folder.
    EXPECT_EQ(QDir(output->text()).canonicalPath(), QDir(dir.path()).canonicalPath());

    auto *prc = child<QGroupBox>("grpPrc");
    EXPECT_EQ(prc->title(), QStringLiteral("PRC properties"));
    EXPECT_TRUE(prc->isVisible());
    const std::tuple<const char *, const char *, int, const char *> edits[] = {
        {"edtCID", "Creator &ID", 4, "ZNTC"},
        {"edtAppName", "App &name", 32767, "Application"},
        {"edtAppDB", "&DB name", 31, "ApplicationDB"},
        {"edtVersion", "App &version", 32767, "1.0"},
    };
    for (const auto &[name, caption, maxLength, text] : edits) {
        auto *edit = child<QLineEdit>(name);
        EXPECT_EQ(captionOf(window.get(), edit), QLatin1String(caption)) << name;
        EXPECT_EQ(edit->maxLength(), maxLength) << name;
        EXPECT_EQ(edit->text(), QLatin1String(text)) << name;
    }

    const std::tuple<const char *, const char *, QSize> icons[] = {
        {"imgLarge1", "1 bit large", {32, 32}}, {"imgLarge2", "2 bit large", {32, 32}},
        {"imgLarge4", "4 bit large", {32, 32}}, {"imgLarge8", "8 bit large", {32, 32}},
        {"imgSmall1", "1 bit small", {15, 9}},  {"imgSmall2", "2 bit small", {15, 9}},
        {"imgSmall4", "4 bit small", {15, 9}},  {"imgSmall8", "8 bit small", {15, 9}},
    };
    for (const auto &[name, caption, size] : icons) {
        auto *view = child<IconSlotView>(name);
        EXPECT_EQ(view->contentsRect().size(), size) << name;
        EXPECT_EQ(view->cursor().shape(), Qt::PointingHandCursor) << name;
        const QString labelName = QStringLiteral("lbl") + QLatin1String(name + 3);
        EXPECT_EQ(child<QLabel>(labelName.toLatin1().constData())->text(), QLatin1String(caption));
        // Every slot starts with its built-in picture.
        EXPECT_EQ(window->icons().bitmap(view->slot()), AppIcons::defaultBitmap(view->slot()));
    }

    const std::tuple<const char *, const char *, bool, bool> buttons[] = {
        {"butGenerar", "&Generate", true, true},
        {"butSave", "&Save", false, true},
        {"butSaveDoc", "&Save DOC", false, false},
        {"butSalir", "E&xit", true, true},
    };
    for (const auto &[name, text, enabled, visible] : buttons) {
        auto *button = child<QPushButton>(name);
        EXPECT_EQ(button->text(), QLatin1String(text)) << name;
        EXPECT_EQ(button->isEnabled(), enabled) << name;
        EXPECT_EQ(button->isVisible(), visible) << name;
    }

    auto *pages = child<QTabWidget>("pagGenerate");
    ASSERT_EQ(pages->count(), 4);
    const char *titles[] = {"Main", "Forms", "Events", "Header"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pages->tabText(i), QLatin1String(titles[i]));
        CodePage *page = window->page(Page(i));
        EXPECT_EQ(page->memo()->objectName(), QStringLiteral("mem") + QLatin1String(titles[i]));
        EXPECT_TRUE(QFontInfo(page->memo()->font()).fixedPitch()) << titles[i];
        EXPECT_EQ(page->findChild<QPushButton *>()->text(), QStringLiteral("&Copy"));
        EXPECT_TRUE(page->memo()->toPlainText().isEmpty());
        EXPECT_TRUE(page->linesLabel()->text().isEmpty());
        EXPECT_TRUE(page->charsLabel()->text().isEmpty());
    }
    EXPECT_EQ(pages->currentIndex(), 0);
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
    EXPECT_EQ(child<QLineEdit>("edtCID")->text(), QStringLiteral("Zz01"));
    EXPECT_EQ(child<QLineEdit>("edtAppName")->text(), QStringLiteral("Notes"));
    EXPECT_EQ(child<QLineEdit>("edtAppDB")->text(), QStringLiteral("NotesDB"));
    EXPECT_EQ(child<QLineEdit>("edtVersion")->text(), QStringLiteral("2.5"));
    EXPECT_FALSE(child<QCheckBox>("chkColor")->isChecked());

    // The memo target: no PRC properties and no Save, but Save DOC.
    EXPECT_FALSE(child<QGroupBox>("grpPrc")->isVisible());
    EXPECT_FALSE(child<QPushButton>("butSave")->isVisible());
    EXPECT_TRUE(child<QPushButton>("butSaveDoc")->isVisible());
    EXPECT_FALSE(child<QPushButton>("butSaveDoc")->isEnabled());

    QFile file(icon);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(window->icons().bitmap(IconSlot::Large1), file.readAll());
    EXPECT_FALSE(window->iconView(IconSlot::Large1)->picture().isNull());
    EXPECT_EQ(window->iconView(IconSlot::Large1)->picture().pixelColor(0, 0), QColor(Qt::black));
    // A kept file that is gone leaves the slot's picture, without a word.
    EXPECT_EQ(window->icons().bitmap(IconSlot::Small8), AppIcons::defaultBitmap(IconSlot::Small8));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GenerateWindowTest, SelectsTheFirstEntryWhenTheKeptFirstFormIsGone)
{
    project.addForm(QStringLiteral("Newest"));
    writeProject({"FirstForm=Deleted", "Color=0"});
    show();
    EXPECT_EQ(child<QComboBox>("cmbForms")->currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>("cmbForms")->currentText(), QStringLiteral("Newest"));
    // CControls has no colour option: the box stays as it was, hidden.
    EXPECT_TRUE(child<QCheckBox>("chkColor")->isChecked());
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

    EXPECT_EQ(projectValue("Code", "Output"), QStringLiteral("out"));
    EXPECT_EQ(projectValue("Code", "FirstForm"), QStringLiteral("Form1"));
    EXPECT_EQ(projectValue("Code", "Memo"), QStringLiteral("0"));
    EXPECT_EQ(projectValue("Code", "CreatorID"), QStringLiteral("ABCD"));
    EXPECT_EQ(projectValue("Code", "AppName"), QStringLiteral("My App"));
    EXPECT_EQ(projectValue("Code", "AppDB"), QStringLiteral("MyAppDB"));
    EXPECT_EQ(projectValue("Code", "Version"), QStringLiteral("0.9"));
    // Color belongs to PToolBox projects only.
    EXPECT_EQ(projectValue("Code", "Color"), QStringLiteral("<missing>"));
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
    EXPECT_EQ(window->page(TfrmGenerate::MainPage)->lines().first(),
              QStringLiteral("@cid \"ZNTC\";"));
    EXPECT_TRUE(window->page(TfrmGenerate::MainPage)
                    ->lines()
                    .contains(QStringLiteral("@sicon8 \"small8.bmp\";")));
    EXPECT_TRUE(child<QPushButton>("butSave")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("butSaveDoc")->isEnabled());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GenerateWindowTest, MemoTargetStartsEachTextWithItsTitleLine)
{
    show();
    click("rbtMemos");
    click("butGenerar");
    EXPECT_EQ(window->page(TfrmGenerate::MainPage)->lines().first(),
              QStringLiteral("//Main App.pc"));
    EXPECT_FALSE(memoText(TfrmGenerate::MainPage).contains(QStringLiteral("@cid")));
    for (auto page : {TfrmGenerate::FormsPage, TfrmGenerate::EventsPage, TfrmGenerate::HeaderPage})
        EXPECT_TRUE(memoText(page).startsWith(QStringLiteral("/$ "))) << page;
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
    EXPECT_FALSE(child<QGroupBox>("grpPrc")->isVisible());
    EXPECT_FALSE(child<QPushButton>("butSave")->isVisible());
    EXPECT_TRUE(child<QPushButton>("butSaveDoc")->isVisible());
    EXPECT_TRUE(child<QPushButton>("butSaveDoc")->isEnabled());
    // The DOC files are made in the output folder, so it stays in sight.
    EXPECT_TRUE(child<DirectoryEdit>("dedOutput")->isVisible());

    generated();
    click("rbtPDE");
    EXPECT_TRUE(allMemosEmpty());
    EXPECT_TRUE(child<QGroupBox>("grpPrc")->isVisible());
    EXPECT_TRUE(child<QPushButton>("butSave")->isVisible());
    EXPECT_TRUE(child<QPushButton>("butSave")->isEnabled());
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
    for (const char *name : {"Main", "Header"}) {
        QApplication::clipboard()->clear();
        const QString copy = QStringLiteral("butCopy") + QLatin1String(name);
        click(copy.toLatin1().constData());
        const QString memo = QStringLiteral("mem") + QLatin1String(name);
        EXPECT_EQ(QApplication::clipboard()->text(),
                  child<QPlainTextEdit>(memo.toLatin1().constData())->toPlainText());
    }
    EXPECT_FALSE(QApplication::clipboard()->text().isEmpty());
}

TEST_F(GenerateWindowTest, IconChoiceAsksWithTheSlotsTitleAndKeepsThePathAtOnce)
{
    show();
    const QString icon = writeBitmap(dir.filePath(QStringLiteral("icon.bmp")));
    const std::pair<const char *, const char *> iconSlots[] = {
        {"imgLarge1", "Open 1 bit large icon"}, {"imgLarge2", "Open 2 bit large icon"},
        {"imgLarge4", "Open 4 bit large icon"}, {"imgLarge8", "Open 8 bit large icon"},
        {"imgSmall1", "Open 1 bit small icon"}, {"imgSmall2", "Open 2 bit small icon"},
        {"imgSmall4", "Open 4 bit small icon"}, {"imgSmall8", "Open 8 bit small icon"},
    };
    for (const auto &[name, title] : iconSlots) {
        ui.files.push_back(std::nullopt);
        click(name);
        ASSERT_FALSE(ui.fileRequests.empty());
        EXPECT_EQ(ui.fileRequests.back().title, QLatin1String(title));
        EXPECT_EQ(ui.fileRequests.back().filter, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
        EXPECT_EQ(ui.fileRequests.back().defaultExtension, QStringLiteral("BMP"));
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
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages.front().text, text + QStringLiteral(" is not a valid bitmap"));
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
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages.front().text, kNoFormToGenerate);
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

// The generate window's wiring: its widgets show and keep the project's
// settings, and its buttons run the core's generation and saves.
#include "WhenModal.h"
#include "core/base/IniDocument.h"
#include "core/codegen/AppIcons.h"
#include "core/codegen/CodeOutputs.h"
#include "gui/codegen/CodePage.h"
#include "gui/codegen/DirectoryEdit.h"
#include "gui/codegen/IconSlotView.h"
#include "gui/codegen/frmGenerateCode.h"
#include "model/ModelFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace zf;
using namespace zf::test;

namespace {

constexpr TfrmGenerate::Page kPages[] = {TfrmGenerate::MainPage, TfrmGenerate::FormsPage,
                                         TfrmGenerate::EventsPage, TfrmGenerate::HeaderPage};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// A saved project "App" in a folder of its own with one form holding a
// button, and its generate window.
class GenerateWindowTest : public ModelFixture
{
protected:
    explicit GenerateWindowTest(int library = kLibraryCControls) : ModelFixture(library)
    {
        projectFile = dir.filePath(QStringLiteral("App.zpj"));
        project.setProjectName(QStringLiteral("App"));
        project.setProjectFile(projectFile);
        writeProject("");
        place(ControlKind::Button);
        window = std::make_unique<TfrmGenerate>(project, ui);
    }
    void writeProject(const QByteArray &sections)
    {
        QFile file(projectFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Project]\r\nLib=1\r\n[Forms]\r\nCount=1\r\nItem0=Form1.zsc\r\n" + sections);
    }
    QString projectValue(const char *section, const char *key) const
    {
        IniDocument doc;
        EXPECT_TRUE(doc.open(projectFile));
        return doc.readString(QString::fromLatin1(section), QString::fromLatin1(key),
                              QStringLiteral("<missing>"));
    }
    void show()
    {
        window->prepare();
        window->show();
    }
    template <typename T> T *child(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    // Check boxes and radio buttons are clicked on their indicator, as their
    // text may end before the widget does.
    void click(const char *name)
    {
        QWidget *widget = child<QWidget>(name);
        const bool indicator =
            qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {},
                          indicator ? QPoint(8, widget->height() / 2) : widget->rect().center());
        // Long texts become editable a moment after Generate.
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->isFilling(); }, 20000));
    }
    QStringList memos() const
    {
        QStringList texts;
        for (TfrmGenerate::Page page : kPages)
            texts << window->page(page)->memo()->toPlainText();
        return texts;
    }
    QString bitmap(const char *name)
    {
        const QString path = dir.filePath(QLatin1String(name));
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(Qt::black);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
    QTemporaryDir dir;
    QString projectFile;
    std::unique_ptr<TfrmGenerate> window;
};

class PToolBoxGenerateWindowTest : public GenerateWindowTest
{
protected:
    PToolBoxGenerateWindowTest() : GenerateWindowTest(kLibraryPToolBox) {}
};

} // namespace

TEST_F(GenerateWindowTest, GenerateShowsTheCoresTextsKeepsTheSettingsAndSaveWritesTheMemos)
{
    show();
    EXPECT_FALSE(child<QPushButton>("butSave")->isEnabled());
    child<QLineEdit>("edtCID")->setText(QStringLiteral("ABCD"));
    child<DirectoryEdit>("dedOutput")->setText(QStringLiteral("out"));
    click("butGenerar");
    GeneratedCode expected;
    ASSERT_TRUE(generateCode(*CodeGenerator::forLibrary(project.library()), {form},
                             QStringLiteral("App"), window->windowSettings(), expected, ui));
    const QStringList *texts[] = {&expected.main, &expected.forms, &expected.events,
                                  &expected.header};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window->page(kPages[i])->lines(), *texts[i]) << i;
    EXPECT_EQ(projectValue("Code", "CreatorID") + projectValue("Code", "Output"), "ABCDout");
    // The counters count the file's bytes, lines ended by CR LF, as the user types.
    CodePage *events = window->page(TfrmGenerate::EventsPage);
    events->memo()->setPlainText(QStringLiteral("ab\ncde"));
    EXPECT_EQ(events->linesLabel()->text() + events->charsLabel()->text(), "2 lines9 chars");
    click("butCopyHeader");
    EXPECT_EQ(QApplication::clipboard()->text(), memos()[3]);
    click("butSave");
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("out/AppEvents.pc"))), "ab\r\ncde\r\n");
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("out/large1.bmp"))),
              AppIcons::defaultBitmap(IconSlot::Large1));
    EXPECT_EQ(ui.texts().size(), 1); // the library is not beside the sources
}

TEST_F(PToolBoxGenerateWindowTest, ShowsTheKeptSettingsAndTheMemoTargetSavesDocFiles)
{
    project.addForm(QStringLiteral("Other"));
    writeProject("[Code]\r\nOutput=" + dir.filePath(QStringLiteral("docs")).toUtf8() +
                 "\r\nFirstForm=Form1\r\nMemo=1\r\nAppName=Notes\r\nColor=0\r\n"
                 "[Icons]\r\nLarge1=" +
                 bitmap("mine.bmp").toUtf8() + "\r\n");
    show();
    EXPECT_EQ(child<QComboBox>("cmbForms")->currentText(), QStringLiteral("Form1"));
    EXPECT_TRUE(child<QRadioButton>("rbtMemos")->isChecked());
    EXPECT_EQ(child<QLineEdit>("edtAppName")->text(), QStringLiteral("Notes"));
    EXPECT_FALSE(child<QCheckBox>("chkColor")->isChecked());
    EXPECT_EQ(window->iconView(IconSlot::Large1)->picture().pixelColor(0, 0), QColor(Qt::black));
    EXPECT_FALSE(child<QPushButton>("butSave")->isVisible());
    click("butGenerar");
    click("butSaveDoc");
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("docs/AppH.pdb"))).mid(60, 8), "TEXtREAd");
    click("chkColor"); // a change of target or colour empties the texts
    EXPECT_EQ(memos(), QStringList(4));
    click("rbtPDE");
    click("butGenerar"); // which keeps the settings
    EXPECT_EQ(projectValue("Code", "Color") + projectValue("Code", "Memo"), "10");
    EXPECT_TRUE(child<QPushButton>("butSave")->isVisible());
}

TEST_F(GenerateWindowTest, IconsAndTheFolderArePickedWithTheirDialogsAndKeptBetweenShowings)
{
    show();
    ui.files = {bitmap("icon.bmp")};
    QTest::mouseClick(window->iconView(IconSlot::Large8), Qt::LeftButton);
    EXPECT_EQ(ui.fileRequests.back().title, iconOpenTitle(IconSlot::Large8));
    const QString chosen = dir.filePath(QStringLiteral("chosen"));
    ASSERT_TRUE(QDir().mkpath(chosen));
    whenModal<QFileDialog>([&](QFileDialog &chooser) {
        EXPECT_EQ(chooser.fileMode(), QFileDialog::Directory);
        chooser.selectFile(chosen);
        static_cast<QDialog &>(chooser).accept();
    });
    QTest::mouseClick(child<DirectoryEdit>("dedOutput")->browseButton(), Qt::LeftButton);
    click("butGenerar");
    click("butSalir");
    show();
    EXPECT_EQ(QDir(child<DirectoryEdit>("dedOutput")->text()).canonicalPath(),
              QDir(chosen).canonicalPath());
    EXPECT_NE(window->icons().bitmap(IconSlot::Large8), AppIcons::defaultBitmap(IconSlot::Large8));
    EXPECT_EQ(memos(), QStringList(4));
    // Another project starts from its own folder and the built-in icons.
    QTemporaryDir other;
    project.setProjectFile(QDir(other.path()).filePath(QStringLiteral("Other.zpj")));
    show();
    EXPECT_EQ(window->icons().bitmap(IconSlot::Large8), AppIcons::defaultBitmap(IconSlot::Large8));
}

TEST_F(GenerateWindowTest, ALargeProjectGeneratesWhileTheWindowKeepsRunning)
{
    for (int f = 0; f < 40; ++f) {
        form = project.addForm(QStringLiteral("Big") + QString::number(f));
        for (int c = 0; c < 50; ++c)
            place(c % 2 ? ControlKind::Button : ControlKind::Label, (c % 10) * 15, (c / 10) * 20);
    }
    show();
    // Posted before Generate starts: it runs while the generator works, and
    // only then if the window's event loop keeps going.
    bool busySeen = false;
    QTimer::singleShot(
        0, [&] { busySeen = window->isBusy() && !child<QPushButton>("butGenerar")->isEnabled(); });
    click("butGenerar");
    EXPECT_TRUE(busySeen);
    EXPECT_TRUE(child<QPushButton>("butGenerar")->isEnabled());
    // A long text shows at once and takes Copy while its memo fills.
    window->generate();
    CodePage *forms = window->page(TfrmGenerate::FormsPage);
    ASSERT_TRUE(forms->isFilling());
    EXPECT_FALSE(window->isBusy());
    const QStringList shown = forms->lines();
    EXPECT_TRUE(shown.contains(QStringLiteral("Big39Draw(){")));
    child<QPushButton>("butCopyForms")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), shown.join(u'\n'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !forms->isFilling(); }, 20000));
    EXPECT_EQ(forms->lines(), shown);
}

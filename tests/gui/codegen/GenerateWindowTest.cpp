// The generate window's wiring: its widgets show and keep the project's
// settings, and its buttons run the core's generation and saves.
#include "core/base/IniDocument.h"
#include "core/codegen/AppIcons.h"
#include "core/codegen/CodeOutputs.h"
#include "gui/codegen/CodePage.h"
#include "gui/codegen/DirectoryEdit.h"
#include "gui/codegen/IconSlotView.h"
#include "gui/codegen/frmGenerateCode.h"
#include "model/ModelFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    void click(const char *name)
    {
        QTest::mouseClick(child<QWidget>(name), Qt::LeftButton);
        // Long texts become editable a moment after Generate.
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->isFilling(); }, 20000));
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
    window->page(TfrmGenerate::EventsPage)->memo()->setPlainText(QStringLiteral("ab\ncde"));
    click("butSave");
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("out/AppEvents.pc"))), "ab\r\ncde\r\n");
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("out/large1.bmp"))),
              AppIcons::defaultBitmap(IconSlot::Large1));
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
    EXPECT_EQ(window->iconView(IconSlot::Large1)->picture().pixelColor(0, 0), QColor(Qt::black));
    click("butGenerar");
    click("butSaveDoc");
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("docs/AppH.pdb"))).mid(60, 8), "TEXtREAd");
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return !forms->isFilling(); }, 20000));
    EXPECT_EQ(forms->lines(), shown);
}

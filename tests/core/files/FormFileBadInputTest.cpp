#include "FormFileSupport.h"
#include "model/ModelFixture.h"

#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCTable.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace zf;
using namespace zf::test;

namespace {

class BadInput : public ModelFixture
{
protected:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
};

} // namespace

TEST_F(BadInput, BinaryGarbageLoadsWhatItCanAndNeverCrashes)
{
    QRandomGenerator random(20240601);
    const QByteArray fragments[] = {"[", "]", "=", "\r\n", "\n", "Control=Button", "Parent=",
                                    "Count=99999999", "Item7=", "Name=", "[FORM]", "Lib=1", "\0"};
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes;
        const int size = int(random.bounded(1, 6000));
        while (bytes.size() < size) {
            if (random.bounded(4) == 0)
                bytes += fragments[random.bounded(int(std::size(fragments)))];
            else
                bytes += char(random.bounded(256));
        }
        FileProblems problems;
        DesignForm *form = loadForm(project, bytes, &problems);
        // Whatever loaded can be written and read again the same way.
        const QByteArray saved = formBytes(*form);
        EXPECT_EQ(formBytes(*loadForm(project, saved)), saved) << "round " << round;
        project.destroyAllForms();
    }
}

TEST_F(BadInput, ATruncatedFileLoadsWhatItHolds)
{
    const QByteArray whole = fileBytes(goldenForm(QStringLiteral("ccontrols-all.zsc")));
    ASSERT_FALSE(whole.isEmpty());
    const auto objectCount = [](const DesignForm &form) {
        int count = 0;
        form.forEachObject([&](DesignObject *) { ++count; });
        return count;
    };
    for (qsizetype cut = 0; cut < whole.size(); cut += 5) {
        const DesignForm *form = loadForm(project, whole.first(cut));
        EXPECT_LE(objectCount(*form), 19) << "cut at " << cut;
        project.destroyAllForms();
    }
    // 14 on the screen, 2 in dialogs, the bar and 2 menus.
    EXPECT_EQ(objectCount(*loadForm(project, whole)), 19);
}

TEST_F(BadInput, ATenMegabyteValueSurvivesSavingAndLoading)
{
    auto *image = place<TCCBitmap>(ControlKind::Image);
    QString bits(10 * 1024 * 1024, u'0');
    for (qsizetype i = 0; i < bits.size(); i += 97)
        bits[i] = u'F';
    image->setStringBits(bits);
    QString error;
    ASSERT_TRUE(writeFormFile(*form, path(QStringLiteral("big.zsc")), &error)) << error.toStdString();

    IniDocument doc;
    ASSERT_TRUE(doc.open(path(QStringLiteral("big.zsc"))));
    DesignForm *loaded = project.addForm(QStringLiteral("Form1"));
    EXPECT_TRUE(readForm(*loaded, doc).empty());
    auto *copy = objectCast<TCCBitmap>(loaded->findOwned(image->name()));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->stringBits(), bits);
}

TEST_F(BadInput, AHundredThousandSectionsAllLoad)
{
    QByteArray text = "[FORM]\nName=Big\nLib=1\n";
    for (int i = 0; i < 100000; ++i)
        text += "[L" + QByteArray::number(i) + "]\nControl=Label\nName=L" + QByteArray::number(i)
                + "\nParent=panScreen\n";
    FileProblems problems;
    DesignForm *loaded = loadForm(project, text, &problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(loaded->screen()->children().size(), 100000);
    EXPECT_EQ(loaded->screen()->children().at(99999)->name(), QStringLiteral("L99999"));
}

TEST_F(BadInput, RepeatedSectionsAndKeysAreReadFromTheirFirstAppearance)
{
    FileProblems problems;
    DesignForm *loaded = loadForm(project, iniText({
        "[FORM]", "Name=F", "Lib=1",
        "[B]", "Control=Button", "Name=B", "Content=first", "Content=second",
        "[b]", "Control=Label", "Name=L",
        "[C]", "Control=Button", "Name=B",
    }), &problems);
    ASSERT_EQ(loaded->screen()->children().size(), 1);
    auto *button = objectCast<TCCButton>(loaded->screen()->children().at(0));
    ASSERT_TRUE(button);
    EXPECT_EQ(button->content(), QStringLiteral("first"));
    // A second record of the same name cannot be named: it is left out, and
    // said so, rather than made a nameless control.
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].text(),
              QStringLiteral("[C] Name: A component named B already exists; the record is skipped"));
    EXPECT_EQ(problems[0].effect, FileProblem::Effect::RecordRefused);
}

TEST_F(BadInput, TextThatIsNotUtf8IsReadAsWindows1252AndWrittenBackTheSame)
{
    const QByteArray text = "[FORM]\r\nName=F\r\nTop=0\r\nLeft=0\r\nTitle=Caf\xE9\r\nLib=1\r\n"
                            "[Lb1]\r\nControl=Label\r\nName=Lb1\r\nContent=\xC3\x28 \x80\x81\r\n";
    DesignForm *loaded = loadForm(project, text);
    EXPECT_EQ(loaded->screen()->title(), QStringLiteral("Café"));
    auto *label = objectCast<TCCLabel>(loaded->findOwned(QStringLiteral("Lb1")));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->content(), QString::fromUtf8("\xC3\x83( \xE2\x82\xAC\xC2\x81"));
    const QByteArray saved = formBytes(*loaded);
    EXPECT_TRUE(saved.contains("Content=\xC3\x28 \x80\x81\r\n"));

    // Text beyond Windows-1252 is kept in UTF-8.
    label->setContent(QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"));
    const QByteArray utf8 = formBytes(*loaded);
    EXPECT_TRUE(utf8.contains("Content=\xE6\x97\xA5\xE6\x9C\xAC\r\n"));
    EXPECT_EQ(objectCast<TCCLabel>(loadForm(project, utf8)->findOwned(QStringLiteral("Lb1")))->content(),
              label->content());
}

TEST_F(BadInput, AControlNamedFormIsNeverLoaded)
{
    FileProblems problems;
    // A form saved with a control named "Form": the control's keys went into
    // the form's own section.
    DesignForm *spoiled = loadForm(project, iniText({"[FORM]", "Name=F", "Lib=1", "Control=Button",
                                                     "Name=Form", "[Ok]", "Control=Button", "Name=FoRm"}),
                                   &problems);
    EXPECT_EQ(spoiled->screen()->children().size(), 0);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].text(),
              QStringLiteral("[FORM] Control: a control may not be named FORM; it is not loaded"));
    EXPECT_EQ(problems[1].text(),
              QStringLiteral("[Ok] Name: 'FoRm' is not a valid component name; the record is skipped"));

    problems.clear();
    DesignForm *lower = loadForm(project, iniText({"[form]", "Name=G", "Lib=1", "[B]", "Control=Button",
                                                   "Name=B"}),
                                 &problems);
    EXPECT_EQ(lower->name(), QStringLiteral("G"));
    EXPECT_EQ(lower->screen()->children().size(), 1);
    EXPECT_TRUE(problems.empty());
}

TEST_F(BadInput, NumbersThatAreNoNumbersTakeTheDefaultAndAreReported)
{
    FileProblems problems;
    DesignForm *loaded = loadForm(project, iniText({
        "[FORM]", "Name=F", "Lib=1",
        "[B]", "Control=Button", "Name=B", "Top=12px", "Left=0x10", "Width=99999999999",
        "Height=$FFFFFFFF",
    }), &problems);
    DesignObject *button = loaded->findOwned(QStringLiteral("B"));
    ASSERT_TRUE(button);
    EXPECT_EQ(button->top(), 10);
    EXPECT_EQ(button->left(), 16);
    EXPECT_EQ(button->width(), 34);
    EXPECT_EQ(button->height(), -1);
    // In the order the record keeps its keys.
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].text(), QStringLiteral("[B] Width: '99999999999' is not a number; 34 is used"));
    EXPECT_EQ(problems[1].text(), QStringLiteral("[B] Top: '12px' is not a number; 10 is used"));
    EXPECT_EQ(problems[0].effect, FileProblem::Effect::ValueReplaced);
}

TEST_F(BadInput, ARefusedWriteLeavesTheOldFileWhole)
{
    place(ControlKind::Button);
    const QString target = path(QStringLiteral("locked.zsc"));
    ASSERT_TRUE(writeFileBytes(target, "old contents"));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QString error;
    EXPECT_FALSE(writeFormFile(*form, target, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fileBytes(target), QByteArray("old contents"));

    // A folder nobody may write into, whoever runs the tests.
    EXPECT_FALSE(writeFormFile(*form, QStringLiteral("/proc/zentiform-test.zsc"), &error));
    EXPECT_FALSE(writeFormFile(*form, path(QStringLiteral("missing/folder/f.zsc")), &error));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("missing"))));
}

TEST_F(BadInput, RecordsThatWouldShareASectionAreNotWritten)
{
    auto *table = place<TCCTable>(ControlKind::Table);
    auto *list = place<TCCListBox>(ControlKind::ListBox);
    list->setName(table->name() + QStringLiteral("items"));
    EXPECT_EQ(recordSectionClashes(*form),
              QStringList({QStringLiteral("a list of %1 and the control %2 would share the section [%2]")
                               .arg(table->name(), list->name())}));
    const QString target = path(QStringLiteral("clash.zsc"));
    ASSERT_TRUE(writeFileBytes(target, "old"));
    QString error;
    EXPECT_FALSE(writeFormFile(*form, target, &error));
    EXPECT_EQ(fileBytes(target), QByteArray("old"));
}

// Damaged form and project files: each damage is reported in words the
// checker prints, what can be read is read, and nothing crashes.
#include "FormFileSupport.h"
#include "model/ModelFixture.h"

#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCTable.h"
#include "core/files/FormFileCheck.h"
#include "core/files/ProjectFile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace zf;
using namespace zf::test;

namespace {

class BadInput : public ModelFixture
{
protected:
    QString write(const QString &name, const QStringList &lines) const
    {
        const QString file = dir.filePath(name);
        EXPECT_TRUE(writeFileBytes(file, iniText(lines)));
        return file;
    }

    static QStringList texts(const FileProblems &problems)
    {
        QStringList result;
        for (const FileProblem &problem : problems)
            result << problem.text();
        return result;
    }

    QTemporaryDir dir;
};

struct Damage
{
    const char *damage;
    QStringList lines;
    QStringList problems;
    int dropped;         // problems whose record a save would lose
    QStringList resaved; // lines the form saves with; none when no form is read
};

const QString kNoNumber = QStringLiteral("' is not a number; ");
const QString kControls = QStringLiteral("the value holds control characters; they are left out");

} // namespace

TEST_F(BadInput, EachDamageIsReportedAndTheRestIsRead)
{
    const Damage cases[] = {
        {"values that are no numbers, reported in the order of the record's keys",
         {"[FORM]", "Name=F", "Top=high", "Lib=1", "[B]", "Control=Button", "Name=B", "Top=12px",
          "Width=99999999999", "Height=$FFFFFFFF", "[Lst]", "Count=many", "Control=ListBox", "Name=Lst"},
         {"[FORM] Top: 'high" + kNoNumber + "0 is used", "[B] Width: '99999999999" + kNoNumber + "34 is used",
          "[B] Top: '12px" + kNoNumber + "10 is used", "[Lst] Count: 'many" + kNoNumber + "-1 is used"},
         0, {"Top=0", "Height=-1", "Width=34", "Top=10"}},
        {"parents that name no dialog",
         {"[FORM]", "Name=F", "Lib=1", "[Bt1]", "Control=Button", "Name=Bt1", "Parent=Dl9",
          "[Bt3]", "Control=Button", "Name=Bt3", "Parent=Bt1"},
         {"[Bt1] Parent: 'Dl9' names no dialog; the control is placed on the screen",
          "[Bt3] Parent: 'Bt1' names no dialog; the control is placed on the screen"},
         0, {"Parent=panScreen"}},
        {"kinds of the other library and misspelt kinds",
         {"[FORM]", "Name=F", "Lib=1", "[G]", "Control=GSI", "[B]", "Control=button", "[K]", "Control=Buton"},
         {"[G] Control: 'GSI' is no kind of control of CControls; the section is skipped",
          "[B] Control: 'button' is no kind of control of CControls; the section is skipped",
          "[K] Control: 'Buton' is no kind of control of CControls; the section is skipped"},
         3, {"Name=F"}},
        {"kind words both libraries use are read as this library's",
         {"[FORM]", "Name=F", "Lib=2", "[B]", "Control=Button", "Name=B", "[E]", "Control=Edit", "Name=E"},
         {"[E] Control: 'Edit' is no kind of control of PToolboxLib; the section is skipped"},
         1, {"Frame=0"}},
        {"names taken in any letter case, or no identifier",
         {"[FORM]", "Name=F", "Lib=1", "[B]", "Control=Button", "Name=B", "[C]", "Control=Button", "Name=b",
          "[D]", "Control=Button", "Name=FoRm"},
         {"[C] Name: A component named b already exists; the record is skipped",
          "[D] Name: 'FoRm' is not a valid component name; the record is skipped"},
         2, {"Name=B"}},
        {"a control's keys in the form's own section",
         {"[FORM]", "Name=F", "Lib=1", "Control=Button", "Name=Form"},
         {"[FORM] Control: a control may not be named FORM; it is not loaded"}, 1, {"Name=F"}},
        {"a lower-case form section",
         {"[form]", "Name=G", "Lib=1", "[B]", "Control=Button", "Name=B"}, {}, 0, {"Name=G", "Name=B"}},
        {"repeated sections and keys, read from their first appearance",
         {"[FORM]", "Name=F", "Lib=1", "[B]", "Control=Button", "Name=B", "Content=first",
          "Content=second", "[b]", "Control=Label", "Name=L"},
         {"[B]: the section appears more than once; only its first appearance is read"},
         1, {"Content=first"}},
        {"a second menu bar",
         {"[FORM]", "Name=F", "Lib=1", "[M1]", "Control=MenuBar", "Name=M1", "[M2]", "Control=MenuBar",
          "Name=M2"},
         {"[M2]: a form has one menu bar; this one is skipped"}, 1, {"Name=M1"}},
        {"a list section that is also a control",
         {"[FORM]", "Name=F", "Lib=1", "[Tb7]", "Control=Table", "Name=Tb7", "[Tb7Items]",
          "Control=Label", "Name=Tb7Items"},
         {"a list of Tb7 and the control Tb7Items would share the section [Tb7Items]; the form "
          "cannot be saved"},
         0, {"Name=Tb7"}},
        // A NUL or an escape in a name or a text would reach the generated
        // source: it is left out of the value, and nothing else is lost.
        {"control characters in names and texts",
         {"[FORM]", "Name=F@", "Title=Ti@tle", "Lib=1", "[Lb1]", "Control=Label", "Name=Lb@1",
          "Content=a@b#c", "Font=Pilot@Bold,9,,0,clWindowText,1", "[Lst]", "Control=ListBox",
          "Name=Lst", "Count=2", "Item0=one@", "Item1=two", "[Bt]", "Control=Button", "Name=Bt",
          "Content=\tOK\x7f", "Top=20"},
         {"[FORM] Name: " + kControls, "[FORM] Title: " + kControls, "[Lb1] Name: " + kControls,
          "[Lb1] Content: " + kControls, "[Lb1] Font: " + kControls,
          "[Lst]: the list in [Lst] holds control characters; they are left out",
          "[Bt] Content: " + kControls},
         0, {"Name=F", "Title=Title", "Name=Lb1", "Content=abc", "Font=PilotBold,9,,0,clWindowText,1",
             "Item0=one", "Item1=two", "Content=OK", "Top=20"}},
        {"no form name and no library",
         {"[FORM]", "Title=T", "[B]", "Control=Button"},
         {"[FORM] Name: missing; the file opens no form",
          "[FORM] Lib: missing; the file is of no library and its records are not read"},
         0, {}},
        {"a library number that names none",
         {"[FORM]", "Name=F", "Lib=3"}, {"[FORM] Lib: 3 names no library; the records are not read"}, 0, {}},
    };
    for (const Damage &c : cases) {
        SCOPED_TRACE(c.damage);
        QStringList lines = c.lines;
        for (QString &line : lines)
            line.replace(u'@', QChar(0)).replace(u'#', QChar(0x1b));
        const FormFileCheck check = checkFormFile(project, write(QStringLiteral("damaged.zsc"), lines));
        ASSERT_TRUE(check.readable);
        EXPECT_EQ(texts(check.problems).join(u'\n').toStdString(), c.problems.join(u'\n').toStdString());
        EXPECT_EQ(std::count_if(check.problems.begin(), check.problems.end(),
                                [](const FileProblem &p) { return p.dropsRecord(); }),
                  c.dropped);
        EXPECT_EQ(check.form != nullptr, !c.resaved.isEmpty());
        const QByteArray saved = check.form ? formBytes(*check.form) : QByteArray();
        for (const QString &line : c.resaved)
            EXPECT_TRUE(saved.contains("\r\n" + line.toUtf8() + "\r\n")) << line.toStdString();
    }
}

TEST_F(BadInput, FilesThatCannotBeReadAtAll)
{
    const FormFileCheck missing = checkFormFile(project, dir.filePath(QStringLiteral("none.zsc")));
    EXPECT_FALSE(missing.readable);
    EXPECT_EQ(missing.error, QStringLiteral("No such file"));
    const FormFileCheck folder = checkFormFile(project, dir.path());
    EXPECT_FALSE(folder.readable);
    EXPECT_EQ(folder.error, QStringLiteral("is a folder, not a form file"));
}

TEST_F(BadInput, EachDamageOfAProjectIsReported)
{
    const QString good = write(QStringLiteral("good.zsc"), {"[FORM]", "Name=A", "Lib=1"});
    const QString other = write(QStringLiteral("other.zsc"), {"[FORM]", "Name=B", "Lib=2"});
    const QString nameless = write(QStringLiteral("nameless.zsc"), {"[FORM]", "Lib=1"});
    const QString missing = dir.filePath(QStringLiteral("gone.zsc"));
    EXPECT_EQ(texts(checkProject(parsedDocument(iniText({
                  "[Project]", "Name=x", "Lib=1", "[Properties]", "Active=yes", "[ActiveForms]",
                  "Form3=" + good, "Form5=" + other, "Form6=" + nameless, "Form9=" + missing})))),
              QStringList({
                  "[Properties] Active: 'yes' is not a number; 0 is used",
                  "[ActiveForms] Form5: " + other + ": a form of library 2 in a project of library 1; only "
                  "the kinds both share are read",
                  "[ActiveForms] Form6: " + nameless + ": the form file has no FORM Name; it is skipped",
                  "[ActiveForms] Form9: " + missing + ": no such form file; it is skipped",
              }));
    EXPECT_EQ(texts(checkProject(parsedDocument(iniText({"[Project]", "Lib=4"})))),
              QStringList({"[Project] Lib: 4 names no library; no form of it can be read"}));
}

TEST_F(BadInput, GarbageAndTruncatedFilesLoadWhatTheyHoldAndSaveStably)
{
    QRandomGenerator random(20240601);
    const QByteArray fragments[] = {"[", "]", "=", "\r\n", "\n", "Control=Button", "Parent=",
                                    "Count=99999999", "Item7=", "Name=", "[FORM]", "Lib=1", "\0"};
    QList<QByteArray> inputs;
    for (int round = 0; round < 100; ++round) {
        QByteArray bytes;
        const int size = int(random.bounded(1, 6000));
        while (bytes.size() < size)
            bytes += random.bounded(4) == 0 ? fragments[random.bounded(int(std::size(fragments)))]
                                            : QByteArray(1, char(random.bounded(256)));
        inputs << bytes;
    }
    const QByteArray whole = fileBytes(goldenForm(QStringLiteral("ccontrols-all.zsc")));
    for (qsizetype cut = 0; cut < whole.size(); cut += 7)
        inputs << whole.first(cut);
    for (const QByteArray &input : inputs) {
        const QByteArray saved = formBytes(*loadForm(project, input));
        EXPECT_EQ(formBytes(*loadForm(project, saved)), saved) << input.toBase64().constData();
        project.destroyAllForms();
    }
}

TEST_F(BadInput, AHundredThousandSectionsAllLoad)
{
    QByteArray text = "[FORM]\nName=Big\nLib=1\n";
    for (int i = 0; i < 100000; ++i)
        text += "[L" + QByteArray::number(i) + "]\nControl=Label\nName=L" + QByteArray::number(i) + '\n';
    FileProblems problems;
    DesignForm *loaded = loadForm(project, text, &problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(loaded->screen()->children().size(), 100000);
    EXPECT_EQ(loaded->screen()->children().at(99999)->name(), QStringLiteral("L99999"));
}

TEST_F(BadInput, RecordsThatWouldShareASectionAreNotWritten)
{
    auto *table = place<TCCTable>(ControlKind::Table);
    place<TCCListBox>(ControlKind::ListBox)->setName(table->name() + QStringLiteral("items"));
    const QString target = dir.filePath(QStringLiteral("clash.zsc"));
    ASSERT_TRUE(writeFileBytes(target, "old"));
    QString error;
    EXPECT_FALSE(writeFormFile(*form, target, &error));
    EXPECT_EQ(error, recordSectionClashes(*form).join(u'\n'));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fileBytes(target), QByteArray("old"));
}

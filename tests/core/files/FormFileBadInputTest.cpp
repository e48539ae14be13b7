// Damaged form and project files: each damage is reported in words the
// checker prints, what can be read is read, and nothing crashes.
#include "FormFileSupport.h"
#include "model/ModelFixture.h"

#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCTable.h"
#include "core/files/FormFileCheck.h"
#include "core/files/ProjectFile.h"

#include <QDir>
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

} // namespace

// Each damaged form of tests/data/damaged beside the problems it must report,
// one a line ("dropped: " before those whose record a save would lose), and,
// when a form is read, the text it saves with.
TEST_F(BadInput, EachDamageIsReportedAndTheRestIsRead)
{
    const QDir folder(QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/damaged"));
    const QStringList damaged = folder.entryList({QStringLiteral("*.zsc")});
    ASSERT_FALSE(damaged.isEmpty());
    for (const QString &name : damaged) {
        const QString base = folder.filePath(name.chopped(4));
        const FormFileCheck check = checkFormFile(project, folder.filePath(name));
        ASSERT_TRUE(check.readable) << name.toStdString();
        QString problems;
        for (const FileProblem &problem : check.problems)
            problems += (problem.dropsRecord() ? QStringLiteral("dropped: ") : QString()) + problem.text()
                        + u'\n';
        const QByteArray saved = check.form ? formBytes(*check.form) : QByteArray();
        EXPECT_EQ(QString::fromUtf8(fileBytes(base + QStringLiteral(".problems"))), problems)
            << name.toStdString();
        EXPECT_EQ(saved.toStdString(), fileBytes(base + QStringLiteral(".resaved")).toStdString())
            << name.toStdString();
    }
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

TEST_F(BadInput, AHundredThousandSectionsAllLoad)
{
    QByteArray text = "[FORM]\nName=Big\nLib=1\n";
    for (int i = 0; i < 100000; ++i)
        text += "[L" + QByteArray::number(i) + "]\nControl=Label\nName=L" + QByteArray::number(i) + '\n';
    DesignForm *loaded = loadForm(project, parsedDocument(text));
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

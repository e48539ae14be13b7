#include "FormFileSupport.h"
#include "ScriptedUserInterface.h"

#include "core/files/FormFileCheck.h"
#include "core/files/ProjectFile.h"
#include "core/model/CCForm.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

class FileCheck : public ::testing::Test
{
protected:
    QStringList problemTexts(const FileProblems &problems) const
    {
        QStringList texts;
        for (const FileProblem &problem : problems)
            texts << problem.text();
        return texts;
    }

    QStringList checkForm(const QStringList &lines)
    {
        const QString file = dir.filePath(QStringLiteral("checked.zsc"));
        EXPECT_TRUE(writeFileBytes(file, iniText(lines)));
        FormFileCheck check = checkFormFile(project, file);
        EXPECT_TRUE(check.readable);
        return problemTexts(check.problems);
    }

    QString writeForm(const QString &name, const QStringList &lines)
    {
        const QString file = dir.filePath(name);
        EXPECT_TRUE(writeFileBytes(file, iniText(lines)));
        return file;
    }

    ScriptedUserInterface ui;
    DesignProject project{ui};
    QTemporaryDir dir;
};

} // namespace

TEST_F(FileCheck, TheGoldenFormsHaveNothingToReport)
{
    for (const char *name : {"ccontrols-all.zsc", "ptoolbox-all.zsc"}) {
        const FormFileCheck check = checkFormFile(project, goldenForm(QLatin1String(name)));
        EXPECT_TRUE(check.readable);
        EXPECT_TRUE(check.problems.empty()) << name;
        ASSERT_TRUE(check.form) << name;
        EXPECT_FALSE(check.form->screen()->children().isEmpty());
    }
    EXPECT_EQ(project.library(), kLibraryPToolBox); // the file's own
}

TEST_F(FileCheck, FilesThatCannotBeReadAtAll)
{
    FormFileCheck missing = checkFormFile(project, dir.filePath(QStringLiteral("none.zsc")));
    EXPECT_FALSE(missing.readable);
    EXPECT_EQ(missing.error, QStringLiteral("No such file"));
    FormFileCheck folder = checkFormFile(project, dir.path());
    EXPECT_FALSE(folder.readable);
    EXPECT_FALSE(folder.error.isEmpty());
}

TEST_F(FileCheck, EveryProblemOfAFormFile)
{
    const QStringList problems = checkForm({
        "[FORM]", "Name=F", "Top=high", "Lib=1",
        "[Bt1]", "Control=Button", "Name=Bt1", "Width=wide", "Parent=Dl9",
        "[Dl2]", "Control=Dialog", "Name=Dl2",
        "[Bt3]", "Control=Button", "Name=Bt3", "Parent=Bt1",
        "[Bt4]", "Control=Buton", "Name=Bt4",
        "[Bt5]", "Control=Button", "Name=bt1",
        "[Bt6]", "Control=Button", "Name=Form",
        "[Dl2]", "Control=Label",
        "[Tb7]", "Control=Table", "Name=Tb7",
        "[Tb7Items]", "Control=Label", "Name=Tb7Items",
        "[Lst]", "Count=many", "Control=ListBox", "Name=Lst",
    });
    EXPECT_EQ(problems, QStringList({
        "[Dl2]: the section appears more than once; only its first appearance is read",
        "[FORM] Top: 'high' is not a number; 0 is used",
        "[Bt1] Width: 'wide' is not a number; 34 is used",
        "[Bt1] Parent: 'Dl9' names no dialog; the control is placed on the screen",
        "[Bt3] Parent: 'Bt1' names no dialog; the control is placed on the screen",
        "[Bt4] Control: 'Buton' is no kind of control of CControls; the section is skipped",
        "[Bt5] Name: A component named bt1 already exists; the record is skipped",
        "[Bt6] Name: 'Form' is not a valid component name; the record is skipped",
        "[Lst] Count: 'many' is not a number; -1 is used",
        "a list of Tb7 and the control Tb7Items would share the section [Tb7Items]; the form "
        "cannot be saved",
    }));
}

TEST_F(FileCheck, AFormWithoutNameOrLibrary)
{
    EXPECT_EQ(checkForm({"[FORM]", "Title=T", "[B]", "Control=Button"}),
              QStringList({"[FORM] Name: missing; the file opens no form",
                           "[FORM] Lib: missing; the file is of no library and its records are not read"}));
    EXPECT_EQ(checkForm({"[FORM]", "Name=F", "Lib=3"}),
              QStringList({"[FORM] Lib: 3 names no library; the records are not read"}));
    const QString file = writeForm(QStringLiteral("nolib.zsc"), {"[FORM]", "Name=F"});
    EXPECT_FALSE(checkFormFile(project, file).form);
}

TEST_F(FileCheck, AProjectFile)
{
    const QString good = writeForm(QStringLiteral("good.zsc"), {"[FORM]", "Name=A", "Lib=1"});
    const QString other = writeForm(QStringLiteral("other.zsc"), {"[FORM]", "Name=B", "Lib=2"});
    const QString nameless = writeForm(QStringLiteral("nameless.zsc"), {"[FORM]", "Lib=1"});
    const QString missing = dir.filePath(QStringLiteral("gone.zsc"));
    IniDocument doc = parsedDocument(iniText({
        "[Project]", "Name=x", "Lib=1",
        "[Properties]", "Active=yes",
        "[ActiveForms]", "Form3=" + good, "Form5=" + other, "Form6=" + nameless, "Form9=" + missing,
    }));
    EXPECT_EQ(problemTexts(checkProject(doc)), QStringList({
        "[Properties] Active: 'yes' is not a number; 0 is used",
        "[ActiveForms] Form5: " + other + ": a form of library 2 in a project of library 1; only "
        "the kinds both share are read",
        "[ActiveForms] Form6: " + nameless + ": the form file has no FORM Name; it is skipped",
        "[ActiveForms] Form9: " + missing + ": no such form file; it is skipped",
    }));

    IniDocument odd = parsedDocument(iniText({"[Project]", "Lib=4"}));
    EXPECT_EQ(problemTexts(checkProject(odd)),
              QStringList({"[Project] Lib: 4 names no library; no form of it can be read"}));
}

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

using BadInput = ModelFixture;

// Each damaged form and project of tests/data/damaged beside the problems it
// must report, one a line ("dropped: " before those whose record a save would
// lose, the folder left out of file names), and, when a form is read, the
// text it saves with.
TEST_F(BadInput, EachDamageIsReportedAndTheRestIsRead)
{
    const QDir folder(QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/damaged"));
    const QStringList damaged = folder.entryList({QStringLiteral("*.zsc"), QStringLiteral("*.zpj")});
    ASSERT_GT(damaged.size(), 10);
    for (const QString &name : damaged) {
        const QString base = folder.filePath(name.chopped(4));
        FormFileCheck check;
        if (name.endsWith(QLatin1String(".zpj"))) {
            IniDocument doc;
            check.readable = doc.open(folder.filePath(name));
            check.problems = checkProject(doc);
        } else {
            check = checkFormFile(project, folder.filePath(name));
        }
        ASSERT_TRUE(check.readable) << name.toStdString();
        QString problems;
        for (const FileProblem &problem : check.problems)
            problems += (problem.dropsRecord() ? QStringLiteral("dropped: ") : QString()) + problem.text()
                        + u'\n';
        problems.replace(folder.path() + u'/', QString());
        const QByteArray saved = check.form ? formBytes(*check.form) : QByteArray();
        EXPECT_EQ(QString::fromUtf8(fileBytes(base + QStringLiteral(".problems"))), problems)
            << name.toStdString();
        EXPECT_EQ(saved.toStdString(), fileBytes(base + QStringLiteral(".resaved")).toStdString())
            << name.toStdString();
    }
}

TEST_F(BadInput, AHundredThousandSectionsAllLoad)
{
    QByteArray text = "[FORM]\nName=Big\nLib=1\n";
    for (int i = 0; i < 100000; ++i)
        text += "[L" + QByteArray::number(i) + "]\nControl=Label\nName=L" + QByteArray::number(i) + '\n';
    IniDocument doc;
    doc.parse(text);
    DesignForm *loaded = loadForm(project, doc);
    ASSERT_EQ(loaded->screen()->children().size(), 100000);
    EXPECT_EQ(loaded->screen()->children().at(99999)->name(), QStringLiteral("L99999"));
}

TEST_F(BadInput, RecordsThatWouldShareASectionAreNotWritten)
{
    auto *table = place<TCCTable>(ControlKind::Table);
    place<TCCListBox>(ControlKind::ListBox)->setName(table->name() + QStringLiteral("items"));
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("clash.zsc"));
    ASSERT_TRUE(writeFileBytes(target, "old"));
    QString error;
    EXPECT_FALSE(writeFormFile(*form, target, &error));
    EXPECT_EQ(error, recordSectionClashes(*form).join(u'\n'));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fileBytes(target), QByteArray("old"));
}

#include "core/codegen/DocConverter.h"
#include "ScriptedUserInterface.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

// Points the data folder and PATH at folders of the test's own for its
// lifetime, so that only the converters the test installs are found.
class DocConverterTest : public ::testing::Test
{
protected:
    DocConverterTest() : m_oldData(qgetenv("ZENTIFORM_DATA_DIR")), m_oldPath(qgetenv("PATH"))
    {
        QDir().mkpath(data());
        QDir().mkpath(bin());
        qputenv("ZENTIFORM_DATA_DIR", data().toLocal8Bit());
        // The machine's own folders stay off PATH: a converter installed
        // there must not stand in for the test's.
        qputenv("PATH", bin().toLocal8Bit());
    }
    ~DocConverterTest() override
    {
        qputenv("ZENTIFORM_DATA_DIR", m_oldData);
        qputenv("PATH", m_oldPath);
    }

    QString data() const { return m_dir.filePath(QStringLiteral("data")); }
    QString bin() const { return m_dir.filePath(QStringLiteral("bin")); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A converter that records its arguments, one per line, in a file
    // named after its third argument's position in the call.
    void install(const QString &folder, const QString &name)
    {
        const QString script = QDir(folder).filePath(name);
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nPATH=/usr/bin:/bin\n"
                   "printf '%s\\n' \"$@\" > \"$(basename \"$1\").args.tmp\"\n"
                   "mv \"$(basename \"$1\").args.tmp\" \"$(basename \"$1\").args\"\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // What a detached converter run recorded, once it has finished.
    static QStringList recorded(const QString &argsFile)
    {
        QElapsedTimer timer;
        timer.start();
        while (!QFile::exists(argsFile) && timer.elapsed() < 10000)
            QThread::msleep(20);
        QFile file(argsFile);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        lines.removeAll(QString());
        return lines;
    }

    GeneratedCode code{
        {"//Main P.pc", "main(){}"}, {"/$ PForms.pc"}, {"/$ PEvents.pc"}, {"/$ P.h"}};
    ScriptedUserInterface ui;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldData;
    QByteArray m_oldPath;
};

} // namespace

TEST_F(DocConverterTest, MakeDocInTheDataFolderGetsSourceDatabaseAndTitle)
{
    install(data(), QStringLiteral("makedoc"));
    const QString temp = path(QStringLiteral("temp"));
    QDir().mkpath(temp);
    const QString out = path(QStringLiteral("out"));
    ASSERT_TRUE(saveDocFiles(code, QStringLiteral("P"), temp, out, ui));

    EXPECT_EQ(recorded(QDir(out).filePath(QStringLiteral("temp001.txt.args"))),
              QStringList({QDir(temp).filePath(QStringLiteral("temp001.txt")), "P.pdb", "P.pc"}));
    EXPECT_EQ(recorded(QDir(out).filePath(QStringLiteral("temp004.txt.args"))),
              QStringList({QDir(temp).filePath(QStringLiteral("temp004.txt")), "PH.pdb", "P.h"}));
    EXPECT_EQ(recorded(QDir(out).filePath(QStringLiteral("temp002.txt.args"))).mid(1),
              QStringList({"PForms.pdb", "PForms.pc"}));
    EXPECT_EQ(recorded(QDir(out).filePath(QStringLiteral("temp003.txt.args"))).mid(1),
              QStringList({"PEvents.pdb", "PEvents.pc"}));

    QFile main(QDir(temp).filePath(QStringLiteral("temp001.txt")));
    ASSERT_TRUE(main.open(QIODevice::ReadOnly));
    EXPECT_EQ(main.readAll(), QByteArray("//Main P.pc\r\nmain(){}\r\n"));

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Save DOC"));
    EXPECT_EQ(ui.messages[0].text,
              QStringLiteral("DOC files P.pdb, PForms.pdb, PEvents.pdb and PH.pdb created in ") +
                  out);

    removeDocTempFiles(temp);
    EXPECT_TRUE(QDir(temp).isEmpty());
    removeDocTempFiles(temp); // missing files are ignored
}

TEST_F(DocConverterTest, Txt2PdbDocTakesTheTitleFirst)
{
    install(bin(), QStringLiteral("txt2pdbdoc"));
    const std::optional<DocConverter> converter = DocConverter::find();
    ASSERT_TRUE(converter);
    EXPECT_EQ(converter->program(), QDir(bin()).filePath(QStringLiteral("txt2pdbdoc")));
    EXPECT_EQ(converter->arguments("s.txt", "P.pdb", "P.pc"),
              QStringList({"P.pc", "s.txt", "P.pdb"}));

    // A makedoc anywhere wins over it.
    install(bin(), QStringLiteral("makedoc.exe"));
    EXPECT_EQ(DocConverter::find()->arguments("s.txt", "P.pdb", "P.pc"),
              QStringList({"s.txt", "P.pdb", "P.pc"}));
}

TEST_F(DocConverterTest, WithoutAConverterNothingIsWritten)
{
    const QString temp = path(QStringLiteral("temp"));
    QDir().mkpath(temp);
    EXPECT_FALSE(saveDocFiles(code, QStringLiteral("P"), temp, path(QStringLiteral("out")), ui));
    EXPECT_EQ(ui.texts(),
              QStringList{QStringLiteral("makedoc.exe not found. It must be in ") + data() +
                          QStringLiteral(" directory. Please check the "
                                         "installation")});
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(QDir(temp).isEmpty());
}

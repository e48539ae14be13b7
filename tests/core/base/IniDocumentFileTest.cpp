#include "files/FormFileSupport.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

// A document given a new path replaces the file there with only what was
// written.
TEST(IniDocumentFile, SavingWritesOnlyWhatTheDocumentHolds)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("new.zsc"));
    ASSERT_TRUE(writeFileBytes(path, "[FORM]\r\nName=Old\r\n[Stale]\r\nControl=Button\r\n"));
    IniDocument document;
    document.setPath(path);
    document.writeString(u"FORM", u"Name", QStringLiteral("New"));
    ASSERT_TRUE(document.save()) << document.errorString().toStdString();
    EXPECT_EQ(fileBytes(path), QByteArray("[FORM]\r\nName=New\r\n"));
}

TEST(IniDocumentFile, UnreadablePathsGiveAnErrorAndAnEmptyDocument)
{
    QTemporaryDir folder;
    IniDocument document;
    // Each refusal names its reason, reading and writing alike.
    const std::pair<QString, const char *> refused[] = {
        {folder.path(), "is a folder, not a file"},
        {QStringLiteral("/dev/null"), "is a device, not a file"},
        {folder.filePath(QString(256, QLatin1Char('n'))), "the path is too long"},
        {folder.path() + QStringLiteral("/abc").repeated(1100), "the path is too long"},
    };
    for (const auto &[path, reason] : refused) {
        // A shared machine's /dev/null has been seen replaced by a plain file.
        if (path.startsWith(QLatin1String("/dev/")) && QFileInfo(path).isFile())
            continue;
        EXPECT_FALSE(document.open(path));
        EXPECT_EQ(document.errorString(), QLatin1String(reason));
        document.writeString(u"S", u"K", QStringLiteral("v"));
        EXPECT_FALSE(document.save());
        EXPECT_EQ(document.errorString(), QLatin1String(reason));
    }

    // Bigger than any settings file: refused without reading it. The file is
    // sparse, so it costs no disk space.
    const QString huge = folder.filePath(QStringLiteral("huge.zsc"));
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(IniDocument::kMaxFileSize + 1));
    file.close();
    EXPECT_FALSE(document.open(huge));
    EXPECT_FALSE(document.errorString().isEmpty());
    EXPECT_TRUE(document.sections().isEmpty());
}

TEST(IniDocumentFile, DuplicatesAreReadFromTheirFirstAppearance)
{
    IniDocument document;
    document.parse("[A]\nk=first\nk=second\n[B]\nx=1\n[a]\nk=third\nonly=here\n");
    EXPECT_EQ(document.readString(u"A", u"k"), "first");
    EXPECT_EQ(document.sections(), QStringList({"A", "B"}));
    EXPECT_EQ(document.keys(u"a"), QStringList({"k"}));

    document.writeString(u"A", u"k", QStringLiteral("new"));
    EXPECT_EQ(document.toBytes(), QByteArray("[A]\r\nk=new\r\nk=second\r\n[B]\r\nx=1\r\n"
                                             "[a]\r\nk=third\r\nonly=here\r\n"));
    // Erasing a section erases every appearance of it.
    document.eraseSection(u"A");
    EXPECT_EQ(document.toBytes(), QByteArray("[B]\r\nx=1\r\n"));
    EXPECT_FALSE(document.hasSection(u"a"));
}

TEST(IniDocumentFile, MalformedAndTruncatedTextKeepsWhatIsReadable)
{
    static const char text[] = "[Good]\nk=v\n[Unclosed\nafter=unclosed\n[]\nempty=name\n"
                               "=no key\n[Last]\nnul=a\0b\nend=trunc\xC3";
    IniDocument document;
    document.parse(QByteArray(text, sizeof text - 1));
    EXPECT_EQ(document.sections(), QStringList({"Good", "", "Last"}));
    // The line that does not close its bracket belongs to the section before.
    EXPECT_EQ(document.readString(u"Good", u"after"), "unclosed");
    EXPECT_EQ(document.readString(u"", u"empty"), "name");
    EXPECT_EQ(document.readString(u"Last", u"nul"), QStringView(u"a\0b", 3).toString());
    // A sequence cut short is not UTF-8, so the file reads as 1252.
    EXPECT_EQ(document.readString(u"Last", u"end"), QString::fromUtf8("truncÃ"));
}

TEST(IniDocumentFile, WrittenNamesAndValuesCannotBreakTheLayout)
{
    IniDocument document;
    document.writeString(u"Lbl1", u"Content", QStringLiteral("two\r\nlines\n[FORM]\nLib=1"));
    document.writeString(u"Sec\ntion", u"Ke\ry", QStringLiteral("v"));
    // The same names find what the first write stored.
    document.writeString(u"Sec\ntion", u"Ke\ry", QStringLiteral("w"));
    EXPECT_EQ(document.readString(u"Sec\ntion", u"Ke\ry"), "w");
    document.writeString(u"Lbl1", u" ", QStringLiteral("no name"));
    EXPECT_EQ(document.toBytes(), QByteArray("[Lbl1]\r\nContent=two  lines [FORM] Lib=1\r\n"
                                             "[Sec tion]\r\nKe y=w\r\n"));
}

TEST(IniDocumentFile, LargeSectionsFindTheirKeys)
{
    // Enough keys for a section to switch to its hash; the rules must not
    // change with it.
    IniDocument document;
    document.writeList(u"Items", QStringList(500, QStringLiteral("line")));
    document.writeString(u"Items", u"item250", QStringLiteral("changed"));
    document.writeString(u"Items", u"Extra", QStringLiteral("x"));
    QStringList read;
    document.readList(u"ITEMS", read);
    EXPECT_EQ(read, QStringList(250, "line") + QStringList{"changed"} + QStringList(249, "line"));
    EXPECT_EQ(document.keys(u"Items").size(), 502);
    EXPECT_EQ(document.keys(u"Items").last(), "Extra");
}

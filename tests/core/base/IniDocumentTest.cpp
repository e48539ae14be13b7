#include "core/base/IniDocument.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace zf;
using namespace Qt::StringLiterals;

namespace {

IniDocument parsed(const QByteArray &bytes)
{
    IniDocument document;
    document.parse(bytes);
    return document;
}

} // namespace

TEST(IniDocument, RewriteKeepsForeignLinesAndReplacesInPlace)
{
    IniDocument document = parsed("; written by hand\nstray=line before sections\n\n[Project]\n"
                                  "  Name = old.zpj  \nno equals sign here\n; a comment\nLib=1\n\n"
                                  "[Code]\nKeep=this\n");
    document.writeString(u"PROJECT", u"name", QStringLiteral("new.zpj"));
    document.writeString(u"Project", u"Added", QStringLiteral("x"));
    document.writeString(u"Zoom", u"Active", QStringLiteral("0"));
    EXPECT_EQ(document.toBytes(),
              QByteArray("; written by hand\r\nstray=line before sections\r\n\r\n[Project]\r\n"
                         "Name=new.zpj\r\nno equals sign here\r\n; a comment\r\nLib=1\r\nAdded=x\r\n\r\n"
                         "[Code]\r\nKeep=this\r\n[Zoom]\r\nActive=0\r\n"));
    // None of the foreign lines can be read as values.
    EXPECT_EQ(document.keys(u"Project"), QStringList({"Name", "Lib", "Added"}));
    EXPECT_EQ(document.sections(), QStringList({"Project", "Code", "Zoom"}));

    // Untouched lines are written as they were; LF-only files come back
    // with CR LF, and a last line without a line end gets one.
    const QByteArray original = "[A]\r\n  spaced  =  value with blanks  \r\n\tTabbed=1\r\n";
    EXPECT_EQ(parsed(original).toBytes(), original);
    EXPECT_EQ(parsed("[A]\nk=v").toBytes(), QByteArray("[A]\r\nk=v\r\n"));
}

TEST(IniDocument, ErasedSectionMovesToTheEndWhenWrittenAgain)
{
    IniDocument document = parsed("[Project]\nName=p\n[ActiveForms]\nForm3=a.zsc\nForm7=b.zsc\n"
                                  "[Code]\nName=x\n");
    document.eraseSection(u"activeforms");
    EXPECT_FALSE(document.hasSection(u"ActiveForms"));
    EXPECT_EQ(document.readString(u"ActiveForms", u"Form3", QStringLiteral("gone")), "gone");
    document.writeString(u"ActiveForms", u"Form0", QStringLiteral("c.zsc"));
    document.eraseSection(u"Nothing");
    EXPECT_EQ(document.toBytes(), QByteArray("[Project]\r\nName=p\r\n[Code]\r\nName=x\r\n"
                                             "[ActiveForms]\r\nForm0=c.zsc\r\n"));
}

TEST(IniDocument, NamesMatchWithoutRegardToCase)
{
    const IniDocument document = parsed("[Café]\nÉtat=1\n[FORM]\nName=f\n");
    EXPECT_EQ(document.readString(u"form", u"NAME"), "f");
    EXPECT_EQ(document.readInt(u"CAFÉ", u"état", 0), 1);
    EXPECT_TRUE(document.hasSection(u" Form "));
    EXPECT_FALSE(document.hasSection(u"FORM1"));
    // The spelling of the file is kept.
    EXPECT_EQ(document.keys(u"café"), QStringList({"État"}));
}

// Each line of ini-values.txt: a value as the file holds it, then as a
// string, an integer ("-" when it is no number) and a boolean read with the
// default true, apart by "|".
TEST(IniDocument, ValuesReadByTheirRules)
{
    QFile cases(QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/ini-values.txt"));
    ASSERT_TRUE(cases.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = cases.readAll().chopped(1).split('\n');
    ASSERT_GT(lines.size(), 30);
    for (const QByteArray &line : lines) {
        const QList<QByteArray> c = line.split('|');
        ASSERT_EQ(c.size(), 4) << line.constData();
        const IniDocument document = parsed("[S]\nk=" + c[0] + '\n');
        EXPECT_EQ(document.readString(u"S", u"k", u"default"_s), QString::fromUtf8(c[1])) << line.constData();
        EXPECT_EQ(document.readInt(u"S", u"k", -99), c[2] == "-" ? -99 : c[2].toInt()) << line.constData();
        EXPECT_EQ(document.readBool(u"S", u"k", true), c[3] == "1") << line.constData();
    }
    const IniDocument document = parsed("[S]\nword=yes\n");
    EXPECT_FALSE(document.readBool(u"S", u"word", false));
    EXPECT_EQ(document.readString(u"S", u"missing", QStringLiteral("default")), "default");
    EXPECT_EQ(document.readInt(u"Nope", u"word", -99), -99);
}

// Reading trims blanks and takes off enclosing quotes, and takes bytes that
// are valid UTF-8 for UTF-8, so writing must keep such values from being
// changed on their way back.
TEST(IniDocument, EveryWrittenValueReadsBackAsItself)
{
    const QStringList values = {
        QStringLiteral("plain"),  QStringLiteral(" padded "), QStringLiteral("\"quoted\""),
        QStringLiteral("'single'"), QStringLiteral("\"\""),     QStringLiteral("  "),
        QStringLiteral("tab\t"),   QStringLiteral("\"half'"),   QStringLiteral("\""),
        QStringLiteral("\"a\" \"b\""), QString(), QStringLiteral("D\u00C3\u00A9j\u00C3\u00A0 vu"),
    };
    IniDocument document;
    for (qsizetype i = 0; i < values.size(); ++i)
        document.writeString(u"S", QStringLiteral("K%1").arg(i), values[i]);
    document.writeBool(u"S", u"K0", false);
    const IniDocument reread = parsed(document.toBytes());
    EXPECT_EQ(reread.readString(u"S", u"K0"), "0");
    for (qsizetype i = 1; i < values.size(); ++i)
        EXPECT_EQ(reread.readString(u"S", QStringLiteral("K%1").arg(i)), values[i]) << i;
    EXPECT_EQ(parsed(reread.toBytes()).toBytes(), reread.toBytes());

    const QString big(10 * 1024 * 1024, QLatin1Char('F'));
    document.writeString(u"Bitmap", u"Data", big);
    EXPECT_EQ(parsed(document.toBytes()).readString(u"Bitmap", u"Data"), big);
}

TEST(IniDocument, ListsRoundTripAndShareTheirSection)
{
    IniDocument document;
    document.writeList(u"Lb1Items", {"one", "two", "three"});
    document.writeInt(u"Lb1Items", u"VisibleItems", 2);
    EXPECT_EQ(document.toBytes(), QByteArray("[Lb1Items]\r\nCount=3\r\nItem0=one\r\nItem1=two\r\n"
                                             "Item2=three\r\nVisibleItems=2\r\n"));
    // Writing a shorter list drops the old items and the other keys.
    document.writeList(u"LB1ITEMS", {"x"});
    EXPECT_EQ(document.toBytes(), QByteArray("[LB1ITEMS]\r\nCount=1\r\nItem0=x\r\n"));
}

TEST(IniDocument, ListReadingRules)
{
    const IniDocument document =
        parsed("[NoCount]\nItem0=a\n"
               "[Negative]\nCount=-1\nItem0=a\n"
               "[Zero]\nCount=0\nItem0=a\n"
               "[Gaps]\nItem2=c\nCount=4\nItem0=a\nItem5=beyond\n"
               "ITEM3=d\nItem01=not canonical\nItem3=duplicate\n"
               "[Huge]\nCount=2000000000\nItem1999999999=last\nItem0= first \n"
               "[Bad]\nCount=many\nItem0=a\n");
    const QStringList untouched{"keep", "me"};
    const auto read = [&](const char16_t *section) {
        QStringList list = untouched;
        document.readList(section, list);
        return list;
    };
    for (const char16_t *section : {u"NoCount", u"Negative", u"Bad", u"Missing"})
        EXPECT_EQ(read(section), untouched) << QString::fromUtf16(section).toStdString();
    EXPECT_EQ(read(u"Zero"), QStringList());
    // Item1 is missing and skipped; items are taken in index order, not
    // file order, and those at or beyond Count are ignored.
    EXPECT_EQ(read(u"Gaps"), QStringList({"a", "c", "d"}));
    EXPECT_EQ(read(u"Huge"), QStringList({"first", "last"}));
}

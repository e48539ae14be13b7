#include "core/base/FontValue.h"
#include "core/base/IniDocument.h"

#include <gtest/gtest.h>

using namespace zf;

namespace {

IniDocument parsed(const QByteArray &bytes)
{
    IniDocument document;
    document.parse(bytes);
    return document;
}

} // namespace

TEST(IniDocument, NewDocumentKeepsTheOrderOfFirstWrites)
{
    IniDocument document;
    document.writeString(u"FORM", u"Name", QStringLiteral("Form1"));
    document.writeInt(u"FORM", u"Top", 10);
    document.writeString(u"Bt1", u"Control", QStringLiteral("Button"));
    document.writeInt(u"FORM", u"Left", -5);
    document.writeBool(u"Bt1", u"State", true);
    document.writeBool(u"Bt1", u"Visible", false);
    // A second write replaces in place: "Top" stays second.
    document.writeInt(u"form", u"TOP", 20);
    EXPECT_EQ(document.toBytes(),
              QByteArray("[FORM]\r\nName=Form1\r\nTop=20\r\nLeft=-5\r\n"
                         "[Bt1]\r\nControl=Button\r\nState=1\r\nVisible=0\r\n"));
}

TEST(IniDocument, RewriteKeepsForeignLinesAndReplacesInPlace)
{
    const QByteArray original = "; written by hand\n"
                                "stray=line before sections\n"
                                "\n"
                                "[Project]\n"
                                "  Name = old.zpj  \n"
                                "no equals sign here\n"
                                "; a comment\n"
                                "Lib=1\n"
                                "\n"
                                "[Code]\n"
                                "Keep=this\n";
    IniDocument document = parsed(original);
    document.writeString(u"PROJECT", u"name", QStringLiteral("new.zpj"));
    document.writeString(u"Project", u"Added", QStringLiteral("x"));
    document.writeString(u"Zoom", u"Active", QStringLiteral("0"));
    EXPECT_EQ(document.toBytes(), QByteArray("; written by hand\r\n"
                                             "stray=line before sections\r\n"
                                             "\r\n"
                                             "[Project]\r\n"
                                             "Name=new.zpj\r\n"
                                             "no equals sign here\r\n"
                                             "; a comment\r\n"
                                             "Lib=1\r\n"
                                             "Added=x\r\n"
                                             "\r\n"
                                             "[Code]\r\n"
                                             "Keep=this\r\n"
                                             "[Zoom]\r\n"
                                             "Active=0\r\n"));
    // None of the foreign lines can be read as values.
    EXPECT_EQ(document.keys(u"Project"), QStringList({"Name", "Lib", "Added"}));
    EXPECT_FALSE(document.hasKey(u"Project", u"; a comment"));
    EXPECT_EQ(document.sections(), QStringList({"Project", "Code", "Zoom"}));
}

TEST(IniDocument, UntouchedLinesAreWrittenAsTheyWere)
{
    const QByteArray original = "[A]\r\n  spaced  =  value with blanks  \r\n\tTabbed=1\r\n";
    EXPECT_EQ(parsed(original).toBytes(), original);
    // LF-only files come back with CR LF, and a last line without a line end
    // gets one.
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
    EXPECT_EQ(document.toBytes(), QByteArray("[Project]\r\nName=p\r\n[Code]\r\nName=x\r\n"
                                             "[ActiveForms]\r\nForm0=c.zsc\r\n"));
    // Erasing what is not there changes nothing.
    document.eraseSection(u"Nothing");
    EXPECT_EQ(document.sections(), QStringList({"Project", "Code", "ActiveForms"}));
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

TEST(IniDocument, StringsAreTrimmedAndUnquoted)
{
    const IniDocument document = parsed("[S]\n"
                                        "plain=  text with  inner  blanks \t\n"
                                        "double=\" padded \"\n"
                                        "single='it''s'\n"
                                        "mixed=\"half'\n"
                                        "lone=\"\n"
                                        "inner=\"a\" and \"b\"\n"
                                        "empty=\n"
                                        "equals=a=b=c\n");
    EXPECT_EQ(document.readString(u"S", u"plain"), "text with  inner  blanks");
    EXPECT_EQ(document.readString(u"S", u"double"), " padded ");
    EXPECT_EQ(document.readString(u"S", u"single"), "it''s");
    EXPECT_EQ(document.readString(u"S", u"mixed"), "\"half'");
    EXPECT_EQ(document.readString(u"S", u"lone"), "\"");
    EXPECT_EQ(document.readString(u"S", u"inner"), "a\" and \"b");
    EXPECT_EQ(document.readString(u"S", u"empty", QStringLiteral("default")), "");
    EXPECT_EQ(document.readString(u"S", u"equals"), "a=b=c");
    EXPECT_EQ(document.readString(u"S", u"missing", QStringLiteral("default")), "default");
    EXPECT_EQ(document.readString(u"Nope", u"plain", QStringLiteral("default")), "default");
}

TEST(IniDocument, ValuesOfAnyLengthAreReturnedWhole)
{
    const QString big(10 * 1024 * 1024, QLatin1Char('F'));
    IniDocument document;
    document.writeString(u"Bitmap", u"Data", big);
    const IniDocument reread = parsed(document.toBytes());
    EXPECT_EQ(reread.readString(u"Bitmap", u"Data"), big);
}

TEST(IniDocument, IntegersReadDecimalAndBothHexForms)
{
    const IniDocument document =
        parsed("[N]\n"
               "dec=42\nneg=-7\nplus=+3\nlead=007\nspaced= 5 \nquoted='12'\n"
               "hex=0x1F\nupper=0X1f\ndollar=$FF\nall=$FFFFFFFF\n"
               "max=2147483647\nmin=-2147483648\n"
               "x0=0x\ndollaronly=$\ntrailing=12abc\nfraction=1.5\n"
               "over=2147483648\nunder=-2147483649\nhuge=99999999999999999999\n"
               "widehex=$100000000\nneghex=-$10\nbadhex=0xZZ\nempty=\n");
    const auto read = [&document](const char16_t *key) { return document.readInt(u"N", key, -99); };
    EXPECT_EQ(read(u"dec"), 42);
    EXPECT_EQ(read(u"neg"), -7);
    EXPECT_EQ(read(u"plus"), 3);
    EXPECT_EQ(read(u"lead"), 7);
    EXPECT_EQ(read(u"spaced"), 5);
    EXPECT_EQ(read(u"quoted"), 12);
    EXPECT_EQ(read(u"hex"), 31);
    EXPECT_EQ(read(u"upper"), 31);
    EXPECT_EQ(read(u"dollar"), 255);
    EXPECT_EQ(read(u"all"), -1);
    EXPECT_EQ(read(u"max"), 2147483647);
    EXPECT_EQ(read(u"min"), std::numeric_limits<int>::min());
    for (const char16_t *bad : {u"x0", u"dollaronly", u"trailing", u"fraction", u"over", u"under",
                                u"huge", u"widehex", u"neghex", u"badhex", u"empty", u"missing"}) {
        EXPECT_EQ(read(bad), -99) << QString::fromUtf16(bad).toStdString();
    }
}

TEST(IniDocument, BooleansAreNonZeroIntegers)
{
    IniDocument document = parsed("[B]\none=1\nzero=0\nfive=5\nminus=-1\nword=yes\n");
    EXPECT_TRUE(document.readBool(u"B", u"one", false));
    EXPECT_FALSE(document.readBool(u"B", u"zero", true));
    EXPECT_TRUE(document.readBool(u"B", u"five", false));
    EXPECT_TRUE(document.readBool(u"B", u"minus", false));
    EXPECT_TRUE(document.readBool(u"B", u"word", true));
    EXPECT_FALSE(document.readBool(u"B", u"word", false));
    EXPECT_TRUE(document.readBool(u"B", u"missing", true));
    document.writeBool(u"B", u"five", false);
    document.writeBool(u"B", u"zero", true);
    EXPECT_EQ(document.readString(u"B", u"five"), "0");
    EXPECT_EQ(document.readString(u"B", u"zero"), "1");
}

TEST(IniDocument, ListsRoundTripAndShareTheirSection)
{
    IniDocument document;
    document.writeList(u"Lb1Items", {"one", "two", "three"});
    document.writeInt(u"Lb1Items", u"VisibleItems", 2);
    EXPECT_EQ(document.toBytes(), QByteArray("[Lb1Items]\r\nCount=3\r\nItem0=one\r\nItem1=two\r\n"
                                             "Item2=three\r\nVisibleItems=2\r\n"));
    QStringList list{"old"};
    parsed(document.toBytes()).readList(u"Lb1Items", list);
    EXPECT_EQ(list, QStringList({"one", "two", "three"}));

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
    EXPECT_EQ(read(u"NoCount"), untouched);
    EXPECT_EQ(read(u"Negative"), untouched);
    EXPECT_EQ(read(u"Bad"), untouched);
    EXPECT_EQ(read(u"Missing"), untouched);
    EXPECT_EQ(read(u"Zero"), QStringList());
    // Item1 is missing and skipped; items are taken in index order, not
    // file order, and those at or beyond Count are ignored.
    EXPECT_EQ(read(u"Gaps"), QStringList({"a", "c", "d"}));
    EXPECT_EQ(read(u"Huge"), QStringList({"first", "last"}));
}

TEST(IniDocument, FontValuesFollowTheSixFieldRule)
{
    IniDocument document = parsed("[F]\n"
                                  "comma=PilotBold,9,,0,clWindowText,1\n"
                                  "semicolon=PilotBold;9;;0;clWindowText;1\n"
                                  "mixed=PilotBold,9;,0;clWindowText,1\n");
    FontValue expected;
    expected.setName(QStringLiteral("PilotBold"));
    expected.setSize(9);
    expected.setCharset(1);
    for (const char16_t *key : {u"comma", u"semicolon", u"mixed"}) {
        FontValue font;
        font.setBold(true);
        font.setPitch(FontValue::Pitch::Fixed);
        font.setColor(0x123456);
        document.readFont(u"F", key, font);
        EXPECT_EQ(font, expected) << QString::fromUtf16(key).toStdString();
        EXPECT_EQ(font.toIniText(), "PilotBold,9,,0,clWindowText,1");
    }

    FontValue font;
    font.setName(QStringLiteral("PilotLarge"));
    document.readFont(u"F", u"missing", font);
    EXPECT_EQ(font.name(), "PilotLarge");
    document.writeFont(u"F", u"comma", font);
    EXPECT_EQ(document.readString(u"F", u"comma"), "PilotLarge,10,,0,clWindowText,2");
}

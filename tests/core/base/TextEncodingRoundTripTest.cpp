// Every text written reads back as itself, including 1252 texts whose bytes
// happen to be valid UTF-8.
#include "core/base/IniDocument.h"
#include "core/base/TextEncoding.h"

#include <gtest/gtest.h>

using namespace zf;

TEST(TextEncodingRoundTrip, TextsWhose1252BytesAreUtf8AreWrittenAsUtf8)
{
    const QString cases[] = {
        QString::fromUtf8("\u00C3\u00A9"),             // C3 A9 in 1252: UTF-8 for "é"
        QString::fromUtf8("Title=\u00C2\u00A3 5"),     // C2 A3: "£"
        QString::fromUtf8("\u00EF\u00BB\u00BF[FORM]"), // EF BB BF: a byte-order mark
        QString::fromUtf8("\u00E2\u201A\u00AC"),       // E2 82 AC: "€"
    };
    for (const QString &text : cases) {
        TextEncoding used;
        const QByteArray bytes = encodeText(text, &used);
        EXPECT_EQ(used, TextEncoding::Utf8) << text.toStdString();
        EXPECT_EQ(decodeText(bytes), text) << text.toStdString();
    }
}

TEST(TextEncodingRoundTrip, OrdinaryTextStaysWindows1252)
{
    TextEncoding used;
    EXPECT_EQ(encodeText(QString::fromUtf8("Caf\u00E9 \u00E9t\u00E9 \u20AC5"), &used),
              QByteArray("Caf\xE9 \xE9t\xE9 \x80"
                         "5"));
    EXPECT_EQ(used, TextEncoding::Windows1252);
}

TEST(TextEncodingRoundTrip, ALeadingByteOrderMarkOfTheTextSurvives)
{
    const QString text = QChar(0xFEFF) + QStringLiteral("x\u0100");
    const QByteArray bytes = encodeText(text);
    EXPECT_EQ(bytes, QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx\xC4\x80"));
    EXPECT_EQ(decodeText(bytes), text);
}

TEST(TextEncodingRoundTrip, AFormTitleOfMojibakeSurvivesSaveAndLoad)
{
    IniDocument doc;
    doc.writeString(u"FORM", u"Title", QString::fromUtf8("D\u00C3\u00A9j\u00C3\u00A0 vu"));
    IniDocument reread;
    reread.parse(doc.toBytes());
    EXPECT_EQ(reread.readString(u"FORM", u"Title"),
              QString::fromUtf8("D\u00C3\u00A9j\u00C3\u00A0 vu"));
}

// Inputs the fuzz targets (tests/fuzz) found faults with, kept so the faults
// stay mended.
#include "core/base/IniDocument.h"

#include <gtest/gtest.h>

using namespace zf;

// A carriage return inside a line (lines end at line feeds) was kept in the
// names read from the file but turned into a space in every name looked up:
// the key or section was listed and could not be read, and a form record
// with such a header was dropped on loading.
TEST(FuzzRegression, NamesWithACarriageReturnInsideAreListedAsTheyAreFound)
{
    IniDocument doc;
    doc.parse("[Rd\r9]\r\nSelectedItem=\nF2\ront=PalmText9\r\nControl=Radio\r\n");
    ASSERT_EQ(doc.sections(), QStringList{QStringLiteral("Rd 9")});
    EXPECT_TRUE(doc.hasSection(u"Rd\r9"));
    const QStringList keys = doc.keys(u"Rd 9");
    ASSERT_EQ(keys, (QStringList{QStringLiteral("SelectedItem"), QStringLiteral("F2 ont"),
                                 QStringLiteral("Control")}));
    for (const QString &key : keys)
        EXPECT_TRUE(doc.hasKey(u"Rd 9", key)) << key.toStdString();
    EXPECT_EQ(doc.readString(u"Rd\r9", u"F2\ront"), QStringLiteral("PalmText9"));
    EXPECT_EQ(doc.readString(u"Rd 9", u"Control"), QStringLiteral("Radio"));
    // The file is written back as it was read.
    EXPECT_EQ(doc.toBytes(),
              QByteArray("[Rd\r9]\r\nSelectedItem=\r\nF2\ront=PalmText9\r\nControl=Radio\r\n"));
}

#include "core/canvas/BitmapFont.h"

#include <QFile>

#include <gtest/gtest.h>

namespace zf::test {
namespace {

QByteArray tinyFont()
{
    QFile file(QStringLiteral(ZENTIFORM_TEST_DATA_DIR) + QStringLiteral("/fonts-test/Tiny.bdf"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(BitmapFont, ReadsMetricsAndGlyphsAndBoxesTheCharactersItLacks)
{
    QString error;
    const BitmapFont font = BitmapFont::fromData(tinyFont(), &error);
    ASSERT_FALSE(font.isNull()) << error.toStdString();
    EXPECT_EQ(font.lineHeight(), 4);
    EXPECT_EQ(font.ascent(), 3);
    EXPECT_FALSE(font.hasGlyph('B'));
    const BitmapFont::Glyph &g = font.glyph('g');
    EXPECT_EQ(std::tuple(g.advance, g.top, g.rowCount, g.width), std::tuple(3, 2, 2, 2));
    EXPECT_EQ(font.rows()[g.firstRow], 0b11u);
    EXPECT_EQ(font.rows()[g.firstRow + 1], 0b10u);
    // A character without glyph takes the box character's advance.
    EXPECT_EQ(font.glyphFor(U'\u4e00').advance, 4);
    EXPECT_EQ(font.textWidth(QStringLiteral("AB\u00e9")), 3 + 4 + 2);
    // A null font draws boxes of the standard size.
    EXPECT_EQ(BitmapFont().textWidth(QStringLiteral("ab")), 10);
    EXPECT_EQ(BitmapFont().textHeight(QStringLiteral("ab")), 11);
}

TEST(BitmapFont, BadOrTruncatedDataGivesAMessageAndNeverACrash)
{
    for (const QByteArray &data : {QByteArray(), QByteArray(5000, '\xff')}) {
        QString error;
        EXPECT_TRUE(BitmapFont::fromData(data, &error).isNull());
        EXPECT_FALSE(error.isEmpty());
    }
    QString error;
    EXPECT_TRUE(BitmapFont::fromFile(QStringLiteral("/no/such/font.bdf"), &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("/no/such/font.bdf")));

    const QByteArray data = tinyFont();
    for (qsizetype size = 0; size < data.size(); size += 7) {
        const BitmapFont font = BitmapFont::fromData(data.left(size));
        // Whatever was read still measures and every code has a glyph or a box.
        for (int code = 0; code < 256; ++code)
            EXPECT_GT(font.glyph(uchar(code)).advance, 0) << size;
    }
}

} // namespace
} // namespace zf::test

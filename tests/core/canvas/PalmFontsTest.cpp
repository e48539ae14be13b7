#include "core/canvas/PalmFonts.h"

#include "core/base/DataPaths.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <map>

namespace zf::test {
namespace {

const QString kStandard = QStringLiteral("PilotStandard");
const QString kBold = QStringLiteral("PilotBold");
const QString kLarge = QStringLiteral("PilotLarge");
const QString kBold12 = QStringLiteral("PilotBold12");
const QString kScreen = QStringLiteral("PalmText9");

QString shippedFonts()
{
    return dataPath(QStringLiteral("fonts"));
}

// The published advance tables, typed into the test data.
std::map<QString, std::map<int, int>> publishedAdvances()
{
    std::map<QString, std::map<int, int>> table;
    QFile file(QStringLiteral(ZENTIFORM_TEST_DATA_DIR) + QStringLiteral("/fonts-advances.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1Char('#')) || line.trimmed().isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        EXPECT_EQ(fields.size(), 18) << line.toStdString();
        const int first = fields[1].toInt(nullptr, 16);
        for (int i = 2; i < fields.size(); ++i)
            table[fields[0]][first + i - 2] = fields[i].toInt();
    }
    return table;
}

class PalmFonts : public ::testing::Test
{
protected:
    void TearDown() override { loadPalmFonts(shippedFonts()); }

    static void copyShipped(const QTemporaryDir &dir, const QString &from, const QString &to)
    {
        ASSERT_TRUE(QFile::copy(shippedFonts() + QLatin1Char('/') + from, dir.filePath(to)));
    }
};

TEST_F(PalmFonts, ShippedFontsAllLoad)
{
    EXPECT_EQ(palmFontNames(), QStringList({kStandard, kLarge, kBold, kBold12}));
    EXPECT_TRUE(loadPalmFonts(shippedFonts()).isEmpty());
    EXPECT_EQ(palmFont(kStandard).lineHeight(), 11);
    EXPECT_EQ(palmFont(kBold).lineHeight(), 11);
    EXPECT_EQ(palmFont(kLarge).lineHeight(), 14);
    EXPECT_EQ(palmFont(kBold12).lineHeight(), 15);
    EXPECT_EQ(palmFont(kScreen).lineHeight(), 13);
}

TEST_F(PalmFonts, EveryAdvanceMatchesThePublishedTables)
{
    loadPalmFonts(shippedFonts());
    const auto table = publishedAdvances();
    ASSERT_EQ(table.size(), 4u);
    const std::map<QString, QString> tableOf = {{kStandard, kStandard},
                                                {kBold, kBold},
                                                {kLarge, kLarge},
                                                {kBold12, kBold12},
                                                {kScreen, kStandard}};
    for (const auto &[face, source] : tableOf) {
        const BitmapFont &font = palmFont(face);
        const auto &advances = table.at(source);
        ASSERT_EQ(advances.size(), 224u);
        for (const auto &[code, advance] : advances) {
            EXPECT_TRUE(font.hasGlyph(uchar(code))) << face.toStdString() << " " << code;
            EXPECT_EQ(font.advance(uchar(code)), advance)
                << face.toStdString() << " code 0x" << std::hex << code;
        }
    }
}

TEST_F(PalmFonts, GlyphsHaveInkInsideTheirAdvance)
{
    loadPalmFonts(shippedFonts());
    for (const QString &face : {kStandard, kBold, kLarge, kBold12, kScreen}) {
        const BitmapFont &font = palmFont(face);
        for (int code = 0x21; code < 0x100; ++code) {
            if (code == 0xA0)
                continue;
            const BitmapFont::Glyph &glyph = font.glyph(uchar(code));
            EXPECT_GT(glyph.rowCount, 0) << face.toStdString() << " " << code;
            EXPECT_GE(glyph.left, 0);
            EXPECT_LE(glyph.left + glyph.width, glyph.advance) << face.toStdString() << " " << code;
            EXPECT_GE(glyph.top, 0);
            EXPECT_LE(glyph.top + glyph.rowCount, font.lineHeight());
        }
    }
}

TEST_F(PalmFonts, TextMetrics)
{
    loadPalmFonts(shippedFonts());
    EXPECT_EQ(palmFont(kStandard).textHeight(QStringLiteral("A")), 11);
    EXPECT_EQ(palmFont(kBold).textHeight(QStringLiteral("A")), 11);
    EXPECT_EQ(palmFont(kScreen).textHeight(QStringLiteral("A")), 13);
    EXPECT_EQ(palmFont(kLarge).textHeight(QStringLiteral("A")), 14);
    EXPECT_EQ(palmFont(kStandard).textHeight(QString()), 0);
    EXPECT_EQ(palmFont(kStandard).textWidth(QString()), 0);
    // B 5, u 5, t 4, t 4, o 5, n 5.
    EXPECT_EQ(palmFont(kStandard).textWidth(QStringLiteral("Button")), 28);
    // B 7, u 6, t 6, t 6, o 6, n 6.
    EXPECT_EQ(palmFont(kBold).textWidth(QStringLiteral("Button")), 37);
    // The code page's own characters: euro 0x80, e acute 0xE9, ellipsis 0x85.
    EXPECT_EQ(palmFont(kLarge).textWidth(QStringLiteral("\u20ac\u00e9\u2026")), 7 + 7 + 10);
    EXPECT_EQ(palmFont(kScreen).textWidth(QStringLiteral("Dialog")), 6 + 2 + 5 + 2 + 5 + 5);
    // Bytes the code page leaves undefined come from files as control
    // characters; they measure as the device's symbols in those places.
    EXPECT_EQ(palmFont(kStandard).textWidth(QString(QChar(0x8D)) + QChar(0x81)), 10 + 5);
}

TEST_F(PalmFonts, BoldFacesAreHeavier)
{
    loadPalmFonts(shippedFonts());
    const auto ink = [](const BitmapFont &font) {
        int count = 0;
        for (int code = 0x21; code < 0x7F; ++code) {
            const BitmapFont::Glyph &glyph = font.glyph(uchar(code));
            for (int r = 0; r < glyph.rowCount; ++r)
                count += std::popcount(font.rows()[glyph.firstRow + r]);
        }
        return count;
    };
    EXPECT_GT(ink(palmFont(kBold)), ink(palmFont(kStandard)) * 5 / 4);
    EXPECT_GT(ink(palmFont(kBold12)), ink(palmFont(kLarge)) * 5 / 4);
}

TEST_F(PalmFonts, NamesIgnoreCaseAndUnknownNamesGiveTheStandardFace)
{
    loadPalmFonts(shippedFonts());
    EXPECT_EQ(&palmFont(QStringLiteral("pilotbold")), &palmFont(kBold));
    EXPECT_EQ(&palmFont(QStringLiteral("Arial")), &palmFont(kStandard));
    EXPECT_EQ(&palmFont(QString()), &palmFont(kStandard));
}

TEST_F(PalmFonts, MissingFontsAreReportedInLoadOrderAndFallBackToTheStandardFace)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    copyShipped(dir, QStringLiteral("PilotBold.bdf"), QStringLiteral("PilotBold.bdf"));
    EXPECT_EQ(loadPalmFonts(dir.path()), QStringList({kStandard, kLarge, kBold12}));
    // The built-in standard face stands in for the missing ones.
    const BitmapFont &standard = palmFont(kStandard);
    EXPECT_FALSE(standard.isNull());
    EXPECT_EQ(standard.lineHeight(), 11);
    EXPECT_EQ(standard.advance('A'), 5);
    EXPECT_EQ(palmFont(kLarge).lineHeight(), 11);
    EXPECT_EQ(palmFont(kLarge).advance('A'), 5);
    EXPECT_EQ(palmFont(kBold).advance('A'), 7);
    // The screen font is ours alone and is never reported.
    EXPECT_EQ(palmFont(kScreen).advance('A'), 5);
}

TEST_F(PalmFonts, AnEmptyFolderReportsAllFour)
{
    QTemporaryDir dir;
    EXPECT_EQ(loadPalmFonts(dir.path()), QStringList({kStandard, kLarge, kBold, kBold12}));
    EXPECT_EQ(palmFont(kBold12).textWidth(QStringLiteral("Button")), 28);
    EXPECT_EQ(loadPalmFonts(dir.filePath(QStringLiteral("no/such/folder"))).size(), 4);
}

TEST_F(PalmFonts, TheDevicesFonFileWinsOverOurs)
{
    QTemporaryDir dir;
    copyShipped(dir, QStringLiteral("PilotBold.bdf"), QStringLiteral("PilotBold.bdf"));
    // FreeType tells fonts by their content; a large face under the .fon name
    // shows which file was taken.
    copyShipped(dir, QStringLiteral("PilotLarge.bdf"), QStringLiteral("PilotBold.fon"));
    EXPECT_FALSE(loadPalmFonts(dir.path()).contains(kBold));
    EXPECT_EQ(palmFont(kBold).lineHeight(), 14);
}

TEST_F(PalmFonts, ADamagedFonFileLeavesOurFace)
{
    QTemporaryDir dir;
    copyShipped(dir, QStringLiteral("PilotBold.bdf"), QStringLiteral("PilotBold.bdf"));
    QFile fon(dir.filePath(QStringLiteral("PilotBold.fon")));
    ASSERT_TRUE(fon.open(QIODevice::WriteOnly));
    fon.write("MZ\x90\x00 not really a font");
    fon.close();
    EXPECT_FALSE(loadPalmFonts(dir.path()).contains(kBold));
    EXPECT_EQ(palmFont(kBold).advance('A'), 7);
}

} // namespace
} // namespace zf::test

#include "core/canvas/PalmFonts.h"

#include "core/base/DataPaths.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace zf::test {
namespace {

const QString kStandard = QStringLiteral("PilotStandard");
const QString kBold = QStringLiteral("PilotBold");
const QString kLarge = QStringLiteral("PilotLarge");
const QString kBold12 = QStringLiteral("PilotBold12");
const QString kScreen = QStringLiteral("PalmText9");

// Asked for when a test runs: before the application object exists the data
// folder is looked for from the working folder, which differs between runs.
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
    for (const QString &line : QString::fromLatin1(file.readAll()).split(u'\n')) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (line.startsWith(u'#') || fields.size() != 18)
            continue;
        for (int i = 2; i < fields.size(); ++i)
            table[fields[0]][fields[1].toInt(nullptr, 16) + i - 2] = fields[i].toInt();
    }
    return table;
}

struct PalmFonts : ::testing::Test
{
    void TearDown() override { loadPalmFonts(shippedFonts()); }
};

// Each face's lines, every advance as published (the screen's face has the
// standard one's) and every glyph's ink inside its cell.
TEST_F(PalmFonts, ShippedFacesMatchThePublishedTables)
{
    EXPECT_EQ(palmFontNames(), QStringList({kStandard, kLarge, kBold, kBold12}));
    EXPECT_TRUE(loadPalmFonts(shippedFonts()).isEmpty());
    auto table = publishedAdvances();
    const std::tuple<QString, QString, int> faces[] = {{kStandard, kStandard, 11},
                                                       {kBold, kBold, 11},
                                                       {kLarge, kLarge, 14},
                                                       {kBold12, kBold12, 15},
                                                       {kScreen, kStandard, 13}};
    for (const auto &[face, source, lineHeight] : faces) {
        const BitmapFont &font = palmFont(face);
        EXPECT_EQ(font.lineHeight(), lineHeight) << face.toStdString();
        ASSERT_EQ(table[source].size(), 224u);
        for (const auto &[code, advance] : table[source]) {
            EXPECT_TRUE(font.hasGlyph(uchar(code))) << face.toStdString() << " " << code;
            EXPECT_EQ(font.advance(uchar(code)), advance) << face.toStdString() << " " << code;
            const BitmapFont::Glyph &glyph = font.glyph(uchar(code));
            EXPECT_TRUE((glyph.rowCount > 0 || code == 0x20 || code == 0xA0) && glyph.left >= 0 &&
                        glyph.left + glyph.width <= glyph.advance && glyph.top >= 0 &&
                        glyph.top + glyph.rowCount <= font.lineHeight())
                << face.toStdString() << " " << code;
        }
    }
}

TEST_F(PalmFonts, TextsMeasureInTheCodePageAndNamesIgnoreCase)
{
    // The code page's own characters: euro 0x80, e acute 0xE9, ellipsis 0x85.
    EXPECT_EQ(palmFont(kLarge).textWidth(QStringLiteral("\u20ac\u00e9\u2026")), 7 + 7 + 10);
    // Bytes the code page leaves undefined come from files as control
    // characters; they measure as the device's symbols in those places.
    EXPECT_EQ(palmFont(kStandard).textWidth(QString(QChar(0x8D)) + QChar(0x81)), 10 + 5);
    EXPECT_TRUE(&palmFont(QStringLiteral("pilotbold")) == &palmFont(kBold) &&
                &palmFont(QStringLiteral("Arial")) == &palmFont(kStandard));
}

// Missing faces are reported in load order and drawn with the built-in
// standard face; the device's .fon file wins over our .bdf unless damaged.
TEST_F(PalmFonts, MissingOrDamagedFilesFallBackToTheStandardFace)
{
    constexpr char kDamaged[] = "MZ\x90\x00 not really a font";
    const QByteArray damaged(kDamaged, sizeof kDamaged - 1);
    const struct
    {
        QStringList files; // "from>to" copies of shipped files, or "to" damaged
        QStringList missing;
        int boldLine, boldAdvanceA;
    } cases[] = {
        {{}, {kStandard, kLarge, kBold, kBold12}, 11, 5},
        // FreeType tells fonts by content: a large face under the .fon name.
        {{"PilotBold.bdf>PilotBold.bdf", "PilotLarge.bdf>PilotBold.fon"},
         {kStandard, kLarge, kBold12},
         14,
         9},
        {{"PilotBold.bdf>PilotBold.bdf", "PilotBold.fon"}, {kStandard, kLarge, kBold12}, 11, 7},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        for (const QString &file : c.files) {
            const QStringList parts = file.split(u'>');
            QFile to(dir.filePath(parts.last()));
            ASSERT_TRUE(parts.size() == 2
                            ? QFile::copy(shippedFonts() + u'/' + parts[0], to.fileName())
                            : to.open(QIODevice::WriteOnly) && to.write(damaged) > 0);
        }
        const std::string name = c.files.join(u' ').toStdString();
        EXPECT_EQ(loadPalmFonts(dir.path()), c.missing) << name;
        // The screen font is ours alone and is never reported.
        EXPECT_EQ(std::tuple(palmFont(kBold).lineHeight(), palmFont(kBold).advance('A'),
                             palmFont(kLarge).lineHeight(), palmFont(kLarge).advance('A'),
                             palmFont(kScreen).advance('A')),
                  std::tuple(c.boldLine, c.boldAdvanceA, 11, 5, 5))
            << name;
    }
    EXPECT_EQ(loadPalmFonts(QStringLiteral("/no/such/folder")).size(), 4);
}

} // namespace
} // namespace zf::test

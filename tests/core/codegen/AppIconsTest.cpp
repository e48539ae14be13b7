#include "core/codegen/AppIcons.h"
#include "core/codegen/GenerateSettings.h"

#include <QFile>
#include <QSize>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace zf;

namespace {

QString writeFile(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

// Two-bit pictures are kept in the four-bit file format, which every reader
// takes; rows are padded with zeros so every save writes the same bytes.
TEST(AppIconsTest, EverySlotStartsWithAPictureOfItsSizeAndDepth)
{
    const AppIcons icons;
    for (IconSlot slot : kIconSlots) {
        const IconSlotInfo &info = iconSlotInfo(slot);
        const QByteArray &bytes = icons.bitmap(slot);
        ASSERT_TRUE(AppIcons::isWindowsBitmap(bytes)) << info.key;
        EXPECT_EQ(bytes, AppIcons::defaultBitmap(slot)) << info.key;
        const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
        const quint32 pixels = qFromLittleEndian<quint32>(data + 10);
        const qint32 width = qFromLittleEndian<qint32>(data + 18);
        const qint32 height = std::abs(qFromLittleEndian<qint32>(data + 22));
        const quint16 bits = qFromLittleEndian<quint16>(data + 28);
        EXPECT_EQ(QSize(width, height), QSize(info.width, info.height)) << info.key;
        EXPECT_EQ(bits, info.depth == 2 ? 4 : info.depth) << info.key;
        const int stride = (width * bits + 31) / 32 * 4;
        ASSERT_EQ(bytes.size(), qsizetype(pixels) + stride * height) << info.key;
        for (int row = 0; row < height; ++row) {
            for (int i = (width * bits + 7) / 8; i < stride; ++i)
                EXPECT_EQ(data[pixels + row * stride + i], 0) << info.key << " row " << row;
        }
    }
}

// A picked bitmap is kept byte for byte; what is no bitmap leaves the slot
// alone.
TEST(AppIconsTest, APickedFileIsKeptByteForByteAndNoBitmapIsRefused)
{
    QTemporaryDir dir;
    AppIcons icons;
    // A 2-bit bitmap as handheld tools write it, which Qt itself cannot read.
    QByteArray twoBit = AppIcons::defaultBitmap(IconSlot::Large2);
    qToLittleEndian<quint16>(2, reinterpret_cast<uchar *>(twoBit.data()) + 28);
    QString error;
    ASSERT_TRUE(icons.load(IconSlot::Large2, writeFile(dir, "mine.bmp", twoBit), &error));
    EXPECT_EQ(icons.bitmap(IconSlot::Large2), twoBit);

    const QString text = writeFile(dir, "text.bmp", "BM but not a bitmap at all");
    EXPECT_FALSE(icons.load(IconSlot::Large2, text, &error));
    EXPECT_EQ(error, text + QStringLiteral(" is not a valid bitmap"));
    for (const QString &path :
         {writeFile(dir, "cut.bmp", twoBit.left(20)), dir.filePath(QStringLiteral("none.bmp")),
          writeFile(dir, "huge.bmp", twoBit + QByteArray(AppIcons::kMaxFileSize, '\0'))})
        EXPECT_FALSE(icons.load(IconSlot::Large2, path, &error)) << path.toStdString();
    EXPECT_EQ(icons.bitmap(IconSlot::Large2), twoBit);
}

TEST(AppIconsTest, StoredPathsLoadWhenTheirFilesExist)
{
    QTemporaryDir dir;
    const QByteArray picked = AppIcons::defaultBitmap(IconSlot::Small1);
    GenerateSettings settings;
    settings.iconPaths[size_t(IconSlot::Large1)] = writeFile(dir, "l1.bmp", picked);
    settings.iconPaths[size_t(IconSlot::Large2)] = dir.filePath(QStringLiteral("gone.bmp"));
    settings.iconPaths[size_t(IconSlot::Large4)] = writeFile(dir, "bad.bmp", "nonsense");
    AppIcons icons;
    const QStringList errors = icons.loadFrom(settings);
    EXPECT_EQ(icons.bitmap(IconSlot::Large1), picked);
    // A file that is gone says nothing; one that is no bitmap is reported.
    EXPECT_EQ(icons.bitmap(IconSlot::Large2), AppIcons::defaultBitmap(IconSlot::Large2));
    EXPECT_EQ(errors, QStringList{settings.iconPath(IconSlot::Large4) +
                                  QStringLiteral(" is not a valid bitmap")});
}

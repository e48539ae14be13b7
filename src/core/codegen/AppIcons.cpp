#include "core/codegen/AppIcons.h"
#include "core/codegen/GenerateSettings.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>

#include <climits>
#include <cstring>

namespace zf {

namespace {

// The built-in picture: a small form with a dark title bar, in the colours a
// picture of the slot's depth can hold.
QImage defaultPicture(const IconSlotInfo &info)
{
    QVector<QRgb> colors;
    switch (info.depth) {
    case 1:
        colors = {qRgb(255, 255, 255), qRgb(0, 0, 0)};
        break;
    case 2:
        for (int level : {255, 170, 85, 0})
            colors << qRgb(level, level, level);
        break;
    case 4:
        for (int i = 0; i < 16; ++i)
            colors << qRgb(255 - i * 17, 255 - i * 17, 255 - i * 17);
        break;
    default:
        // Like the handheld's system palette: a 6 x 6 x 6 colour cube from
        // white down, then greys.
        for (int i = 0; i < 216; ++i)
            colors << qRgb(255 - i / 36 * 51, 255 - i / 6 % 6 * 51, 255 - i % 6 * 51);
        for (int i = 216; i < 256; ++i)
            colors << qRgb((255 - i) * 6, (255 - i) * 6, (255 - i) * 6);
        break;
    }
    const auto nearest = [&](QRgb wanted) {
        int best = 0;
        int bestDistance = INT_MAX;
        for (int i = 0; i < colors.size(); ++i) {
            const int dr = qRed(colors[i]) - qRed(wanted), dg = qGreen(colors[i]) - qGreen(wanted),
                      db = qBlue(colors[i]) - qBlue(wanted);
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) {
                best = i;
                bestDistance = distance;
            }
        }
        return uint(best);
    };
    const uint paper = nearest(qRgb(255, 255, 255));
    const uint frame = nearest(qRgb(0, 0, 0));
    const uint bar = nearest(info.depth == 8 ? qRgb(0, 0, 153) : qRgb(85, 85, 85));

    // A monochrome picture is written with one bit per pixel.
    QImage image(info.width, info.height,
                 info.depth == 1 ? QImage::Format_Mono : QImage::Format_Indexed8);
    image.setColorTable(colors);
    // The file holds the rows with the padding at their ends; cleared, those
    // bytes are the same on every run instead of whatever the memory held.
    std::memset(image.bits(), 0, size_t(image.sizeInBytes()));
    const int w = info.width, h = info.height;
    const int barHeight = h >= 16 ? 7 : 3;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            image.setPixel(x, y, edge ? frame : y < barHeight ? bar : paper);
        }
    }
    return image;
}

} // namespace

AppIcons::AppIcons()
{
    for (IconSlot slot : kIconSlots)
        m_bitmaps[size_t(slot)] = defaultBitmap(slot);
}

QByteArray AppIcons::defaultBitmap(IconSlot slot)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    defaultPicture(iconSlotInfo(slot)).save(&buffer, "BMP");
    return bytes;
}

bool AppIcons::isWindowsBitmap(const QByteArray &bytes)
{
    // File header (14 bytes) and at least the core of an information header.
    if (bytes.size() < 26 || !bytes.startsWith("BM"))
        return false;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(data + 14);
    if (headerSize == 12) { // OS/2 core header
        const quint16 bits = qFromLittleEndian<quint16>(data + 24);
        return bits == 1 || bits == 4 || bits == 8 || bits == 24;
    }
    if (headerSize < 40 || bytes.size() < 30)
        return false;
    const qint32 width = qFromLittleEndian<qint32>(data + 18);
    const qint32 height = qFromLittleEndian<qint32>(data + 22);
    const quint16 bits = qFromLittleEndian<quint16>(data + 28);
    const bool knownDepth =
        bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    return width > 0 && height != 0 && knownDepth;
}

bool AppIcons::load(IconSlot slot, const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Unable to read ") + path;
        return false;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize || !isWindowsBitmap(bytes)) {
        if (error)
            *error = path + QStringLiteral(" is not a valid bitmap");
        return false;
    }
    m_bitmaps[size_t(slot)] = bytes;
    return true;
}

QStringList AppIcons::loadFrom(const GenerateSettings &settings)
{
    QStringList errors;
    for (IconSlot slot : kIconSlots) {
        const QString &path = settings.iconPath(slot);
        if (path.isEmpty() || !QFileInfo(path).isFile())
            continue;
        QString error;
        if (!load(slot, path, &error))
            errors << error;
    }
    return errors;
}

} // namespace zf

#pragma once

#include "core/codegen/IconSlot.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace zf {

struct GenerateSettings;

// The pictures of the eight icon slots, each kept as the bytes of its
// Windows bitmap file: a file the user picked is written out exactly as it
// was read, whatever its colour depth. Every slot starts with a built-in
// picture of its size and depth, so every slot always holds one.
class AppIcons
{
public:
    // Bitmap files larger than this are no icons.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    AppIcons();

    const QByteArray &bitmap(IconSlot slot) const { return m_bitmaps[size_t(slot)]; }

    // Loads a bitmap file into the slot. A file that is not a Windows bitmap
    // leaves the slot as it was and gives false with a message in `error`.
    bool load(IconSlot slot, const QString &path, QString *error = nullptr);
    // Loads each slot whose stored path names an existing file; a path whose
    // file is gone leaves the slot alone. Returns the messages of files that
    // exist but could not be loaded.
    QStringList loadFrom(const GenerateSettings &settings);

    // The built-in picture of a slot.
    static QByteArray defaultBitmap(IconSlot slot);
    // Whether bytes hold a Windows bitmap file we can pass on.
    static bool isWindowsBitmap(const QByteArray &bytes);

private:
    std::array<QByteArray, kIconSlotCount> m_bitmaps;
};

} // namespace zf

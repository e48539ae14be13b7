#include "core/canvas/PalmFonts.h"

#include "core/base/DataPaths.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace zf {

namespace {

// Standard first: it stands in for any other face that is missing.
const std::array<QString, 5> kFaceNames = {
    QStringLiteral("PilotStandard"), QStringLiteral("PilotLarge"), QStringLiteral("PilotBold"),
    QStringLiteral("PilotBold12"),   QStringLiteral("PalmText9"),
};
constexpr std::size_t kReportedFaces = 4;

struct FontSet
{
    std::array<BitmapFont, kFaceNames.size()> faces;
    bool loaded = false;
};

FontSet &fontSet()
{
    static FontSet set;
    return set;
}

BitmapFont builtInStandardFace()
{
    return BitmapFont::fromFile(QStringLiteral(":/zentiform/fonts/PilotStandard.bdf"));
}

// The device's own .fon first; a damaged one still leaves our face.
BitmapFont loadFace(const QDir &dir, const QString &name, bool acceptFon)
{
    if (acceptFon) {
        const QString fon = dir.filePath(name + QStringLiteral(".fon"));
        if (QFileInfo::exists(fon)) {
            BitmapFont font = BitmapFont::fromFile(fon);
            if (!font.isNull())
                return font;
        }
    }
    return BitmapFont::fromFile(dir.filePath(name + QStringLiteral(".bdf")));
}

} // namespace

QStringList palmFontNames()
{
    return {kFaceNames.begin(), kFaceNames.begin() + kReportedFaces};
}

QStringList loadPalmFonts(const QString &dir)
{
    FontSet &set = fontSet();
    const QDir folder(dir);
    QStringList missing;
    for (std::size_t i = 0; i < kFaceNames.size(); ++i) {
        const bool reported = i < kReportedFaces;
        BitmapFont font = loadFace(folder, kFaceNames[i], reported);
        if (font.isNull()) {
            if (reported)
                missing << kFaceNames[i];
            font = i == 0 ? builtInStandardFace() : set.faces[0];
        }
        set.faces[i] = std::move(font);
    }
    set.loaded = true;
    return missing;
}

const BitmapFont &palmFont(const QString &name)
{
    FontSet &set = fontSet();
    if (!set.loaded)
        loadPalmFonts(dataPath(QStringLiteral("fonts")));
    for (std::size_t i = 0; i < kFaceNames.size(); ++i) {
        if (name.compare(kFaceNames[i], Qt::CaseInsensitive) == 0)
            return set.faces[i];
    }
    return set.faces[0];
}

} // namespace zf

#include "core/canvas/BitmapFont.h"

#include "core/base/TextEncoding.h"

#include <QFile>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <bit>
#include <memory>

namespace zf {

namespace {

constexpr int kMaxGlyphWidth = 64;
constexpr unsigned char kBoxCode = 0x7F;

struct FtLibraryDeleter
{
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FtFaceDeleter
{
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FtLibrary = std::unique_ptr<std::remove_pointer_t<FT_Library>, FtLibraryDeleter>;
using FtFace = std::unique_ptr<std::remove_pointer_t<FT_Face>, FtFaceDeleter>;

constexpr std::array<char, 256> allBytes()
{
    std::array<char, 256> bytes{};
    for (int i = 0; i < 256; ++i)
        bytes[i] = char(i);
    return bytes;
}

BitmapFont fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return {};
}

// Byte-coded maps (BDF in a non-Unicode registry, Windows .fon) are asked by
// byte; a Unicode map is asked for the byte's character.
bool chooseCharmap(FT_Face face, bool *byUnicode)
{
    for (int i = 0; i < face->num_charmaps; ++i) {
        FT_CharMap map = face->charmaps[i];
        if (map->encoding != FT_ENCODING_UNICODE && FT_Set_Charmap(face, map) == 0) {
            *byUnicode = false;
            return true;
        }
    }
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0) {
        *byUnicode = true;
        return true;
    }
    return false;
}

} // namespace

BitmapFont BitmapFont::fromFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    return fromData(file.readAll(), error);
}

BitmapFont BitmapFont::fromData(const QByteArray &data, QString *error)
{
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0)
        return fail(error, QStringLiteral("FreeType could not start"));
    FtLibrary library(rawLibrary);

    FT_Face rawFace = nullptr;
    if (data.isEmpty() ||
        FT_New_Memory_Face(library.get(), reinterpret_cast<const FT_Byte *>(data.constData()),
                           FT_Long(data.size()), 0, &rawFace) != 0)
        return fail(error, QStringLiteral("Not a font file"));
    FtFace face(rawFace);
    if (face->num_fixed_sizes < 1 || FT_Select_Size(face.get(), 0) != 0)
        return fail(error, QStringLiteral("Not a bitmap font"));

    bool byUnicode = false;
    if (!chooseCharmap(face.get(), &byUnicode))
        return fail(error, QStringLiteral("The font has no character map"));

    BitmapFont font;
    font.m_rows.clear();
    const FT_Size_Metrics &metrics = face->size->metrics;
    font.m_ascent = int(metrics.ascender >> 6);
    font.m_lineHeight = int((metrics.ascender - metrics.descender) >> 6);
    if (font.m_lineHeight <= 0 || font.m_lineHeight > 256)
        return fail(error, QStringLiteral("The font has no usable line height"));

    const QString characters = decodeWindows1252(QByteArray(allBytes().data(), 256));
    for (int code = 0; code < 256; ++code) {
        const FT_ULong charcode = byUnicode ? FT_ULong(characters[code].unicode()) : FT_ULong(code);
        const FT_UInt index = FT_Get_Char_Index(face.get(), charcode);
        if (index == 0 ||
            FT_Load_Glyph(face.get(), index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap &bitmap = slot->bitmap;
        if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO && bitmap.rows > 0)
            continue;

        Glyph &glyph = font.m_glyphs[code];
        glyph.advance = int(slot->advance.x >> 6);
        glyph.left = slot->bitmap_left;
        glyph.top = font.m_ascent - slot->bitmap_top;
        glyph.firstRow = font.m_rows.size();
        const int width = std::min(int(bitmap.width), kMaxGlyphWidth);
        for (unsigned r = 0; r < bitmap.rows; ++r) {
            const unsigned char *src = bitmap.buffer + qsizetype(r) * bitmap.pitch;
            std::uint64_t bits = 0;
            for (int c = 0; c < width; ++c) {
                if (src[c >> 3] & (0x80 >> (c & 7)))
                    bits |= std::uint64_t(1) << c;
            }
            font.m_rows.push_back(bits);
            glyph.width = std::max(glyph.width, 64 - std::countl_zero(bits));
        }
        glyph.rowCount = int(bitmap.rows);
        font.m_present[code] = true;
    }

    font.m_null = false;
    const int boxAdvance = font.m_present[kBoxCode] ? font.m_glyphs[kBoxCode].advance
                                                    : std::max(3, font.m_lineHeight / 2);
    font.rebuildBox(boxAdvance, font.m_lineHeight, font.m_ascent);
    return font;
}

void BitmapFont::rebuildBox(int advance, int lineHeight, int ascent)
{
    m_lineHeight = lineHeight;
    m_ascent = ascent;
    // From cap height to the baseline, one pixel short of the advance: it
    // stands where a capital would.
    const int top = lineHeight / 5;
    const int bottom = std::max(top + 2, ascent);
    const int width = std::clamp(advance - 1, 2, kMaxGlyphWidth);
    const std::uint64_t full = width == 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << width) - 1;
    const std::uint64_t sides = 1 | (std::uint64_t(1) << (width - 1));

    m_box = Glyph{advance, 0, top, width, bottom - top, m_rows.size()};
    for (int r = top; r < bottom; ++r)
        m_rows.push_back(r == top || r == bottom - 1 ? full : sides);
}

const BitmapFont::Glyph &BitmapFont::glyphFor(char32_t ch) const
{
    const int code = ch > 0xFFFF ? -1 : windows1252Byte(char16_t(ch));
    return code < 0 ? m_box : glyph(uchar(code));
}

int BitmapFont::textWidth(const QString &text) const
{
    int width = 0;
    forEachGlyph(text, [&width](const Glyph &glyph) { width += glyph.advance; });
    return width;
}

} // namespace zf

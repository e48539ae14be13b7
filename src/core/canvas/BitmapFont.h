#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace zf {

// A one-bit font of the handheld kind: one fixed size, a proportional advance
// per character, glyphs addressed by their Windows-1252 byte (the handheld's
// code page for every printable character). It is read once
// through FreeType (BDF, PCF or Windows .fon/.fnt) and kept pre-rasterised, so
// measuring and drawing text never call FreeType.
//
// A character with no glyph in the font (or none in the code page) is drawn
// as a box with the advance of the font's own box character 0x7F.
class BitmapFont
{
public:
    // Rows of up to 64 pixels, bit 0 the leftmost, counted from the top of the
    // line; only the rows from `top` that hold ink are kept.
    struct Glyph
    {
        int advance = 0;
        int left = 0;  // first column, from the pen position
        int top = 0;   // first row, from the top of the line
        int width = 0; // columns up to the last one with ink
        int rowCount = 0;
        std::size_t firstRow = 0; // index into rows()
    };

    // A font with no glyphs: every character is a box.
    BitmapFont() { rebuildBox(5, 11, 9); }

    // Null with *error set when the data is not a font FreeType can read at
    // a fixed size.
    static BitmapFont fromFile(const QString &path, QString *error = nullptr);
    static BitmapFont fromData(const QByteArray &data, QString *error = nullptr);

    bool isNull() const { return m_null; }
    int lineHeight() const { return m_lineHeight; }
    int ascent() const { return m_ascent; }

    bool hasGlyph(unsigned char code) const { return m_present[code]; }
    // The box for a code without a glyph.
    const Glyph &glyph(unsigned char code) const
    {
        return m_present[code] ? m_glyphs[code] : m_box;
    }
    const Glyph &box() const { return m_box; }
    const std::vector<std::uint64_t> &rows() const { return m_rows; }
    int advance(unsigned char code) const { return glyph(code).advance; }

    // The glyph of a text's character; handles what the code page lacks.
    const Glyph &glyphFor(char32_t ch) const;
    // Sum of the advances.
    int textWidth(const QString &text) const;
    // The line height, or 0 for an empty text.
    int textHeight(const QString &text) const { return text.isEmpty() ? 0 : m_lineHeight; }

    // Calls f(const Glyph &) for each character in order; a surrogate pair is
    // one character.
    template <class F> void forEachGlyph(const QString &text, F &&f) const
    {
        const qsizetype n = text.size();
        const QChar *chars = text.constData();
        for (qsizetype i = 0; i < n; ++i) {
            char32_t ch = chars[i].unicode();
            if (chars[i].isHighSurrogate() && i + 1 < n && chars[i + 1].isLowSurrogate()) {
                ch = QChar::surrogateToUcs4(chars[i], chars[i + 1]);
                ++i;
            }
            f(glyphFor(ch));
        }
    }

private:
    void rebuildBox(int advance, int lineHeight, int ascent);

    bool m_null = true;
    int m_lineHeight = 11;
    int m_ascent = 9;
    std::array<bool, 256> m_present{};
    std::array<Glyph, 256> m_glyphs{};
    Glyph m_box;
    std::vector<std::uint64_t> m_rows;
};

} // namespace zf

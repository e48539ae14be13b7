#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace zf {

// A control's font as the files keep it: one value of six fields, name,
// size in points, style letters, pitch, colour and character set, for
// example "PilotBold,9,B,0,clWindowText,1".
//
// The colour is a Windows colour value: 0x00BBGGRR for a plain colour, or a
// system colour such as the window text colour, which is kept as the
// identifier's value and written back as the identifier.
class FontValue
{
public:
    enum class Pitch { Default = 0, Variable = 1, Fixed = 2 };

    static constexpr quint32 kWindowTextColor = 0xFF000008;

    // The screen's font at 96 pixels per inch, which controls keep until
    // their font is changed.
    FontValue() = default;

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    int size() const { return m_size; }
    void setSize(int points) { m_size = points; }
    bool bold() const { return m_bold; }
    void setBold(bool on) { m_bold = on; }
    bool italic() const { return m_italic; }
    void setItalic(bool on) { m_italic = on; }
    bool underline() const { return m_underline; }
    void setUnderline(bool on) { m_underline = on; }
    bool strikeOut() const { return m_strikeOut; }
    void setStrikeOut(bool on) { m_strikeOut = on; }
    Pitch pitch() const { return m_pitch; }
    void setPitch(Pitch pitch) { m_pitch = pitch; }
    quint32 color() const { return m_color; }
    void setColor(quint32 color) { m_color = color; }
    int charset() const { return m_charset; }
    void setCharset(int charset) { m_charset = charset; }

    // "Name,Size,Style,Pitch,Colour,Charset".
    QString toIniText() const;

    // Applies a stored value field by field. Fields may be separated by "," or
    // ";" and are trimmed; a size, pitch, colour or character set that is not
    // a valid value, and an empty name, leave the current one; a missing field
    // leaves its part unchanged, so an empty text changes nothing; fields
    // beyond the sixth are ignored.
    void applyIniText(QStringView text);

    // The colour identifiers the files use ("clWindowText", "clBlack", ...),
    // else "$" and eight upper-case hexadecimal digits.
    static QString colorToText(quint32 color);
    // Reads an identifier (any letter case), "$" hexadecimal or a decimal
    // number; false when text is none of them.
    static bool colorFromText(QStringView text, quint32 *color);

    friend bool operator==(const FontValue &, const FontValue &) = default;

private:
    QString m_name = QStringLiteral("PalmText9");
    int m_size = 10;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikeOut = false;
    Pitch m_pitch = Pitch::Default;
    quint32 m_color = kWindowTextColor;
    int m_charset = 2;
};

} // namespace zf

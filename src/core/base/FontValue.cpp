#include "core/base/FontValue.h"

#include "core/base/IniDocument.h"

#include <QList>

#include <array>

namespace zf {

namespace {

struct NamedColor
{
    const char16_t *name;
    quint32 value;
};

constexpr std::array<NamedColor, 17> kNamedColors = {{
    {u"clWindowText", FontValue::kWindowTextColor},
    {u"clBlack", 0x000000},
    {u"clMaroon", 0x000080},
    {u"clGreen", 0x008000},
    {u"clOlive", 0x008080},
    {u"clNavy", 0x800000},
    {u"clPurple", 0x800080},
    {u"clTeal", 0x808000},
    {u"clGray", 0x808080},
    {u"clSilver", 0xC0C0C0},
    {u"clRed", 0x0000FF},
    {u"clLime", 0x00FF00},
    {u"clYellow", 0x00FFFF},
    {u"clBlue", 0xFF0000},
    {u"clFuchsia", 0xFF00FF},
    {u"clAqua", 0xFFFF00},
    {u"clWhite", 0xFFFFFF},
}};

} // namespace

QString FontValue::colorToText(quint32 color)
{
    for (const NamedColor &named : kNamedColors) {
        if (named.value == color)
            return QString::fromUtf16(named.name);
    }
    return QLatin1Char('$') + QStringLiteral("%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

bool FontValue::colorFromText(QStringView text, quint32 *color)
{
    for (const NamedColor &named : kNamedColors) {
        if (text.compare(QStringView(named.name), Qt::CaseInsensitive) == 0) {
            *color = named.value;
            return true;
        }
    }
    const std::optional<int> number = IniDocument::parseInteger(text);
    if (!number)
        return false;
    *color = quint32(*number);
    return true;
}

QString FontValue::toIniText() const
{
    QString style;
    if (m_bold)
        style += QLatin1Char('B');
    if (m_italic)
        style += QLatin1Char('I');
    if (m_underline)
        style += QLatin1Char('U');
    if (m_strikeOut)
        style += QLatin1Char('S');
    return m_name + QLatin1Char(',') + QString::number(m_size) + QLatin1Char(',') + style +
           QLatin1Char(',') + QString::number(int(m_pitch)) + QLatin1Char(',') +
           colorToText(m_color) + QLatin1Char(',') + QString::number(m_charset);
}

void FontValue::applyIniText(QStringView text)
{
    if (text.trimmed().isEmpty())
        return;

    QList<QStringView> fields;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size() && fields.size() < 6; ++i) {
        if (i == text.size() || text[i] == u',' || text[i] == u';') {
            fields.append(text.sliced(start, i - start).trimmed());
            start = i + 1;
        }
    }

    const auto field = [&fields](int index) {
        return index < fields.size() ? fields[index] : QStringView();
    };
    if (!field(0).isEmpty())
        m_name = field(0).toString();
    if (const std::optional<int> size = IniDocument::parseInteger(field(1)))
        m_size = *size;
    if (fields.size() > 2) {
        const QStringView style = field(2);
        m_bold = style.contains(u'B', Qt::CaseInsensitive);
        m_italic = style.contains(u'I', Qt::CaseInsensitive);
        m_underline = style.contains(u'U', Qt::CaseInsensitive);
        m_strikeOut = style.contains(u'S', Qt::CaseInsensitive);
    }
    if (const std::optional<int> pitch = IniDocument::parseInteger(field(3));
        pitch && *pitch >= int(Pitch::Default) && *pitch <= int(Pitch::Fixed)) {
        m_pitch = Pitch(*pitch);
    }
    quint32 color = 0;
    if (colorFromText(field(4), &color))
        m_color = color;
    // Windows keeps the character set in one byte.
    if (const std::optional<int> charset = IniDocument::parseInteger(field(5));
        charset && *charset >= 0 && *charset <= 255) {
        m_charset = *charset;
    }
}

} // namespace zf

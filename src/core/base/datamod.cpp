#include "core/base/datamod.h"

#include <algorithm>

namespace zf {

const QList<PalmColorEntry> &palmColors()
{
    static const QList<PalmColorEntry> table = {
        {"White", 0xFFFFFF, "0"},   {"Gray", 0x808080, "1"},     {"Maroon", 0x000080, "2"},
        {"Olive", 0x008080, "3"},   {"Green", 0x008000, "4"},    {"Teal", 0x808000, "5"},
        {"Navy", 0x800000, "6"},    {"Purple", 0x800080, "7"},   {"Fuchsia", 0xFF00FF, "8"},
        {"Silver", 0xC0C0C0, "9"},  {"Red", 0x0000FF, "10"},     {"Yellow", 0x00FFFF, "11"},
        {"Lime", 0x00FF00, "12"},   {"Aqua", 0xFFFF00, "13"},    {"Blue", 0xFF0000, "14"},
        {"Black", 0x000000, "15"},
    };
    return table;
}

QStringList palmColorNames()
{
    QStringList names;
    for (const auto &entry : palmColors())
        names << QLatin1String(entry.name);
    return names;
}

static const PalmColorEntry *findColor(PalmColor color)
{
    const auto &table = palmColors();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [color](const PalmColorEntry &e) { return e.value == color; });
    return it == table.end() ? nullptr : &*it;
}

QString ColorToName(PalmColor color)
{
    const PalmColorEntry *entry = findColor(color);
    return entry ? QLatin1String(entry->name) : QString();
}

PalmColor NameToColor(const QString &name)
{
    for (const auto &entry : palmColors()) {
        if (name == QLatin1String(entry.name))
            return entry.value;
    }
    return kPalmBlack;
}

QString ColorToIndex(PalmColor color)
{
    const PalmColorEntry *entry = findColor(color);
    return entry ? QLatin1String(entry->index) : QString();
}

const QList<PalmFontEntry> &palmFontTable()
{
    static const QList<PalmFontEntry> table = {
        {"Standard", "PilotStandard"},
        {"Bold", "PilotBold"},
        {"Large", "PilotLarge"},
        {"LargeBold", "PilotBold12"},
    };
    return table;
}

QStringList palmFontDisplayNames()
{
    QStringList names;
    for (const auto &entry : palmFontTable())
        names << QLatin1String(entry.display);
    return names;
}

QString FontToDisplay(const QString &fontName)
{
    for (const auto &entry : palmFontTable()) {
        if (fontName == QLatin1String(entry.font))
            return QLatin1String(entry.display);
    }
    return QStringLiteral("Standard");
}

QString DisplayToFont(const QString &displayName)
{
    for (const auto &entry : palmFontTable()) {
        if (displayName == QLatin1String(entry.display))
            return QLatin1String(entry.font);
    }
    return QStringLiteral("PilotStandard");
}

QList<std::pair<int, QString>> formatList(int kind)
{
    static const QList<std::pair<int, QString>> dates = {
        {8, QStringLiteral("Pref. Short Date")},
        {9, QStringLiteral("Pref. Long Date")},
        {10, QStringLiteral("MM/DD/YY")},
        {11, QStringLiteral("DD/MM/YY")},
        {12, QStringLiteral("DD.MM.YY")},
        {13, QStringLiteral("DD-MM-YY")},
        {14, QStringLiteral("YY/MM/DD")},
        {15, QStringLiteral("YY.MM.DD")},
        {16, QStringLiteral("YY-MM-DD")},
        {17, QStringLiteral("MMM DD, YYYY")},
        {18, QStringLiteral("DD MMM YYYY")},
        {19, QStringLiteral("DD. MMM YYYY")},
        {20, QStringLiteral("MMM YYYY")},
        {21, QStringLiteral("DD MMM, YYYY")},
        {22, QStringLiteral("YYYY.MM.DD")},
        {23, QStringLiteral("YYYY MMM DD")},
        {24, QStringLiteral("MMM ''YY")},
        {25, QStringLiteral("MMM YY")},
        {26, QStringLiteral("MM-DD-YY (OS4.0+)")},
    };
    static const QList<std::pair<int, QString>> times = {
        {0, QStringLiteral("Minutes")},
        {1, QStringLiteral("Hours")},
        {2, QStringLiteral("System pref.")},
        {3, QStringLiteral("h:mm (0-12)")},
        {4, QStringLiteral("h:mm am/pm (0-12)")},
        {5, QStringLiteral("h:mm (0-24)")},
        {6, QStringLiteral("h.mm (0-12)")},
        {7, QStringLiteral("h.mm am/pm (0-12)")},
        {8, QStringLiteral("h.mm (0-24)")},
        {9, QStringLiteral("h am/pm (0-12)")},
        {10, QStringLiteral("h (0-24)")},
        {11, QStringLiteral("h,mm (0-24)")},
    };
    if (kind == int(FormatKind::Date))
        return dates;
    if (kind == int(FormatKind::Time))
        return times;
    return {};
}

QString FormatIndexToText(int kind, int index)
{
    for (const auto &[i, text] : formatList(kind)) {
        if (i == index)
            return text;
    }
    return QStringLiteral("(None)");
}

int FormatTextToIndex(int kind, const QString &text)
{
    for (const auto &[i, t] : formatList(kind)) {
        if (t == text)
            return i;
    }
    // The same fallback for both kinds: an unknown time text gives 8 too.
    return 8;
}

} // namespace zf

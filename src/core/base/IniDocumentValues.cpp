// The typed values of an INI document: numbers, flags, lists and fonts, each
// kept as the text the files have always held.
#include "core/base/FontValue.h"
#include "core/base/IniDocument.h"
#include "core/base/IntegerText.h"

#include <algorithm>

namespace zf {

namespace {

const QString kCount = QStringLiteral("Count");
const QString kItem = QStringLiteral("Item");

// The n of a key "Item" + n written the way writeList writes it, or -1.
qint64 itemNumber(QStringView key)
{
    if (key.size() <= kItem.size() || !key.startsWith(kItem, Qt::CaseInsensitive))
        return -1;
    const QStringView digits = key.sliced(kItem.size());
    if (digits.size() > 10 || (digits.size() > 1 && digits[0] == u'0'))
        return -1;
    qint64 n = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

} // namespace

int IniDocument::readInt(QStringView section, QStringView key, int defaultValue) const
{
    const std::optional<QStringView> value = findValue(section, key);
    return value ? parseFileInteger(*value).value_or(defaultValue) : defaultValue;
}

void IniDocument::writeInt(QStringView section, QStringView key, int value)
{
    writeString(section, key, QString::number(value));
}

bool IniDocument::readBool(QStringView section, QStringView key, bool defaultValue) const
{
    return readInt(section, key, defaultValue ? 1 : 0) != 0;
}

void IniDocument::writeBool(QStringView section, QStringView key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniDocument::readList(QStringView section, QStringList &list) const
{
    const int count = readInt(section, kCount, -1);
    if (count < 0)
        return;
    list.clear();
    // Walk the entries rather than count from 0 to Count: a damaged Count of
    // two billion must not mean two billion lookups. The first entry of a
    // number counts, as for any key.
    std::vector<std::pair<qint64, QStringView>> items;
    for (const auto &[key, value] : entries(section)) {
        const qint64 n = itemNumber(key);
        if (n >= 0 && n < count)
            items.emplace_back(n, value);
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    const auto repeated = std::unique(items.begin(), items.end(), [](const auto &a, const auto &b) {
        return a.first == b.first;
    });
    items.erase(repeated, items.end());
    for (const auto &[n, value] : items)
        list.append(value.toString());
}

void IniDocument::writeList(QStringView section, const QStringList &list)
{
    eraseSection(section);
    writeInt(section, kCount, int(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i)
        writeString(section, kItem + QString::number(i), list[i]);
}

void IniDocument::readFont(QStringView section, QStringView key, FontValue &font) const
{
    if (const std::optional<QStringView> value = findValue(section, key))
        font.applyIniText(*value);
}

void IniDocument::writeFont(QStringView section, QStringView key, const FontValue &font)
{
    writeString(section, key, font.toIniText());
}

} // namespace zf

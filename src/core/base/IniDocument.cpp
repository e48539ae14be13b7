#include "core/base/IniDocument.h"

#include "core/base/FontValue.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <limits>
#include <unordered_set>

namespace zf {

namespace {

// Sections with more lines than this get a hash of their keys on first use;
// below it a linear search is quicker than hashing. Form records hold up to
// two dozen keys, and a form holds thousands of records.
constexpr std::size_t kKeyIndexThreshold = 32;

constexpr bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f';
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin].unicode()))
        ++begin;
    while (end > begin && isBlank(text[end - 1].unicode()))
        --end;
    return text.sliced(begin, end - begin);
}

char16_t fold(char16_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    return char16_t(QChar::toCaseFolded(char32_t(c)));
}

// A view of part of the parsed text that shares its storage.
QString rawView(const char16_t *begin, qsizetype length)
{
    return QString::fromRawData(reinterpret_cast<const QChar *>(begin), length);
}

bool hasLineBreak(QStringView text)
{
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r')
            return true;
    }
    return false;
}

// A line break would end the line early and turn the rest of a name or value
// into lines of their own.
QString singleLine(QStringView text)
{
    QString line = text.toString();
    for (QChar &c : line) {
        if (c == u'\n' || c == u'\r')
            c = u' ';
    }
    return line;
}

// The same, sharing the text when it holds no line break: saving a big form
// writes tens of thousands of values.
QString singleLine(const QString &text)
{
    return hasLineBreak(text) ? singleLine(QStringView(text)) : text;
}

// A section or key name as it is stored: trimmed, line breaks made spaces.
// Lookups go through the same rule so they find what writes stored. storage
// holds the text only when it had to change.
QStringView normalName(QStringView name, QString &storage)
{
    if (!hasLineBreak(name))
        return trimBlanks(name);
    storage = singleLine(name);
    return trimBlanks(storage);
}

// A name read from the file as lookups see it: a carriage return inside it
// (a line ends only at a line feed) is a space, as in every name looked up,
// or the name could be listed and never found. Others share the parsed text.
QString storedName(QStringView name)
{
    return hasLineBreak(name) ? singleLine(name) : rawView(name.utf16(), name.size());
}

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// A value as readers see it: without surrounding blanks and without a pair
// of quotes that encloses it wholly.
QStringView readableValue(QStringView stored)
{
    QStringView value = trimBlanks(stored);
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        value = value.sliced(1, value.size() - 2);
    }
    return value;
}

// A value as it is stored so that readers get it back whole: a value that
// begins or ends with a blank, or is wholly enclosed in quotes, would lose
// them on reading, so it is stored inside a pair of double quotes, which
// reading removes again. Text typed by a user, such as a label's " Name:",
// then survives a save and a load.
QString storedValue(const QString &value)
{
    QString line = singleLine(value);
    if (readableValue(line).size() != line.size())
        line = u'"' + line + u'"';
    return line;
}

// Names and values handed out are deep copies: the caller may keep them
// longer than the parsed text they point into lives.
QString owned(QStringView text)
{
    return text.toString();
}

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

struct IniDocument::Line
{
    // Trimmed key name; null for a line that holds no value.
    QString key;
    // Everything after the first "=", untrimmed.
    QString value;
    // The line as read; null for an entry once a value was written to it,
    // which is then written as key "=" value.
    QString raw;

    bool isEntry() const { return !key.isNull(); }
    bool isGenerated() const { return isEntry() && raw.isNull(); }
};

struct IniDocument::Section
{
    QString name;
    // The header line as read; null for a section made by a write.
    QString header;
    std::vector<Line> lines;
    bool erased = false;
    // Built on the first lookup in a large section.
    mutable std::unique_ptr<NameIndex> keyIndex;

    const Line *find(QStringView key) const
    {
        if (!keyIndex && lines.size() > kKeyIndexThreshold) {
            keyIndex = std::make_unique<NameIndex>();
            for (std::size_t i = 0; i < lines.size(); ++i) {
                if (lines[i].isEntry())
                    keyIndex->try_emplace(QStringView(lines[i].key), i);
            }
        }
        if (keyIndex) {
            const auto it = keyIndex->find(key);
            return it == keyIndex->end() ? nullptr : &lines[it->second];
        }
        for (const Line &line : lines) {
            if (line.isEntry() && FoldedEqual()(line.key, key))
                return &line;
        }
        return nullptr;
    }

    // New keys go after the last non-blank line, so blank lines that part
    // this section from the next stay where they are.
    void append(Line line)
    {
        std::size_t at = lines.size();
        while (at > 0 && trimBlanks(lines[at - 1].raw).isEmpty() && !lines[at - 1].isEntry())
            --at;
        lines.insert(lines.begin() + qsizetype(at), std::move(line));
        if (keyIndex)
            keyIndex->try_emplace(QStringView(lines[at].key), at);
    }
};

std::size_t IniDocument::FoldedHash::operator()(QStringView name) const noexcept
{
    // FNV-1a over the case-folded code units.
    std::size_t hash = 14695981039346656037ull;
    for (const QChar c : name) {
        hash ^= fold(c.unicode());
        hash *= 1099511628211ull;
    }
    return hash;
}

bool IniDocument::FoldedEqual::operator()(QStringView a, QStringView b) const noexcept
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x != y && fold(x) != fold(y))
            return false;
    }
    return true;
}

IniDocument::IniDocument() = default;
IniDocument::~IniDocument() = default;
IniDocument::IniDocument(IniDocument &&) noexcept = default;
IniDocument &IniDocument::operator=(IniDocument &&) noexcept = default;

void IniDocument::clear()
{
    m_sectionIndex.clear();
    m_sections.clear();
    m_preamble.clear();
    m_text.clear();
    m_duplicateSections = false;
    m_lastWritten = std::size_t(-1);
    m_sourceEncoding = TextEncoding::Windows1252;
}

bool IniDocument::open(const QString &path)
{
    clear();
    m_path = path;
    m_error.clear();

    const QFileInfo info(path);
    if (!info.exists())
        return true;
    if (!info.isFile()) {
        m_error = QStringLiteral("Not a regular file");
        return false;
    }
    if (info.size() > kMaxFileSize) {
        m_error = QStringLiteral("The file is larger than %1 MB").arg(kMaxFileSize >> 20);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_error = file.errorString();
        return false;
    }
    parse(bytes);
    return true;
}

void IniDocument::parse(QByteArrayView bytes)
{
    clear();
    m_text = decodeText(bytes, &m_sourceEncoding);

    const char16_t *text = reinterpret_cast<const char16_t *>(m_text.constData());
    const QStringView all(m_text);
    const qsizetype size = m_text.size();
    std::vector<Line> *lines = &m_preamble;
    qsizetype pos = 0;
    while (pos < size) {
        qsizetype end = all.indexOf(u'\n', pos);
        const qsizetype next = end < 0 ? size : end + 1;
        if (end < 0)
            end = size;
        if (end > pos && text[end - 1] == u'\r')
            --end;
        const QStringView line(text + pos, end - pos);
        const QStringView trimmed = trimBlanks(line);
        const QString raw = rawView(text + pos, end - pos);

        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.lastIndexOf(u']');
            if (close > 0) {
                const QStringView name = trimBlanks(trimmed.sliced(1, close - 1));
                Section section;
                section.name = storedName(name);
                section.header = raw;
                m_sections.push_back(std::move(section));
                lines = &m_sections.back().lines;
                pos = next;
                continue;
            }
        }

        Line entry;
        entry.raw = raw;
        const qsizetype equals = trimmed.startsWith(u';') ? -1 : trimmed.indexOf(u'=');
        if (equals > 0) {
            const QStringView key = trimBlanks(trimmed.first(equals));
            if (!key.isEmpty()) {
                entry.key = storedName(key);
                const char16_t *value = trimmed.utf16() + equals + 1;
                entry.value = rawView(value, text + end - value);
            }
        }
        lines->push_back(std::move(entry));
        pos = next;
    }

    // Indexed once the count is known: growing the table while parsing
    // would rehash every name several times.
    m_sectionIndex.reserve(m_sections.size());
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        if (!m_sectionIndex.try_emplace(QStringView(m_sections[i].name), i).second)
            m_duplicateSections = true;
    }
}

QByteArray IniDocument::toBytes() const
{
    static const QString kLineEnd = QStringLiteral("\r\n");
    // Measured first and appended piece by piece: a big form has tens of
    // thousands of lines, and joining each line on its own would allocate
    // for every one of them.
    qsizetype size = 0;
    const auto measureLines = [&size](const std::vector<Line> &lines) {
        for (const Line &line : lines)
            size += (line.isGenerated() ? line.key.size() + 1 + line.value.size() : line.raw.size()) + 2;
    };
    measureLines(m_preamble);
    for (const Section &section : m_sections) {
        if (section.erased)
            continue;
        size += (section.header.isNull() ? section.name.size() + 2 : section.header.size()) + 2;
        measureLines(section.lines);
    }

    QString out;
    out.reserve(size);
    const auto writeLines = [&out](const std::vector<Line> &lines) {
        for (const Line &line : lines) {
            if (line.isGenerated()) {
                out.append(line.key);
                out.append(QLatin1Char('='));
                out.append(line.value);
            } else {
                out.append(line.raw);
            }
            out.append(kLineEnd);
        }
    };
    writeLines(m_preamble);
    for (const Section &section : m_sections) {
        if (section.erased)
            continue;
        if (section.header.isNull()) {
            out.append(QLatin1Char('['));
            out.append(section.name);
            out.append(QLatin1Char(']'));
        } else {
            out.append(section.header);
        }
        out.append(kLineEnd);
        writeLines(section.lines);
    }
    return encodeText(out);
}

bool IniDocument::save()
{
    m_error.clear();
    if (m_path.isEmpty()) {
        m_error = QStringLiteral("No file name");
        return false;
    }
    const QFileInfo info(m_path);
    // The mode bits, not WriteUser: that one asks whether we may write,
    // which is always yes for the superuser.
    constexpr auto kAnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    // Replacing the file through a temporary one would succeed even on a
    // read-only file; honour the flag the user set instead.
    if (info.exists() &&
        (!info.isFile() || !info.isWritable() || !(info.permissions() & kAnyWrite))) {
        m_error = info.isFile() ? QStringLiteral("The file is read-only")
                                : QStringLiteral("Not a regular file");
        return false;
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = file.errorString();
        return false;
    }
    const QByteArray bytes = toBytes();
    // Flushed here, not by commit(): commit() does not see a write that fails
    // while it flushes the buffer (a full disk) and would put the cut-off
    // file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        m_error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_error = file.errorString();
        return false;
    }
    return true;
}

const IniDocument::Section *IniDocument::findSection(QStringView name) const
{
    QString storage;
    const auto it = m_sectionIndex.find(normalName(name, storage));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

IniDocument::Section &IniDocument::sectionForWriting(QStringView name)
{
    // A record writes its keys one after another into one section: the
    // section written last is asked for again and again.
    if (m_lastWritten < m_sections.size()) {
        Section &last = m_sections[m_lastWritten];
        if (!last.erased && QStringView(last.name) == name)
            return last;
    }
    if (const Section *found = findSection(name)) {
        m_lastWritten = std::size_t(found - m_sections.data());
        return const_cast<Section &>(*found);
    }
    QString storage;
    Section section;
    section.name = normalName(name, storage).toString();
    m_sectionIndex.try_emplace(QStringView(section.name), m_sections.size());
    m_lastWritten = m_sections.size();
    m_sections.push_back(std::move(section));
    return m_sections.back();
}

const IniDocument::Line *IniDocument::findLine(QStringView section, QStringView key) const
{
    const Section *found = findSection(section);
    QString storage;
    return found ? found->find(normalName(key, storage)) : nullptr;
}

QStringList IniDocument::sections() const
{
    QStringList names;
    for (const Section &section : m_sections) {
        if (!section.erased && (!m_duplicateSections || findSection(section.name) == &section))
            names.append(owned(section.name));
    }
    return names;
}

QStringList IniDocument::repeatedSections() const
{
    QStringList names;
    if (!m_duplicateSections)
        return names;
    std::unordered_set<const Section *> named;
    for (const Section &section : m_sections) {
        if (section.erased)
            continue;
        const Section *first = findSection(section.name);
        if (first && first != &section && named.insert(first).second)
            names.append(owned(first->name));
    }
    return names;
}

bool IniDocument::hasSection(QStringView section) const
{
    return findSection(section) != nullptr;
}

QStringList IniDocument::keys(QStringView section) const
{
    QStringList names;
    if (const Section *found = findSection(section)) {
        for (const Line &line : found->lines) {
            if (line.isEntry() && found->find(line.key) == &line)
                names.append(owned(line.key));
        }
    }
    return names;
}

std::vector<std::pair<QStringView, QStringView>> IniDocument::entries(QStringView section) const
{
    std::vector<std::pair<QStringView, QStringView>> result;
    if (const Section *found = findSection(section)) {
        result.reserve(found->lines.size());
        for (const Line &line : found->lines) {
            if (line.isEntry())
                result.emplace_back(line.key, readableValue(line.value));
        }
    }
    return result;
}

bool IniDocument::hasKey(QStringView section, QStringView key) const
{
    return findLine(section, key) != nullptr;
}

void IniDocument::eraseSection(QStringView section)
{
    QString storage;
    const QStringView name = normalName(section, storage);
    const auto erase = [](Section &s) {
        s.erased = true;
        s.keyIndex.reset();
        std::vector<Line>().swap(s.lines);
    };
    const auto it = m_sectionIndex.find(name);
    if (it == m_sectionIndex.end())
        return;
    if (m_duplicateSections) {
        for (Section &s : m_sections) {
            if (!s.erased && FoldedEqual()(s.name, name))
                erase(s);
        }
    } else {
        erase(m_sections[it->second]);
    }
    m_sectionIndex.erase(it);
}

QString IniDocument::readString(QStringView section, QStringView key,
                                const QString &defaultValue) const
{
    const Line *line = findLine(section, key);
    return line ? owned(readableValue(line->value)) : defaultValue;
}

void IniDocument::writeString(QStringView section, QStringView key, const QString &value)
{
    QString storage;
    const QStringView name = normalName(key, storage);
    // "=value" reads back as no value at all.
    if (name.isEmpty())
        return;
    Section &target = sectionForWriting(section);
    if (const Line *found = target.find(name)) {
        Line &line = const_cast<Line &>(*found);
        line.value = storedValue(value);
        line.raw = QString();
        return;
    }
    Line line;
    line.key = name.toString();
    line.value = storedValue(value);
    target.append(std::move(line));
}

std::optional<int> IniDocument::parseInteger(QStringView text)
{
    QStringView hex;
    if (text.startsWith(u'$'))
        hex = text.sliced(1);
    else if (text.size() > 2 && (text.startsWith(u"0x") || text.startsWith(u"0X")))
        hex = text.sliced(2);

    if (!hex.isNull()) {
        if (hex.isEmpty())
            return std::nullopt;
        quint64 value = 0;
        for (const QChar c : hex) {
            const int digit = hexDigit(c.unicode());
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + quint64(digit);
            if (value > 0xFFFFFFFFull)
                return std::nullopt;
        }
        return int(quint32(value));
    }

    qsizetype i = 0;
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        i = 1;
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

int IniDocument::readInt(QStringView section, QStringView key, int defaultValue) const
{
    const Line *line = findLine(section, key);
    return line ? parseInteger(readableValue(line->value)).value_or(defaultValue) : defaultValue;
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
    // Walk the lines rather than count from 0 to Count: a damaged Count of
    // two billion must not mean two billion lookups.
    std::vector<std::pair<qint64, const Line *>> items;
    const Section *found = findSection(section);
    for (const Line &line : found->lines) {
        const qint64 n = line.isEntry() ? itemNumber(line.key) : -1;
        if (n >= 0 && n < count && found->find(line.key) == &line)
            items.emplace_back(n, &line);
    }
    std::sort(items.begin(), items.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[n, line] : items)
        list.append(owned(readableValue(line->value)));
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
    font.applyIniText(readString(section, key));
}

void IniDocument::writeFont(QStringView section, QStringView key, const FontValue &font)
{
    writeString(section, key, font.toIniText());
}

} // namespace zf

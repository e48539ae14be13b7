#include "core/model/FormFileRecord.h"
#include "core/base/IniDocument.h"
#include "core/base/IntegerText.h"
#include "core/model/CCForm.h"
#include "core/model/ControlKind.h"

#include <algorithm>
#include <array>

namespace zf {

namespace {

// A value is quoted in a message only so far: a damaged file may hold
// megabytes where a number belongs.
QString quoted(const QString &text)
{
    constexpr qsizetype kShown = 40;
    return QLatin1Char('\'') + (text.size() > kShown ? text.left(kShown) + QStringLiteral("...") : text)
           + QLatin1Char('\'');
}

// Most controls keep the screen's font; its text is made once.
const FontValue &screenFont()
{
    static const FontValue font;
    return font;
}

const QString &screenFontText()
{
    static const QString text = screenFont().toIniText();
    return text;
}

constexpr bool isControl(char16_t c)
{
    return c < 0x20 || c == 0x7F;
}

} // namespace

bool hasControlCharacter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return isControl(c.unicode()); });
}

QString withoutControlCharacters(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (!isControl(c.unicode()))
            result.append(c);
    }
    return result;
}

FormFileRecord::FormFileRecord(const IniDocument &document, const QString &section,
                               FileProblems *problems)
    : m_document(document), m_section(section), m_problems(problems),
      m_entries(document.entries(section))
{
}

std::optional<QStringView> FormFileRecord::find(QStringView key) const
{
    // The first entry of the key counts, its letter case aside. Files nearly
    // always hold keys as written, so the cheap exact comparison comes first.
    for (const auto &[name, value] : m_entries) {
        if (name.size() == key.size()
            && (name == key || name.compare(key, Qt::CaseInsensitive) == 0))
            return value;
    }
    return std::nullopt;
}

bool FormFileRecord::has(QStringView key) const
{
    return find(key).has_value();
}

QString FormFileRecord::printable(QStringView section, QStringView key, QStringView stored) const
{
    if (!hasControlCharacter(stored))
        return stored.toString();
    if (m_problems) {
        m_problems->push_back({section.toString(), key.toString(),
                               QStringLiteral("the value holds control characters; they are left out")});
    }
    return withoutControlCharacters(stored);
}

QString FormFileRecord::text(QStringView key, const QString &defaultValue) const
{
    const std::optional<QStringView> stored = find(key);
    return stored ? printable(m_section, key, *stored) : defaultValue;
}

int FormFileRecord::number(QStringView section, QStringView key,
                           std::optional<QStringView> stored, int defaultValue) const
{
    if (!stored)
        return defaultValue;
    if (const std::optional<int> value = parseFileInteger(*stored))
        return *value;
    if (m_problems) {
        m_problems->push_back({section.toString(), key.toString(),
                               quoted(stored->toString()) + QStringLiteral(" is not a number; ")
                                   + QString::number(defaultValue) + QStringLiteral(" is used")});
    }
    return defaultValue;
}

int FormFileRecord::number(QStringView key, int defaultValue) const
{
    return number(m_section, key, find(key), defaultValue);
}

PalmColor FormFileRecord::color(QStringView key, PalmColor defaultValue) const
{
    return PalmColor(number(key, int(defaultValue)));
}

FontValue FormFileRecord::font(QStringView key, const FontValue &current) const
{
    const std::optional<QStringView> stored = find(key);
    if (!stored)
        return current;
    if (current == screenFont() && *stored == screenFontText())
        return current;
    FontValue font = current;
    font.applyIniText(printable(m_section, key, *stored));
    return font;
}

QStringList FormFileRecord::list(QStringView listSection, const QStringList &current) const
{
    // Only to report a damaged count; the list rule itself is the document's.
    if (listSection == QStringView(m_section)) {
        number(listSection, u"Count", find(u"Count"), -1);
    } else if (m_document.hasKey(listSection, u"Count")) {
        const QString count = m_document.readString(listSection, u"Count");
        number(listSection, u"Count", QStringView(count), -1);
    }
    QStringList lines = current;
    m_document.readList(listSection, lines);
    if (std::any_of(lines.begin(), lines.end(), hasControlCharacter)) {
        report(QString(), QStringLiteral("the list in [") + listSection.toString()
                              + QStringLiteral("] holds control characters; they are left out"));
        for (QString &line : lines)
            line = withoutControlCharacters(line);
    }
    return lines;
}

void FormFileRecord::report(const QString &key, const QString &message,
                            FileProblem::Effect effect) const
{
    if (m_problems)
        m_problems->push_back({m_section, key, message, effect});
}

const QString &recordWord(ControlKind kind)
{
    static const auto words = [] {
        std::array<QString, std::size_t(ControlKind::Bitmap) + 1> table;
        for (std::size_t i = 0; i < table.size(); ++i)
            table[i] = kindWord(ControlKind(i));
        return table;
    }();
    return words[std::size_t(kind)];
}

void readFont(const FormFileRecord &record, DesignObject &object)
{
    object.setFont(record.font(u"Font", object.font()));
}

FormFileRecordWriter &FormFileRecordWriter::text(QStringView key, const QString &value)
{
    m_document.writeString(m_section, key, value);
    return *this;
}

FormFileRecordWriter &FormFileRecordWriter::number(QStringView key, int value)
{
    m_document.writeInt(m_section, key, value);
    return *this;
}

FormFileRecordWriter &FormFileRecordWriter::color(QStringView key, PalmColor value)
{
    // Signed decimal, as the files have always held colours.
    m_document.writeInt(m_section, key, int(value));
    return *this;
}

FormFileRecordWriter &FormFileRecordWriter::font(QStringView key, const FontValue &value)
{
    if (value == screenFont())
        m_document.writeString(m_section, key, screenFontText());
    else
        m_document.writeFont(m_section, key, value);
    return *this;
}

FormFileRecordWriter &FormFileRecordWriter::parent(const DesignObject &object)
{
    const DesignContainer *container = object.parent();
    return text(u"Parent", container ? container->name() : TCCForm::kObjectName);
}

FormFileRecordWriter &FormFileRecordWriter::list(const QStringList &lines)
{
    return list(m_section, lines);
}

FormFileRecordWriter &FormFileRecordWriter::list(const QString &listSection,
                                                 const QStringList &lines)
{
    m_document.writeList(listSection, lines);
    return *this;
}

} // namespace zf

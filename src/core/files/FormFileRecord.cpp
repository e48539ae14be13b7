#include "core/files/FormFileRecord.h"
#include "core/ccontrols/CCForm.h"
#include "core/files/IniDocument.h"

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

} // namespace

FormFileRecord::FormFileRecord(const IniDocument &document, const QString &section,
                               FileProblems *problems)
    : m_document(document), m_section(section), m_problems(problems)
{
}

bool FormFileRecord::has(QStringView key) const
{
    return m_document.hasKey(m_section, key);
}

QString FormFileRecord::text(QStringView key, const QString &defaultValue) const
{
    return m_document.readString(m_section, key, defaultValue);
}

int FormFileRecord::checkedNumber(QStringView section, QStringView key, int defaultValue) const
{
    if (!m_document.hasKey(section, key))
        return defaultValue;
    const QString stored = m_document.readString(section, key);
    if (const std::optional<int> value = IniDocument::parseInteger(stored))
        return *value;
    if (m_problems) {
        m_problems->push_back({section.toString(), key.toString(),
                               quoted(stored) + QStringLiteral(" is not a number; ")
                                   + QString::number(defaultValue) + QStringLiteral(" is used")});
    }
    return defaultValue;
}

int FormFileRecord::number(QStringView key, int defaultValue) const
{
    return checkedNumber(m_section, key, defaultValue);
}

PalmColor FormFileRecord::color(QStringView key, PalmColor defaultValue) const
{
    return PalmColor(checkedNumber(m_section, key, int(defaultValue)));
}

FontValue FormFileRecord::font(QStringView key, const FontValue &current) const
{
    FontValue font = current;
    m_document.readFont(m_section, key, font);
    return font;
}

QStringList FormFileRecord::list(QStringView listSection, const QStringList &current) const
{
    // Only to report a damaged count; the list rule itself is the document's.
    checkedNumber(listSection, u"Count", -1);
    QStringList lines = current;
    m_document.readList(listSection, lines);
    return lines;
}

void FormFileRecord::report(const QString &key, const QString &message,
                            FileProblem::Effect effect) const
{
    if (m_problems)
        m_problems->push_back({m_section, key, message, effect});
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

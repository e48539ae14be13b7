#pragma once

#include "core/base/FileProblem.h"
#include "core/base/FontValue.h"
#include "core/base/PalmColor.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace zf {

class DesignObject;
class IniDocument;
enum class ControlKind;

// The section of a form file that holds the form's own keys.
inline const QString kFormSection = QStringLiteral("FORM");

// One section of a form file as a record reader sees it: every key is read
// with the default its record gives for a missing key. A number key whose
// text is not a number takes the default too, and is reported, so that the
// checker can tell the user what the designer silently worked around.
//
// Texts (names, captions, list items, fonts) come without control
// characters: a NUL or an escape in a name or a caption would reach the
// generated PocketC source, and a line break cannot be written back. Each
// one dropped is reported; the rest of the text stays.
class FormFileRecord
{
public:
    FormFileRecord(const IniDocument &document, const QString &section,
                   FileProblems *problems = nullptr);

    const IniDocument &document() const { return m_document; }
    const QString &section() const { return m_section; }

    bool has(QStringView key) const;
    QString text(QStringView key, const QString &defaultValue = QString()) const;
    int number(QStringView key, int defaultValue) const;
    // Colours are stored as signed decimal numbers of 0x00BBGGRR.
    PalmColor color(QStringView key, PalmColor defaultValue) const;
    // The font with the stored fields applied; a missing key changes nothing.
    FontValue font(QStringView key, const FontValue &current) const;
    // The lines of the list kept in `listSection`; a missing "Count" leaves
    // `current` as it is.
    QStringList list(QStringView listSection, const QStringList &current) const;
    // The list kept in this record's own section.
    QStringList list(const QStringList &current) const { return list(m_section, current); }

    // Reports a problem of this record.
    void report(const QString &key, const QString &message,
                FileProblem::Effect effect = FileProblem::Effect::ValueReplaced) const;

private:
    // The stored value of a key of this section, as a view into the document.
    std::optional<QStringView> find(QStringView key) const;
    // `stored` without control characters, reported as a value of `key` in
    // `section` when there were any.
    QString printable(QStringView section, QStringView key, QStringView stored) const;
    int number(QStringView section, QStringView key, std::optional<QStringView> stored,
               int defaultValue) const;

    const IniDocument &m_document;
    QString m_section;
    FileProblems *m_problems;
    // Looked up once: a record reads a dozen keys of its section.
    std::vector<std::pair<QStringView, QStringView>> m_entries;
};

// Whether `text` holds a control character (a C0 control or DEL), which no
// name or text of a form may hold.
bool hasControlCharacter(QStringView text);
// `text` without them.
QString withoutControlCharacters(QStringView text);

// The word a record's "Control" key holds for `kind`, made once.
const QString &recordWord(ControlKind kind);

// "Font" over the object's own font.
void readFont(const FormFileRecord &record, DesignObject &object);

// Writes one record: the keys go into the section in the order they are
// written, which is the order the file format gives.
class FormFileRecordWriter
{
public:
    FormFileRecordWriter(IniDocument &document, const QString &section)
        : m_document(document), m_section(section)
    {
    }

    FormFileRecordWriter &text(QStringView key, const QString &value);
    FormFileRecordWriter &number(QStringView key, int value);
    FormFileRecordWriter &color(QStringView key, PalmColor value);
    FormFileRecordWriter &font(QStringView key, const FontValue &value);
    // "Parent": the name of the object's container, "panScreen" for the
    // screen (and for an object not placed yet).
    FormFileRecordWriter &parent(const DesignObject &object);
    // A list erases the section it goes into, so a record that keeps its list
    // in its own section writes it first.
    FormFileRecordWriter &list(const QStringList &lines);
    FormFileRecordWriter &list(const QString &listSection, const QStringList &lines);

private:
    IniDocument &m_document;
    QString m_section;
};

} // namespace zf

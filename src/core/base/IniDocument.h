#pragma once

#include "core/base/TextEncoding.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zf {

class FontValue;

// An INI text file bound to one path: form files, project files and the
// options file.
//
// The whole file is read once and kept in memory; reads are answered from
// memory and writes change memory until save() replaces the file atomically,
// so a failed save leaves the old file whole.
//
// Layout rules:
// - "[name]" opens a section and "key=value" lines hold its values. Section
//   and key names are trimmed and matched without regard to letter case.
// - Everything else is kept as it stands and rewritten unchanged: lines before
//   the first section, ";" comments, blank lines and lines without "=". None
//   of them can be read through the API.
// - A section or key that appears twice is read from its first appearance, as
//   Windows does; writes go to that first appearance too and the later ones
//   stay in the file untouched. Erasing a section removes every appearance.
// - A value written to an existing key replaces that line in place; a new key
//   goes after the last non-blank line of its section, a new section to the
//   end of the file (with no blank line before it).
// - Lines end in CR LF on writing, the files' Windows heritage; LF alone is
//   read too. A line break inside a written name or value would split the line
//   and let the value inject keys, so it is written as a space.
// - The file is read as UTF-8 when it is valid UTF-8, else as Windows-1252;
//   it is written as Windows-1252 when every character fits, else as UTF-8.
// - There is no limit on the length of values or on the number of sections.
class IniDocument
{
public:
    // Files larger than this are not settings files; reading one would only
    // exhaust memory.
    static constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;

    IniDocument();
    ~IniDocument();
    IniDocument(IniDocument &&) noexcept;
    IniDocument &operator=(IniDocument &&) noexcept;
    IniDocument(const IniDocument &) = delete;
    IniDocument &operator=(const IniDocument &) = delete;

    // Binds to path and reads the file. A file that does not exist gives an
    // empty document and true; one that cannot be read gives an empty document,
    // false and errorString().
    bool open(const QString &path);
    // Binds to path without reading it: the next save() replaces the file
    // with exactly what is written into the document.
    void setPath(const QString &path) { m_path = path; }
    QString path() const { return m_path; }

    // Replaces the content with the text of bytes.
    void parse(QByteArrayView bytes);
    // The whole text as save() writes it.
    QByteArray toBytes() const;
    // The encoding the content was read in; Windows-1252 for a new document.
    TextEncoding sourceEncoding() const { return m_sourceEncoding; }

    // Writes the document to path() through a temporary file that replaces
    // the old one only when complete. A read-only file is refused rather than
    // replaced. False with errorString() on failure.
    bool save();
    QString errorString() const { return m_error; }

    QStringList sections() const;
    // Sections that appear more than once in the text, each named once, in
    // file order: only their first appearance can be read.
    QStringList repeatedSections() const;
    bool hasSection(QStringView section) const;
    QStringList keys(QStringView section) const;
    bool hasKey(QStringView section, QStringView key) const;
    // Every entry of a section in file order: the key and the value as
    // readString() returns it, as views into the document that stay valid
    // until it changes. A key written twice is listed twice; the first one
    // counts. Readers of many keys of one section look it up once.
    std::vector<std::pair<QStringView, QStringView>> entries(QStringView section) const;
    void eraseSection(QStringView section);

    // The value without surrounding blanks and, when it is wholly enclosed
    // in a pair of double or single quotes, without them.
    QString readString(QStringView section, QStringView key,
                       const QString &defaultValue = QString()) const;
    // An empty key name writes nothing: it could not be read back. A value
    // that readString() would trim or unquote is written inside double
    // quotes, so it reads back as written.
    void writeString(QStringView section, QStringView key, const QString &value);

    // Decimal, "0x" hexadecimal (more than two characters) or "$"
    // hexadecimal; anything else, or a number out of range, gives
    // defaultValue.
    int readInt(QStringView section, QStringView key, int defaultValue) const;
    void writeInt(QStringView section, QStringView key, int value);

    // Read as an integer, non-zero being true; written as "1" or "0".
    bool readBool(QStringView section, QStringView key, bool defaultValue) const;
    void writeBool(QStringView section, QStringView key, bool value);

    // A list of lines in a section of its own: "Count", then "Item0",
    // "Item1", ... Writing erases the section first. Reading leaves list alone
    // when "Count" is missing or negative; otherwise list gets the items that
    // are present, in order.
    void readList(QStringView section, QStringList &list) const;
    void writeList(QStringView section, const QStringList &list);

    // A missing key leaves font unchanged.
    void readFont(QStringView section, QStringView key, FontValue &font) const;
    void writeFont(QStringView section, QStringView key, const FontValue &font);

    // The integer rule of readInt. Hexadecimal holds up to 32 bits, so
    // "$FFFFFFFF" is -1; decimal must lie within the range of int.
    static std::optional<int> parseInteger(QStringView text);

private:
    struct Line;
    struct Section;
    struct FoldedHash
    {
        std::size_t operator()(QStringView name) const noexcept;
    };
    struct FoldedEqual
    {
        bool operator()(QStringView a, QStringView b) const noexcept;
    };
    using NameIndex = std::unordered_map<QStringView, std::size_t, FoldedHash, FoldedEqual>;

    const Section *findSection(QStringView name) const;
    Section &sectionForWriting(QStringView name);
    const Line *findLine(QStringView section, QStringView key) const;
    void clear();

    QString m_path;
    QString m_error;
    // The decoded file. Names and lines read from it are views into it, which
    // spares one allocation per line; it is never modified after parsing.
    QString m_text;
    TextEncoding m_sourceEncoding = TextEncoding::Windows1252;
    std::vector<Line> m_preamble;
    std::vector<Section> m_sections;
    NameIndex m_sectionIndex;
    bool m_duplicateSections = false;
    // Where the last write went; see sectionForWriting().
    std::size_t m_lastWritten = std::size_t(-1);
};

} // namespace zf

#pragma once

#include "core/codegen/CodeGenerator.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zf {

class UserInterface;

// The outside program that turns a text file into a Palm DOC database:
// "makedoc" (or "makedoc.exe") in the data folder or on the PATH, or
// Debian's "txt2pdbdoc", which takes the same three things in another order.
class DocConverter
{
public:
    // The first converter found, or nothing.
    static std::optional<DocConverter> find();

    const QString &program() const { return m_program; }
    // The arguments for one conversion: the text file, the database file to
    // make and the document's title.
    QStringList arguments(const QString &source, const QString &database,
                          const QString &title) const;

private:
    DocConverter(const QString &program, bool titleFirst)
        : m_program(program), m_titleFirst(titleFirst)
    {
    }

    QString m_program;
    bool m_titleFirst = false; // txt2pdbdoc: title, text file, database
};

// The temporary text files the converter reads: temp001.txt (main) to
// temp004.txt (header).
QStringList docTempFileNames();

// Save DOC: writes the four texts into `tempFolder` as the temporary files
// and starts the converter once per text, without waiting for it, in
// `outputFolder`, where it makes P.pdb, PForms.pdb, PEvents.pdb and PH.pdb.
// The temporary files must outlive the converters: the caller removes them
// when the generate window closes (removeDocTempFiles). False after telling
// the user when there is no converter or something could not be written or
// started.
bool saveDocFiles(const GeneratedCode &code, const QString &projectName, const QString &tempFolder,
                  const QString &outputFolder, UserInterface &ui);

// Deletes the temporary files; missing ones are ignored.
void removeDocTempFiles(const QString &tempFolder);

} // namespace zf

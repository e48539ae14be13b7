#pragma once

#include "core/codegen/CodeGenerator.h"
#include "core/codegen/GenerateSettings.h"

#include <QString>
#include <QStringList>

namespace zf {

class AppIcons;
class UserInterface;

// What the generate window does with the four texts, without the window:
// the head lines, running the library's generator, and writing the files.
// Every message goes through the UserInterface.

inline const QString kNoFormToGenerate =
    QStringLiteral("There is no form to generate. Open or create a form first.");

// The form main() shows: the one named `name`, else the first of the list;
// null when the list is empty.
const DesignForm *findFirstForm(const FormList &forms, const QString &name);

// The lines the main text starts with: for the PDE target the application
// directives and the eight icons (every icon slot always holds a picture);
// for Palm memos a comment naming the file.
QStringList headLines(const GenerateSettings &settings, const QString &projectName);

// Generate: clears `code`, writes the head lines and runs the generator for
// the forms, main() showing the form `settings.firstForm` names. With no
// form, tells the user and returns false, leaving the texts empty.
bool generateCode(const CodeGenerator &generator, const FormList &forms, const QString &projectName,
                  const GenerateSettings &settings, GeneratedCode &code, UserInterface &ui);

// Writes the settings Generate keeps into the project file, leaving the rest
// of the file alone. Nothing is written for a project never saved. False
// after telling the user when the file cannot be written.
bool storeGenerateSettings(const QString &projectFile, const GenerateSettings &settings,
                           bool colorOption, UserInterface &ui);

// Keeps the file picked for an icon slot in the project file at once, as
// the icon choice does. Nothing is written for a project never saved.
bool storeIconPath(const QString &projectFile, IconSlot slot, const QString &path,
                   UserInterface &ui);

// The output folder a setting names: the project file's folder when empty,
// and relative to it when relative.
QString outputFolder(const QString &setting, const QString &projectFile);

// A generated file as it is written: every line ended by CR LF, or by
// `lineEnd`.
QString sourceText(const QStringList &lines, QStringView lineEnd = u"\r\n");

// The four file names in the order they are written: P.pc, PForms.pc,
// PEvents.pc, P.h.
QStringList sourceFileNames(const QString &projectName);

struct SourceOutput
{
    QString folder;
    QString projectName;
    GeneratedCode code;
    // The icon files are written when set (the PDE target).
    const AppIcons *icons = nullptr;
    // The library file is looked for when set (the PDE target).
    const CodeGenerator *library = nullptr;
};

enum class SaveOutcome {
    Completed, // everything was written, or skipped by the user's No
    Cancelled, // the user cancelled a replace question
    Failed,    // something could not be written; the user has been told
};

// Save: creates the folder, asks before replacing each of the four texts
// (Yes writes it, No skips it, Cancel stops before anything is written),
// then writes the chosen texts in Windows-1252 and the icons as one set (see
// FileSet): when one cannot be written, no old file is touched and the user
// is told which file and why. Last it warns when the library file is not in
// the folder. A text holding a character Windows-1252 lacks is never written
// altered: nothing is written and the user is told which characters.
SaveOutcome saveSourceFiles(const SourceOutput &output, UserInterface &ui);

// A text in the handheld's code page, or the message naming the characters
// it lacks (`name` is the file the text is meant for).
struct EncodedSource
{
    QByteArray bytes;
    QString error;
};
EncodedSource encodeSource(const QStringList &lines, const QString &name,
                           QStringView lineEnd = u"\r\n");

} // namespace zf

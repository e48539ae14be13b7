#pragma once

#include "core/codegen/CodeGenerator.h"

#include <QString>
#include <QStringList>

namespace zf {

// The PToolBox generator: the four PocketC texts for forms built with the
// native PToolboxLib ("Fctl.h"). Each operation appends to its line list and
// reads nothing but its arguments; the colour flag is passed to each, and
// the project flags below are derived from the forms where they are needed,
// so no state passes from one text to the next.

// What the whole project holds, deciding which colour helpers, locals and
// prototypes are written.
struct PtProjectFlags
{
    bool button = false; // an ordinary Button, or any Select
    bool label = false;
    bool field = false;
    bool picker = false; // a Select with a date or time picker

    static PtProjectFlags of(const FormList &forms);
};

// With `owners` given, each also notes which object each line is written
// for.
void GeneratePtMain(QStringList &lines, const DesignForm &firstForm, const FormList &forms,
                    const QString &projectName, bool color, LineRuns *owners = nullptr);
void GeneratePtForms(QStringList &lines, bool memoMode, const FormList &forms,
                     const QString &projectName, bool color, LineRuns *owners = nullptr);
void GeneratePtEvents(QStringList &lines, bool memoMode, const FormList &forms,
                      const QString &projectName, bool color, LineRuns *owners = nullptr);
void GeneratePtHeader(QStringList &lines, bool memoMode, const FormList &forms,
                      const QString &projectName, bool color, LineRuns *owners = nullptr);

class PTCodeGenerator final : public CodeGenerator
{
public:
    void generate(const CodeRequest &request, GeneratedCode &code) const override;
    QStringList warnings(const FormList &forms) const override;
    QString titleName() const override { return QStringLiteral("PToolboxLib"); }
    bool hasColorOption() const override { return true; }
    QString libraryFileName() const override { return QStringLiteral("Fctl.h"); }
    QString missingLibraryMessage() const override;
};

} // namespace zf

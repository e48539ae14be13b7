#pragma once

#include "core/codegen/CodeGenerator.h"

#include <QString>
#include <QStringList>

namespace zf {

// The CControls generator: the four PocketC texts for forms built with the
// CControls library ("CControls.c"). Each operation appends to its line list
// and reads nothing but its arguments.

// The body of the main file, after its head lines. With `owners` given,
// each also notes which object each line is written for.
void GenerateMain(QStringList &lines, const DesignForm &firstForm, const FormList &forms,
                  const QString &projectName, LineRuns *owners = nullptr);
void GenerateForms(QStringList &lines, bool memoMode, const FormList &forms,
                   const QString &projectName, LineRuns *owners = nullptr);
void GenerateEvents(QStringList &lines, bool memoMode, const FormList &forms,
                    const QString &projectName, LineRuns *owners = nullptr);
void GenerateHeader(QStringList &lines, bool memoMode, const FormList &forms,
                    const QString &projectName, LineRuns *owners = nullptr);

class CCCodeGenerator final : public CodeGenerator
{
public:
    void generate(const CodeRequest &request, GeneratedCode &code) const override;
    QStringList warnings(const FormList &forms) const override;
    QString titleName() const override { return QStringLiteral("CControls"); }
    bool hasColorOption() const override { return false; }
    QString libraryFileName() const override { return QStringLiteral("CControls.c"); }
    QString missingLibraryMessage() const override;
};

} // namespace zf

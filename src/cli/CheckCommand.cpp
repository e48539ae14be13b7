#include "BatchUserInterface.h"
#include "CliCommands.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/files/FormFileCheck.h"
#include "core/files/ProjectFile.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QFileInfo>

// zentiform-cli check FILE...: reads each form or project file as the
// designer would, with the file's own library, and prints one line per thing
// the designer would silently work around: "FILE: [section] key: message".

namespace zf::cli {

namespace {

bool isProjectFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("zpj"), Qt::CaseInsensitive) == 0)
        return true;
    if (suffix.compare(QLatin1String("zsc"), Qt::CaseInsensitive) == 0)
        return false;
    // Another name: the sections tell.
    IniDocument doc;
    return doc.open(path) && doc.hasSection(u"Project") && !doc.hasSection(kFormSection);
}

struct Checked
{
    bool readable = false;
    QString error;
    FileProblems problems;
};

Checked checkProjectFile(const QString &path)
{
    Checked result;
    IniDocument doc;
    if (!QFileInfo::exists(path))
        result.error = QStringLiteral("No such file");
    else if (!doc.open(path))
        result.error = doc.errorString();
    else {
        result.readable = true;
        result.problems = checkProject(doc);
    }
    return result;
}

Checked checkForm(DesignProject &project, const QString &path)
{
    FormFileCheck check = checkFormFile(project, path);
    return {check.readable, check.error, std::move(check.problems)};
}

} // namespace

int checkCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty())
        return kExitUsage;
    BatchUserInterface ui(err);
    DesignProject project(ui);
    int code = kExitOk;
    for (const QString &path : arguments) {
        const Checked checked =
            isProjectFile(path) ? checkProjectFile(path) : checkForm(project, path);
        if (!checked.readable) {
            out << path << ": cannot be read: " << checked.error << '\n';
            code = kExitUnreadable;
            continue;
        }
        for (const FileProblem &problem : checked.problems)
            out << path << ": " << problem.text() << '\n';
        if (!checked.problems.empty() && code == kExitOk)
            code = kExitProblems;
    }
    return code;
}

} // namespace zf::cli

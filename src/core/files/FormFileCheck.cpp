#include "core/files/FormFileCheck.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/FormFileRecord.h"

#include <QFileInfo>

namespace zf {

FormFileCheck checkFormFile(DesignProject &project, const QString &path)
{
    FormFileCheck result;
    if (!QFileInfo::exists(path)) {
        result.error = QStringLiteral("No such file");
        return result;
    }
    IniDocument doc;
    if (!doc.open(path)) {
        result.error = doc.errorString();
        return result;
    }
    result.readable = true;
    FileProblems &problems = result.problems;

    for (const QString &section : doc.repeatedSections()) {
        problems.push_back({section, QString(),
                            QStringLiteral("the section appears more than once; only its first "
                                           "appearance is read"),
                            FileProblem::Effect::SectionIgnored});
    }

    const FormFileRecord head(doc, kFormSection, &problems);
    const QString name = head.text(u"Name");
    if (name.isEmpty())
        head.report(QStringLiteral("Name"), QStringLiteral("missing; the file opens no form"));
    const int library = head.number(u"Lib", 0);
    if (!head.has(u"Lib")) {
        head.report(QStringLiteral("Lib"),
                    QStringLiteral("missing; the file is of no library and its records are not read"));
    } else if (library != kLibraryCControls && library != kLibraryPToolBox) {
        head.report(QStringLiteral("Lib"), QString::number(library)
                                               + QStringLiteral(" names no library; the records are not read"));
    }
    if (name.isEmpty() || (library != kLibraryCControls && library != kLibraryPToolBox))
        return result;

    project.setLibrary(library);
    result.form = std::make_unique<DesignForm>(project, name);
    const FileProblems read = readForm(*result.form, doc);
    problems.insert(problems.end(), read.begin(), read.end());
    for (const QString &clash : recordSectionClashes(*result.form))
        problems.push_back({QString(), QString(), clash + QStringLiteral("; the form cannot be saved")});
    return result;
}

} // namespace zf

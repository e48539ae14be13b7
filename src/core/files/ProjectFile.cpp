#include "core/files/ProjectFile.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/model/FormFileRecord.h"

#include <QDir>
#include <QFileInfo>

namespace zf {

namespace {

const QString kProject = QStringLiteral("Project");
const QString kProperties = QStringLiteral("Properties");
const QString kZoom = QStringLiteral("Zoom");
const QString kActiveForms = QStringLiteral("ActiveForms");

bool isLibrary(int library)
{
    return library == 1 || library == 2;
}

} // namespace

void writeProjectHead(IniDocument &doc, const QString &path, const ProjectFileState &state)
{
    FormFileRecordWriter(doc, kProject).text(u"Name", path).number(u"Lib", state.library);

    doc.writeBool(kProperties, u"Active", state.propertiesShown);
    if (state.propertiesShown) {
        const QRect &r = state.propertiesBounds;
        FormFileRecordWriter(doc, kProperties)
            .number(u"Top", r.top())
            .number(u"Left", r.left())
            .number(u"Width", r.width())
            .number(u"Height", r.height());
    }

    doc.writeBool(kZoom, u"Active", state.zoomShown);
    if (state.zoomShown) {
        FormFileRecordWriter(doc, kZoom)
            .number(u"Top", state.zoomPosition.y())
            .number(u"Left", state.zoomPosition.x());
    }
}

void writeProjectForms(IniDocument &doc, const std::vector<std::pair<int, QString>> &forms)
{
    doc.eraseSection(kActiveForms);
    for (const auto &[number, file] : forms)
        doc.writeString(kActiveForms, QStringLiteral("Form") + QString::number(number), file);
}

ProjectFileState readProject(const IniDocument &doc, const QPoint &zoomPosition,
                             FileProblems *problems)
{
    ProjectFileState state;
    const FormFileRecord project(doc, kProject, problems);
    state.library = project.number(u"Lib", 1);

    const FormFileRecord properties(doc, kProperties, problems);
    state.propertiesShown = properties.number(u"Active", 0) != 0;
    const QRect &bounds = state.propertiesBounds;
    const int top = properties.number(u"Top", bounds.top());
    const int left = properties.number(u"Left", bounds.left());
    const int width = properties.number(u"Width", bounds.width());
    const int height = properties.number(u"Height", bounds.height());
    state.propertiesBounds = QRect(left, top, width, height);

    const FormFileRecord zoom(doc, kZoom, problems);
    state.zoomShown = zoom.number(u"Active", 0) != 0;
    const int zoomTop = zoom.number(u"Top", zoomPosition.y());
    state.zoomPosition = QPoint(zoom.number(u"Left", zoomPosition.x()), zoomTop);

    // Only the values count; the key numbers need not run from 0. We write
    // full paths; a relative one, as a project shipped or moved with its
    // forms may hold, is taken from the project file's folder.
    const QDir folder = doc.path().isEmpty() ? QDir::current() : QFileInfo(doc.path()).dir();
    for (const QString &key : doc.keys(kActiveForms)) {
        const QString file = doc.readString(kActiveForms, key);
        state.formFiles << (file.isEmpty() ? file : QDir::cleanPath(folder.absoluteFilePath(file)));
    }
    return state;
}

FileProblems checkProject(const IniDocument &doc)
{
    FileProblems problems;
    const ProjectFileState state = readProject(doc, QPoint(), &problems);
    if (!isLibrary(state.library)) {
        problems.push_back({kProject, QStringLiteral("Lib"),
                            QString::number(state.library)
                                + QStringLiteral(" names no library; no form of it can be read")});
    }
    const QStringList keys = doc.keys(kActiveForms);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QString &file = state.formFiles.at(i);
        const auto problem = [&](const QString &message) {
            problems.push_back({kActiveForms, keys.at(i), file + QStringLiteral(": ") + message});
        };
        if (!QFileInfo(file).isFile()) {
            problem(QStringLiteral("no such form file; it is skipped"));
            continue;
        }
        IniDocument form;
        if (!form.open(file)) {
            problem(QStringLiteral("cannot be read: ") + form.errorString());
            continue;
        }
        if (readFormName(form).isEmpty()) {
            problem(QStringLiteral("the form file has no FORM Name; it is skipped"));
            continue;
        }
        const int library = readFormLibrary(form);
        if (isLibrary(state.library) && library != state.library) {
            problem(QStringLiteral("a form of library ") + QString::number(library)
                    + QStringLiteral(" in a project of library ") + QString::number(state.library)
                    + QStringLiteral("; only the kinds both share are read"));
        }
    }
    return problems;
}

} // namespace zf

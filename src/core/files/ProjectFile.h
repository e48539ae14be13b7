#pragma once

#include "core/base/FileProblem.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace zf {

class IniDocument;

// What a project file (".zpj") keeps: the library, where the property and
// zoom windows were, and the form files that were open. Project files are
// updated in place: the keys below are overwritten, "ActiveForms" is erased
// and written again, and everything else in the file stays (the generate
// settings in "Code" and "Icons", for one).
struct ProjectFileState
{
    int library = 1;
    bool propertiesShown = false;
    QRect propertiesBounds{0, 0, 264, 346};
    bool zoomShown = false;
    QPoint zoomPosition;
    // Read: the values of "ActiveForms" in file order.
    QStringList formFiles;
};

// Writes "Project", "Properties" and "Zoom". The bounds of a window are
// written only while it is shown; the ones stored before stay otherwise.
void writeProjectHead(IniDocument &doc, const QString &path, const ProjectFileState &state);

// Erases "ActiveForms" and lists the forms in it, each under "Form" and its
// number in the application's list of windows.
void writeProjectForms(IniDocument &doc, const std::vector<std::pair<int, QString>> &forms);

// Reads the state with its defaults; `zoomPosition` stands for a missing
// position of the zoom window (it stays where it is).
ProjectFileState readProject(const IniDocument &doc, const QPoint &zoomPosition,
                             FileProblems *problems = nullptr);

// What is wrong with a project file beyond what reading works around: a
// library that names none, listed form files that are missing, nameless or
// of the other library.
FileProblems checkProject(const IniDocument &doc);

} // namespace zf

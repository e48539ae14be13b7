#pragma once

#include "core/base/FileProblem.h"
#include "core/model/FormFileRecord.h"

#include <QString>
#include <QStringList>

namespace zf {

class DesignForm;
class IniDocument;

// The frame of a form file (".zsc"): the FORM section with the form's own
// keys, then the record of every object on the screen in child order (a
// dialog followed by its controls), then the records of the window's menus.
// The records are those of the library in force in the form's project.

// FORM "Name", empty when missing: such a file opens nothing.
QString readFormName(const IniDocument &doc);
// FORM "Lib", 0 when missing.
int readFormLibrary(const IniDocument &doc);

// Writes the whole form into `doc`, which should be empty. Works on a
// document in memory as well as on one bound to a file.
void writeForm(IniDocument &doc, const DesignForm &form);

// Records that would share one section of the file, each would overwrite the
// other: one text per clash, none when the form can be written whole.
QStringList recordSectionClashes(const DesignForm &form);

// Writes the form to `path` through a temporary file that replaces the old
// one only once complete, so a refused write leaves the old file whole. A
// form whose records would clash is not written. False with `error`.
bool writeFormFile(const DesignForm &form, const QString &path, QString *error);

// Fills a fresh form from `doc`: FileName, caption, title, window position,
// colours and every record, outside any undo step. Sections that are no
// records are passed over; records that cannot be placed (a name the form
// refuses or already holds, a second menu bar) are left out. Returns what
// was worked around.
FileProblems readForm(DesignForm &form, const IniDocument &doc);

} // namespace zf

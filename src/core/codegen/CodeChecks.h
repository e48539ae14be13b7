#pragma once

#include "core/codegen/CodeGenerator.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace zf {

class DesignObject;

// What in the forms makes generated code fail to build even though every
// line is as it should be: names PocketC cannot take, one name for two
// things, calls to forms that are not generated. Generating goes on
// regardless; the messages tell the user what to fix.

// The names an object brings into the generated program (a radio group of
// PToolBox defines one per item, a plain picture none).
using CodeNames = std::function<QStringList(const DesignObject &)>;

// Names that are no PocketC identifiers or are reserved, among them the
// locals of the generated event loops (`locals`), and names defined twice
// anywhere in the project.
QStringList nameWarnings(const FormList &forms, const QStringList &locals,
                         const CodeNames &codeNames);

// Buttons whose ShowForm names neither a form nor a dialog of the project;
// `shownForm` gives the name a button shows, or nothing for other objects.
QStringList showFormWarnings(const FormList &forms,
                             const std::function<QString(const DesignObject &)> &shownForm);

} // namespace zf

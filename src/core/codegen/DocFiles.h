#pragma once

#include "core/codegen/CodeGenerator.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zf {

class UserInterface;

// The DOC files of the four texts, in the order of the texts: P.pdb,
// PForms.pdb, PEvents.pdb, PH.pdb.
QStringList docFileNames(const QString &projectName);

// The databases' names on the handheld, the source file names P.pc,
// PForms.pc, PEvents.pc, P.h in its code page. A long project name is cut
// so that each keeps its ending within 31 bytes and the four stay distinct:
// the handheld keeps one database per name.
QList<QByteArray> docTitles(const QString &projectName);

// Save DOC: writes the four texts as Palm DOC databases into `folder`,
// created when missing, with lines ended the handheld's way, as one set
// (see FileSet): a failure leaves every old file as it was and names the
// file and the reason. Tells the user where the files went; false after
// telling what went wrong.
bool saveDocFiles(const GeneratedCode &code, const QString &projectName, const QString &folder,
                  UserInterface &ui, const QDateTime &when = QDateTime::currentDateTime());

} // namespace zf

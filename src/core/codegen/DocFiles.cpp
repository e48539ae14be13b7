#include "core/codegen/DocFiles.h"
#include "core/base/TextEncoding.h"
#include "core/codegen/CodeOutputs.h"
#include "core/codegen/FileSet.h"
#include "core/codegen/PalmDoc.h"
#include "core/model/UserInterface.h"

#include <QDir>

#include <array>

namespace zf {

namespace {

const std::array<QString, 4> kDocSuffixes = {QStringLiteral(".pdb"), QStringLiteral("Forms.pdb"),
                                             QStringLiteral("Events.pdb"),
                                             QStringLiteral("H.pdb")};

} // namespace

QStringList docFileNames(const QString &projectName)
{
    QStringList names;
    for (const QString &suffix : kDocSuffixes)
        names << projectName + suffix;
    return names;
}

QList<QByteArray> docTitles(const QString &projectName)
{
    const QByteArray name = encodeWindows1252(projectName);
    QList<QByteArray> titles;
    for (const QString &source : sourceFileNames(QString())) {
        const QByteArray ending = source.toLatin1();
        titles << name.left(kDocMaxNameLength - ending.size()) + ending;
    }
    return titles;
}

bool saveDocFiles(const GeneratedCode &code, const QString &projectName, const QString &folder,
                  UserInterface &ui, const QDateTime &when)
{
    const QStringList names = docFileNames(projectName);
    const QList<QByteArray> titles = docTitles(projectName);
    const QStringList *texts[] = {&code.main, &code.forms, &code.events, &code.header};
    const QDir dir(folder);

    std::array<QByteArray, 4> databases;
    for (size_t i = 0; i < 4; ++i) {
        // The handheld ends a line with a line feed alone.
        const EncodedSource encoded =
            encodeSource(*texts[i], dir.filePath(names[int(i)]), QStringLiteral("\n"));
        if (!encoded.error.isEmpty()) {
            ui.error(encoded.error);
            return false;
        }
        databases[i] = docDatabase(titles[int(i)], encoded.bytes, when);
    }
    if (!QDir().mkpath(folder)) {
        ui.error(QStringLiteral("Unable to create the folder ") + folder);
        return false;
    }

    FileSet files;
    for (size_t i = 0; i < 4; ++i)
        files.add(dir.filePath(names[int(i)]), databases[i]);
    if (!files.write()) {
        ui.error(files.error());
        return false;
    }
    ui.ask({QStringLiteral("Save DOC"),
            QStringLiteral("DOC files ") + names[0] + QStringLiteral(", ") + names[1] +
                QStringLiteral(", ") + names[2] + QStringLiteral(" and ") + names[3] +
                QStringLiteral(" created in ") + folder,
            UserInterface::Button::Ok, UserInterface::Icon::Information,
            UserInterface::Button::Ok});
    return true;
}

} // namespace zf

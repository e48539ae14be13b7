#include "core/codegen/DocConverter.h"
#include "core/base/DataPaths.h"
#include "core/codegen/CodeOutputs.h"
#include "core/model/UserInterface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace zf {

namespace {

const QString kMakeDoc = QStringLiteral("makedoc");
const QString kMakeDocExe = QStringLiteral("makedoc.exe");
const QString kTxt2PdbDoc = QStringLiteral("txt2pdbdoc");

QString executableIn(const QString &folder, const QString &name)
{
    const QFileInfo info(QDir(folder).filePath(name));
    return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
}

} // namespace

std::optional<DocConverter> DocConverter::find()
{
    for (const QString &name : {kMakeDoc, kMakeDocExe}) {
        const QString program = executableIn(dataDirectory(), name);
        if (!program.isEmpty())
            return DocConverter(program, false);
    }
    for (const QString &name : {kMakeDoc, kMakeDocExe, kTxt2PdbDoc}) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty())
            return DocConverter(program, name == kTxt2PdbDoc);
    }
    return std::nullopt;
}

QStringList DocConverter::arguments(const QString &source, const QString &database,
                                    const QString &title) const
{
    if (m_titleFirst)
        return {title, source, database};
    return {source, database, title};
}

QStringList docTempFileNames()
{
    return {QStringLiteral("temp001.txt"), QStringLiteral("temp002.txt"),
            QStringLiteral("temp003.txt"), QStringLiteral("temp004.txt")};
}

bool saveDocFiles(const GeneratedCode &code, const QString &projectName, const QString &tempFolder,
                  const QString &outputFolder, UserInterface &ui)
{
    const std::optional<DocConverter> converter = DocConverter::find();
    if (!converter) {
        ui.error(QStringLiteral("makedoc.exe not found. It must be in ") + dataDirectory() +
                 QStringLiteral(" directory. Please check the installation"));
        return false;
    }
    const QString &p = projectName;
    const QStringList *texts[] = {&code.main, &code.forms, &code.events, &code.header};
    const QStringList databases = {p + QStringLiteral(".pdb"), p + QStringLiteral("Forms.pdb"),
                                   p + QStringLiteral("Events.pdb"), p + QStringLiteral("H.pdb")};
    const QStringList titles = sourceFileNames(p);
    const QStringList temps = docTempFileNames();

    if (!QDir().mkpath(outputFolder)) {
        ui.error(QStringLiteral("Unable to create the folder ") + outputFolder);
        return false;
    }
    QStringList sources;
    for (int i = 0; i < 4; ++i) {
        const QString path = QDir(tempFolder).filePath(temps[i]);
        const EncodedSource encoded = encodeSource(*texts[i], titles[i]);
        if (!encoded.error.isEmpty()) {
            ui.error(encoded.error);
            return false;
        }
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(encoded.bytes) != encoded.bytes.size() ||
            !file.commit()) {
            ui.error(QStringLiteral("Unable to write to ") + path + QLatin1Char('\n') +
                     file.errorString());
            return false;
        }
        sources << path;
    }
    for (int i = 0; i < 4; ++i) {
        if (!QProcess::startDetached(converter->program(),
                                     converter->arguments(sources[i], databases[i], titles[i]),
                                     outputFolder)) {
            ui.error(QStringLiteral("Unable to start ") + converter->program());
            return false;
        }
    }
    ui.ask({QStringLiteral("Save DOC"),
            QStringLiteral("DOC files ") + databases[0] + QStringLiteral(", ") + databases[1] +
                QStringLiteral(", ") + databases[2] + QStringLiteral(" and ") + databases[3] +
                QStringLiteral(" created in ") + outputFolder,
            UserInterface::Button::Ok, UserInterface::Icon::Information,
            UserInterface::Button::Ok});
    return true;
}

void removeDocTempFiles(const QString &tempFolder)
{
    for (const QString &name : docTempFileNames())
        QFile::remove(QDir(tempFolder).filePath(name));
}

} // namespace zf

#include "core/codegen/CodeOutputs.h"
#include "core/base/IniDocument.h"
#include "core/base/TextEncoding.h"
#include "core/codegen/AppIcons.h"
#include "core/codegen/CodeText.h"
#include "core/codegen/FileSet.h"
#include "core/model/DesignForm.h"
#include "core/model/UserInterface.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace zf {

namespace {

using Button = UserInterface::Button;
using Icon = UserInterface::Icon;

void warn(UserInterface &ui, const QString &text)
{
    ui.ask({QStringLiteral("Warning"), text, Button::Ok, Icon::Warning, Button::Ok});
}

// File names differ only in letter case on the handheld's desktop systems;
// "Ccontrols.c" is the file "CControls.c".
bool containsFile(const QString &folder, const QString &name)
{
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    return std::any_of(files.begin(), files.end(), [&](const QString &file) {
        return file.compare(name, Qt::CaseInsensitive) == 0;
    });
}

// Changes keys of the project file in place; the rest of the file stays.
bool updateProjectFile(const QString &projectFile, UserInterface &ui,
                       const std::function<void(IniDocument &)> &change)
{
    if (projectFile.isEmpty())
        return true;
    IniDocument doc;
    if (!doc.open(projectFile)) {
        ui.error(QStringLiteral("Unable to read ") + projectFile + QLatin1Char('\n') +
                 doc.errorString());
        return false;
    }
    change(doc);
    if (!doc.save()) {
        ui.error(QStringLiteral("Unable to write to ") + projectFile + QLatin1Char('\n') +
                 doc.errorString());
        return false;
    }
    return true;
}

} // namespace

const DesignForm *findFirstForm(const FormList &forms, const QString &name)
{
    for (const DesignForm *form : forms) {
        if (form->name() == name)
            return form;
    }
    return forms.empty() ? nullptr : forms.front();
}

QStringList headLines(const GenerateSettings &settings, const QString &projectName)
{
    if (settings.memo)
        return {QStringLiteral("//Main ") + projectName + QStringLiteral(".pc")};
    QStringList lines = {
        QStringLiteral("@cid ") + quoted(settings.creatorId) + u';',
        QStringLiteral("@name ") + quoted(settings.appName) + u';',
        QStringLiteral("@dbname ") + quoted(settings.appDb) + u';',
        QStringLiteral("@ver ") + quoted(settings.version) + u';',
    };
    for (IconSlot slot : kIconSlots) {
        const IconSlotInfo &info = iconSlotInfo(slot);
        lines << QLatin1String(info.directive) + u' ' + quoted(QString::fromLatin1(info.fileName)) +
                     u';';
    }
    return lines;
}

bool generateCode(const CodeGenerator &generator, const FormList &forms, const QString &projectName,
                  const GenerateSettings &settings, GeneratedCode &code, UserInterface &ui)
{
    code = {};
    if (forms.empty()) {
        ui.error(kNoFormToGenerate);
        return false;
    }
    code.main = headLines(settings, projectName);
    generator.generate({forms, findFirstForm(forms, settings.firstForm), projectName, settings.memo,
                        settings.color},
                       code);
    return true;
}

bool storeGenerateSettings(const QString &projectFile, const GenerateSettings &settings,
                           bool colorOption, UserInterface &ui)
{
    return updateProjectFile(projectFile, ui,
                             [&](IniDocument &doc) { settings.writeCode(doc, colorOption); });
}

bool storeIconPath(const QString &projectFile, IconSlot slot, const QString &path,
                   UserInterface &ui)
{
    return updateProjectFile(
        projectFile, ui, [&](IniDocument &doc) { GenerateSettings::writeIcon(doc, slot, path); });
}

QString outputFolder(const QString &setting, const QString &projectFile)
{
    const QDir projectDir = QFileInfo(projectFile).absoluteDir();
    if (setting.trimmed().isEmpty())
        return projectDir.absolutePath();
    return QDir::cleanPath(projectDir.absoluteFilePath(setting));
}

QString sourceText(const QStringList &lines, QStringView lineEnd)
{
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + lineEnd.size();
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

QStringList sourceFileNames(const QString &projectName)
{
    return {projectName + QStringLiteral(".pc"), projectName + QStringLiteral("Forms.pc"),
            projectName + QStringLiteral("Events.pc"), projectName + QStringLiteral(".h")};
}

EncodedSource encodeSource(const QStringList &lines, const QString &name, QStringView lineEnd)
{
    EncodedSource encoded;
    QString unmappable;
    encoded.bytes = encodeWindows1252(sourceText(lines, lineEnd), &unmappable);
    if (!unmappable.isEmpty()) {
        encoded.bytes.clear();
        encoded.error = QStringLiteral("Unable to write ") + name +
                        QStringLiteral(": the characters ") + unmappable +
                        QStringLiteral(" have no place in the handheld's code page "
                                       "(Windows-1252). No file was written.");
    }
    return encoded;
}

SaveOutcome saveSourceFiles(const SourceOutput &output, UserInterface &ui)
{
    const QStringList names = sourceFileNames(output.projectName);
    const QStringList *texts[] = {&output.code.main, &output.code.forms, &output.code.events,
                                  &output.code.header};
    const QDir folder(output.folder);

    // Nothing is written unless every text fits the handheld's code page.
    std::vector<QByteArray> contents;
    for (int i = 0; i < 4; ++i) {
        EncodedSource encoded = encodeSource(*texts[i], folder.filePath(names[i]));
        if (!encoded.error.isEmpty()) {
            ui.error(encoded.error);
            return SaveOutcome::Failed;
        }
        contents.push_back(std::move(encoded.bytes));
    }

    if (!QDir().mkpath(output.folder)) {
        ui.error(QStringLiteral("Unable to create the folder ") + output.folder);
        return SaveOutcome::Failed;
    }
    // Every question comes before anything is written: the files go out
    // as one set, or not at all.
    FileSet files;
    for (int i = 0; i < 4; ++i) {
        const QString path = folder.filePath(names[i]);
        if (QFileInfo::exists(path)) {
            const Button answer =
                ui.ask({QStringLiteral("Warning"),
                        path + QStringLiteral(" already exists. Do you want to "
                                              "replace it?"),
                        Button::Yes | Button::No | Button::Cancel, Icon::Warning, Button::No});
            if (answer == Button::Cancel)
                return SaveOutcome::Cancelled;
            if (answer != Button::Yes)
                continue;
        }
        files.add(path, contents[size_t(i)]);
    }
    if (output.icons) {
        for (IconSlot slot : kIconSlots)
            files.add(folder.filePath(QLatin1String(iconSlotInfo(slot).fileName)),
                      output.icons->bitmap(slot));
    }
    if (!files.write()) {
        ui.error(files.error());
        return SaveOutcome::Failed;
    }
    if (output.library && !containsFile(output.folder, output.library->libraryFileName()))
        warn(ui, output.library->missingLibraryMessage());
    return SaveOutcome::Completed;
}

} // namespace zf

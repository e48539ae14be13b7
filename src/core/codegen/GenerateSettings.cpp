#include "core/codegen/GenerateSettings.h"
#include "core/base/IniDocument.h"

namespace zf {

namespace {

const QString kCode = QStringLiteral("Code");
const QString kIcons = QStringLiteral("Icons");
const QString kOutput = QStringLiteral("Output");
const QString kFirstForm = QStringLiteral("FirstForm");
const QString kMemo = QStringLiteral("Memo");
const QString kCreatorId = QStringLiteral("CreatorID");
const QString kAppName = QStringLiteral("AppName");
const QString kAppDb = QStringLiteral("AppDB");
const QString kVersion = QStringLiteral("Version");
const QString kColor = QStringLiteral("Color");

} // namespace

GenerateSettings GenerateSettings::read(const IniDocument &project, bool colorOption,
                                        const QString &currentOutput)
{
    GenerateSettings s;
    s.output = project.readString(kCode, kOutput, currentOutput);
    s.firstForm = project.readString(kCode, kFirstForm);
    s.memo = project.readBool(kCode, kMemo, s.memo);
    s.creatorId = project.readString(kCode, kCreatorId, s.creatorId);
    s.appName = project.readString(kCode, kAppName, s.appName);
    s.appDb = project.readString(kCode, kAppDb, s.appDb);
    s.version = project.readString(kCode, kVersion, s.version);
    if (colorOption)
        s.color = project.readBool(kCode, kColor, s.color);
    for (IconSlot slot : kIconSlots)
        s.iconPaths[size_t(slot)] =
            project.readString(kIcons, QString::fromLatin1(iconSlotInfo(slot).key));
    return s;
}

bool GenerateSettings::load(const QString &path, bool colorOption, const QString &currentOutput,
                            GenerateSettings *settings, QString *error)
{
    IniDocument doc;
    const bool read = doc.open(path);
    if (!read && error)
        *error = doc.errorString();
    *settings = GenerateSettings::read(doc, colorOption, currentOutput);
    return read;
}

void GenerateSettings::writeCode(IniDocument &project, bool colorOption) const
{
    project.writeString(kCode, kOutput, output);
    project.writeString(kCode, kFirstForm, firstForm);
    project.writeBool(kCode, kMemo, memo);
    project.writeString(kCode, kCreatorId, creatorId);
    project.writeString(kCode, kAppName, appName);
    project.writeString(kCode, kAppDb, appDb);
    project.writeString(kCode, kVersion, version);
    if (colorOption)
        project.writeBool(kCode, kColor, color);
}

void GenerateSettings::writeIcon(IniDocument &project, IconSlot slot, const QString &path)
{
    project.writeString(kIcons, QString::fromLatin1(iconSlotInfo(slot).key), path);
}

} // namespace zf

#pragma once

#include "core/codegen/IconSlot.h"

#include <QString>

#include <array>

namespace zf {

class IniDocument;

// The settings of the generate window, kept in the project file: section
// "Code" for the target and the application's PRC properties, "Icons" for
// the bitmap file chosen for each icon slot.
struct GenerateSettings
{
    QString output;    // output folder
    QString firstForm; // name of the form main() shows
    bool memo = false; // target "Palm memos / DOC files" instead of PDE
    QString creatorId = QStringLiteral("ZNTC");
    QString appName = QStringLiteral("Application");
    QString appDb = QStringLiteral("ApplicationDB");
    QString version = QStringLiteral("1.0");
    bool color = true; // PToolBox only: generate colour code
    std::array<QString, kIconSlotCount> iconPaths;

    // Missing keys give the defaults above; a missing Output keeps
    // `currentOutput`, the folder the window shows. Color is read only when
    // the library has the colour option.
    static GenerateSettings read(const IniDocument &project, bool colorOption,
                                 const QString &currentOutput);
    // The same from the project file at `path`; a file that cannot be read
    // gives the defaults, and false with its error in `error`.
    static bool load(const QString &path, bool colorOption, const QString &currentOutput,
                     GenerateSettings *settings, QString *error);
    // The "Code" keys Generate writes; Color only with the colour option.
    // Other keys of the file stay.
    void writeCode(IniDocument &project, bool colorOption) const;
    // Written at once when the user picks an icon.
    static void writeIcon(IniDocument &project, IconSlot slot, const QString &path);

    const QString &iconPath(IconSlot slot) const { return iconPaths[size_t(slot)]; }
};

} // namespace zf

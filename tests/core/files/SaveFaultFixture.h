#pragma once

#include "app/CommandsFixture.h"
#include "core/app/Options.h"
#include "core/codegen/CodeOutputs.h"
#include "core/codegen/GenerateSettings.h"
#include "core/codegen/cccode.h"

#include <QDir>
#include <QRect>

#include <array>

namespace zf::test {

// The four saves that write the user's files: a form, a project (with its
// form), the options file and the generated sources, each into one folder
// and each in two versions whose files differ at the top and at the end, so
// that a file made of parts of both is told from either.
class SaveFaultFixture : public CommandsFixture
{
protected:
    enum class Kind { Form, Project, Options, Outputs };
    static constexpr std::array kKinds{Kind::Form, Kind::Project, Kind::Options, Kind::Outputs};

    static const char *kindName(Kind kind)
    {
        switch (kind) {
        case Kind::Form:
            return "form";
        case Kind::Project:
            return "project";
        case Kind::Options:
            return "options";
        case Kind::Outputs:
            return "outputs";
        }
        return "";
    }

    explicit SaveFaultFixture(int controls = 40)
    {
        QDir().mkpath(work());
        QDir().mkpath(outputs());
        form = &forms.nuevoForm(QStringLiteral("Main"));
        for (int i = 0; i < controls; ++i)
            last = place(*form, ControlKind::Button, (i * 7) % 120, (i * 5) % 140);
        form->setFileName(formFile());
        project.setProjectName(QStringLiteral("Fault"));
        project.setProjectFile(projectFile());
        output.folder = outputs();
        output.projectName = QStringLiteral("Fault");
    }

    QString work() const { return path(QStringLiteral("work")); }
    QString outputs() const { return path(QStringLiteral("work/out")); }
    QString formFile() const { return path(QStringLiteral("work/Main.zsc")); }
    QString projectFile() const { return path(QStringLiteral("work/Fault.zpj")); }
    QString optionsFile() const { return path(QStringLiteral("work/options.ini")); }

    QStringList files(Kind kind) const
    {
        switch (kind) {
        case Kind::Form:
            return {formFile()};
        case Kind::Project:
            return {projectFile(), formFile()};
        case Kind::Options:
            return {optionsFile()};
        case Kind::Outputs: {
            QStringList paths;
            for (const QString &name : sourceFileNames(output.projectName))
                paths << QDir(outputs()).filePath(name);
            return paths;
        }
        }
        return {};
    }

    // Makes the state of version 1 or 2 in memory.
    void setVersion(int version)
    {
        form->screen()->setTitle(QStringLiteral("Version %1").arg(version));
        form->setPosition(version, version);
        last->setBounds(version * 3, version * 2, 30 + version, 14);
        workspace.setPropertiesShown(true);
        workspace.setPropertiesBounds(QRect(version, version, 264, 346));
        options.setLibrary(version);
        options.recentProjects().add(QStringLiteral("/projects/version%1.zpj").arg(version));
        settings.creatorId = version == 1 ? QStringLiteral("AAAA") : QStringLiteral("BBBB");
        // Generated once per version: a big form takes a while.
        GeneratedCode &code = generated[size_t(version - 1)];
        if (code.main.isEmpty())
            generateCode(generator, {form}, output.projectName, settings, code, ui);
        output.code = code;
    }

    // The user's command, answering Yes to every replace question; true
    // when it saved everything.
    bool save(Kind kind)
    {
        ui.answers.assign(4, UserInterface::Button::Yes);
        switch (kind) {
        case Kind::Form:
            return forms.save(*form, false) == FormCommands::SaveResult::Saved;
        case Kind::Project:
            return projects.guardaProyecto(projectFile()) == ProjectCommands::SaveResult::Saved;
        case Kind::Options:
            return options.save();
        case Kind::Outputs:
            return saveSourceFiles(output, ui) == SaveOutcome::Completed;
        }
        return false;
    }

    // The bytes of every file of `kind`, in files() order.
    QByteArrayList contents(Kind kind) const
    {
        QByteArrayList bytes;
        for (const QString &file : files(kind))
            bytes << read(file);
        return bytes;
    }

    // The first lines of the error messages shown since `from`; the replace
    // questions are left out.
    QStringList errorLines(std::size_t from = 0) const
    {
        QStringList lines;
        for (std::size_t i = from; i < ui.messages.size(); ++i) {
            if (ui.messages[i].caption == QLatin1String("Error"))
                lines << ui.messages[i].text.section(QLatin1Char('\n'), 0, 0);
        }
        return lines;
    }

    DesignForm *form = nullptr;
    DesignObject *last = nullptr;
    Options options{optionsFile()};
    CCCodeGenerator generator;
    GenerateSettings settings;
    SourceOutput output;
    std::array<GeneratedCode, 2> generated;
};

} // namespace zf::test

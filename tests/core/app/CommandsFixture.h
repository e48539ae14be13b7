#pragma once

#include "files/FormFileSupport.h"
#include "model/ModelFixture.h"
#include "core/app/FormCommands.h"
#include "core/app/ProjectCommands.h"
#include "core/app/RecentProjects.h"
#include "core/app/Workspace.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zf::test {

// The commands with a scripted user, a workspace and a folder of their own.
class CommandsFixture : public ::testing::Test
{
protected:
    CommandsFixture() { project.setLibrary(kLibraryCControls); }

    QString path(const QString &name) const { return dir.filePath(name); }

    QByteArray read(const QString &file) const { return fileBytes(file); }
    void write(const QString &file, const QByteArray &bytes) const { ASSERT_TRUE(writeFileBytes(file, bytes)); }

    DesignObject *place(DesignForm &form, ControlKind kind, int x = 10, int y = 10,
                        DesignContainer *container = nullptr)
    {
        return placeControl(project, form, kind, x, y, container);
    }

    // What matters is that a command leaves the zoom view running.
    bool zoomRunning() const { return !ui.zoomPaused; }

    ScriptedUserInterface ui;
    DesignProject project{ui};
    Workspace workspace;
    RecentProjects recent;
    FormCommands forms{project, workspace};
    ProjectCommands projects{project, workspace, forms, recent};
    QTemporaryDir dir;
};

using Button = UserInterface::Button;
using Icon = UserInterface::Icon;

} // namespace zf::test

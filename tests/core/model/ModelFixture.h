#pragma once

#include "ScriptedUserInterface.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"

#include <gtest/gtest.h>

namespace zf::test {

// Presses the toolbox button of `kind` and releases the mouse at (x, y) of
// `container` (the screen when null); returns the new object.
inline DesignObject *placeControl(DesignProject &project, DesignForm &form, ControlKind kind, int x,
                                  int y, DesignContainer *container = nullptr)
{
    project.setPressedTool(kind);
    EXPECT_TRUE(project.librarySupport().createControlAt(form, x, y,
                                                         container ? container : form.screen()));
    return project.selectedObject();
}

// A project with one form, and a way to click a kind onto it.
class ModelFixture : public ::testing::Test
{
protected:
    explicit ModelFixture(int library = kLibraryCControls)
    {
        project.setLibrary(library);
        form = project.addForm(QStringLiteral("Form1"));
        project.setCurrentDesignWindow(form);
    }

    template <typename T = DesignObject>
    T *place(ControlKind kind, int x = 10, int y = 10, DesignContainer *container = nullptr)
    {
        DesignObject *object = placeControl(project, *form, kind, x, y, container);
        if constexpr (std::is_same_v<T, DesignObject>)
            return object;
        else
            return objectCast<T>(object);
    }

    QStringList controlListTexts() const
    {
        QStringList texts;
        for (const auto &line : form->controlList())
            texts << line.text;
        return texts;
    }

    ScriptedUserInterface ui;
    DesignProject project{ui};
    DesignForm *form = nullptr;
};

class PToolBoxFixture : public ModelFixture
{
protected:
    PToolBoxFixture() : ModelFixture(kLibraryPToolBox) {}
};

} // namespace zf::test

#pragma once

#include "core/designer/SelectionDisplay.h"
#include "model/ModelFixture.h"

namespace zf::test {

// A form whose controls are selected the way clicks select them.
class LayoutFixture : public ModelFixture
{
protected:
    explicit LayoutFixture(int library = kLibraryCControls) : ModelFixture(library) {}

    // A plain click, or a Shift+click with `add`.
    void click(DesignObject *object, bool add = false)
    {
        project.setSelectedObject(object);
        MostrarSeleccionado(*form, add);
    }

    // Places a control and gives it a design rectangle.
    template <typename T = DesignObject>
    T *placeAt(ControlKind kind, int left, int top, int width, int height,
               DesignContainer *container = nullptr)
    {
        T *object = place<T>(kind, 10, 10, container);
        object->setBounds(left, top, width, height);
        return object;
    }

    int undoSteps() { return form->undoStack().count(); }
};

class PToolBoxLayoutFixture : public LayoutFixture
{
protected:
    PToolBoxLayoutFixture() : LayoutFixture(kLibraryPToolBox) {}
};

} // namespace zf::test

#pragma once

#include "core/designer/SelectionDisplay.h"
#include "model/ModelFixture.h"

namespace zf::test {

// A form whose controls are selected the way clicks (Shift+clicks with `add`) select them.
class LayoutFixture : public ModelFixture
{
protected:
    explicit LayoutFixture(int library = kLibraryCControls) : ModelFixture(library) {}

    void click(DesignObject *object, bool add = false)
    {
        project.setSelectedObject(object);
        MostrarSeleccionado(*form, add);
    }

    DesignObject *placeAt(ControlKind kind, const QRect &r, DesignContainer *container = nullptr)
    {
        DesignObject *object = place(kind, 10, 10, container);
        object->setBounds(r.x(), r.y(), r.width(), r.height());
        return object;
    }

    int undoSteps() { return form->undoStack().count(); }
};

} // namespace zf::test

#pragma once

#include "core/model/ChildList.h"
#include "core/model/DesignObject.h"

namespace zf {

// The colours a container lends to the objects that take their colours from
// it: the screen's colour set, or a dialog's.
struct ColorSet
{
    PalmColor background = kPalmWhite;
    PalmColor frame = kPalmBlack;
    PalmColor fill = kPalmWhite;
    PalmColor text = kPalmBlack;
    PalmColor selectedFill = kPalmBlack;
    PalmColor selectedFore = kPalmWhite;
};

// An object that holds controls: the screen of a form or a dialog on it.
class DesignContainer : public DesignObject
{
public:
    bool isContainer() const override { return true; }

    ChildList &children() { return m_children; }
    const ChildList &children() const { return m_children; }

    virtual ColorSet colorSet() const = 0;

    int gridSpace() const { return m_gridSpace; }
    int gridVisible() const { return m_gridVisible; }
    void setGridSpace(int space) { assign(m_gridSpace, space); }
    void setGridVisible(int visible) { assign(m_gridVisible, visible); }

protected:
    DesignContainer(int width, int height);
    DesignContainer(const DesignContainer &other);
    DesignContainer &operator=(const DesignContainer &other);

    void attachTo(DesignForm *form) override;

private:
    ChildList m_children;
    int m_gridSpace = 4;
    int m_gridVisible = 0;
};

} // namespace zf

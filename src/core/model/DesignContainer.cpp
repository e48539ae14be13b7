#include "core/model/DesignContainer.h"

namespace zf {

DesignContainer::DesignContainer(int width, int height)
    : DesignObject(width, height), m_children(this)
{
}

DesignContainer::DesignContainer(const DesignContainer &other)
    : DesignObject(other), m_children(this), m_gridSpace(other.m_gridSpace),
      m_gridVisible(other.m_gridVisible)
{
}

DesignContainer &DesignContainer::operator=(const DesignContainer &other)
{
    // Children are structure, kept by the child lists, not state.
    DesignObject::operator=(other);
    m_gridSpace = other.m_gridSpace;
    m_gridVisible = other.m_gridVisible;
    return *this;
}

void DesignContainer::attachTo(DesignForm *form)
{
    DesignObject::attachTo(form);
    for (DesignObject *child : m_children)
        child->attachTo(form);
}

} // namespace zf

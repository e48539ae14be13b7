#include "core/model/DesignProject.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/LibrarySupport.h"

#include <algorithm>

namespace zf {

DesignProject::DesignProject(UserInterface &ui)
    : m_ui(ui)
{
}

DesignProject::~DesignProject()
{
    destroyAllForms();
}

void DesignProject::setLibrary(int library)
{
    if (m_library == library)
        return;
    m_library = library;
    Q_EMIT libraryChanged(library);
}

void DesignProject::setPressedTool(std::optional<ControlKind> kind)
{
    if (m_pressedTool == kind)
        return;
    m_pressedTool = kind;
    Q_EMIT pressedToolChanged(kind);
}

const LibrarySupport &DesignProject::librarySupport() const
{
    return LibrarySupport::forLibrary(m_library);
}

QString DesignProject::nextFormName()
{
    ++m_formCounter;
    return (m_shortNames ? QStringLiteral("Fm") : QStringLiteral("Form"))
           + QString::number(m_formCounter);
}

QString DesignProject::uniqueControlName(const QString &prefix, const DesignForm &form)
{
    // Besides the screen's objects, the names the window refuses anyway (its
    // menus, its own parts, other letter cases) are skipped too, so that a
    // fresh name can always be given.
    for (;;) {
        ++m_controlCounter;
        const QString candidate = prefix + QString::number(m_controlCounter);
        if (!form.isNameTaken(candidate))
            return candidate;
    }
}

DesignForm *DesignProject::addForm(const QString &name)
{
    m_forms.push_back(std::make_unique<DesignForm>(*this, name));
    DesignForm *form = m_forms.back().get();
    m_windowOrder.insert(m_windowOrder.begin(), form);
    Q_EMIT formAdded(form);
    return form;
}

void DesignProject::destroyAllForms()
{
    setCurrentDesignWindow(nullptr);
    setSelectedObject(nullptr);
    while (!m_forms.empty()) {
        Q_EMIT formAboutToBeRemoved(m_forms.back().get());
        std::erase(m_windowOrder, m_forms.back().get());
        m_forms.pop_back();
    }
}

void DesignProject::setCurrentDesignWindow(DesignForm *form)
{
    if (form) {
        std::erase(m_windowOrder, form);
        m_windowOrder.insert(m_windowOrder.begin(), form);
    }
    if (m_currentForm == form)
        return;
    m_currentForm = form;
    Q_EMIT currentDesignWindowChanged(form);
}

void DesignProject::setSelectedObject(DesignObject *object)
{
    if (m_selectedObject == object)
        return;
    m_selectedObject = object;
    Q_EMIT selectedObjectChanged(object);
}

void DesignProject::setCursorKeysActive(bool active)
{
    m_cursorKeysActive = active;
    Q_EMIT cursorKeysChanged();
}

void DesignProject::setGridStep(bool on)
{
    m_gridStep = on;
    Q_EMIT cursorKeysChanged();
}

} // namespace zf

#include "core/model/LibrarySupport.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/PTDialog.h"

#include <algorithm>
#include <array>

namespace zf {

namespace {

// The supports installed by the layer that knows both libraries, by library
// value; see core/libraries/Libraries.h.
std::array<const LibrarySupport *, 3> &installedLibraries()
{
    static std::array<const LibrarySupport *, 3> supports{};
    return supports;
}

} // namespace

void LibrarySupport::install(const LibrarySupport &support)
{
    const int library = support.library();
    Q_ASSERT(library == kLibraryCControls || library == kLibraryPToolBox);
    installedLibraries()[std::size_t(library)] = &support;
}

const LibrarySupport &LibrarySupport::forLibrary(int library)
{
    static const LibrarySupport none;
    if (library != kLibraryCControls && library != kLibraryPToolBox)
        return none;
    const LibrarySupport *support = installedLibraries()[std::size_t(library)];
    // A program that forgot to install the libraries would silently do
    // nothing for every control; stop it at its first use instead.
    if (!support)
        qFatal("The control libraries are not installed: call zf::installLibraries() first");
    return *support;
}

std::vector<ControlKind> LibrarySupport::toolboxKinds() const
{
    std::vector<ControlKind> result;
    for (const KindInfo &info : kinds())
        result.push_back(info.kind);
    return result;
}

QString LibrarySupport::namePrefix(ControlKind kind, bool shortNames) const
{
    for (const KindInfo &info : kinds()) {
        if (info.kind == kind)
            return QLatin1String(shortNames ? info.shortPrefix : info.longPrefix);
    }
    return {};
}

bool LibrarySupport::createControlAt(DesignForm &form, int x, int y, DesignContainer *clicked) const
{
    DesignProject &project = form.project();
    const std::optional<ControlKind> tool = project.pressedTool();
    const std::vector<ControlKind> kinds = toolboxKinds();
    if (!tool || std::find(kinds.begin(), kinds.end(), *tool) == kinds.end())
        return false;
    const ControlKind kind = *tool;
    project.setPressedTool(std::nullopt); // one click places one control

    bool created = false;
    if (createWindowObject(form, kind, &created))
        return created;

    form.perform(QStringLiteral("Create ") + kindWord(kind), [&] {
        if (deselectsOnCreate(kind))
            form.deselectAll();
        const QString name = project.uniqueControlName(namePrefix(kind, project.shortNames()), form);
        DesignObject *object = nullptr;
        if (kind == ControlKind::Dialog) {
            object = form.newDialog(name);
        } else {
            // A click on the shown dialog places the control inside it.
            DesignContainer *container = objectCast<TPTDialog>(clicked) ? clicked : form.screen();
            std::unique_ptr<DesignObject> control = makeControl(kind, name, x, y);
            control->setName(name);
            control->setColor(project.newControlColor());
            if (setsPalmForm())
                control->setPalmForm(container);
            object = form.addObject(std::move(control), container);
        }
        project.setSelectedObject(object);
        form.refreshControlList();
    });
    return true;
}

void LibrarySupport::listScreenObjects(const DesignForm &form, ControlList &lines) const
{
    const auto line = [this](DesignObject *object) {
        const auto kind = kindOf(*object);
        return ControlListLine{object->name() + QStringLiteral(": ") + (kind ? kindWord(*kind) : QString()),
                               object};
    };
    for (DesignObject *object : form.screen()->children()) {
        if (auto *dialog = objectCast<TPTDialog>(object)) {
            for (DesignObject *child : dialog->children())
                lines.push_back(line(child));
        }
        lines.push_back(line(object));
    }
    lines.push_back({form.name() + QStringLiteral(": Form"), form.screen()});
}

} // namespace zf

#include "core/designer/Nudging.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/designer/DesignCommands.h"
#include "core/designer/SelectionDisplay.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"

#include <algorithm>

namespace zf {

namespace {

// Consecutive nudges of one control fold into one undo step, and so do
// consecutive sizings.
constexpr int kNudgeMerge = 4;
constexpr int kSizeMerge = 5;
constexpr int kGridNudge = 4;

DesignObject *nudgedControl(const DesignProject &project)
{
    DesignObject *object = project.selectedObject();
    if (!object || !object->form() || object == object->form()->screen() ||
        objectCast<TCCMenuBar>(object) || objectCast<TCCMenu>(object))
        return nullptr;
    return object;
}

// A size changed by `delta`; shrinking stops at one pixel, so the control
// stays where the mouse can find it.
int sizedBy(int size, int delta)
{
    const qint64 sized = qint64(size) + delta;
    return saturate(delta < 0 ? std::max<qint64>(sized, std::min(size, 1)) : sized);
}

// Moves the control by (dx, dy), or with `sizing` sizes it by them; the
// presses of one kind on one control in a row are one undo step.
void nudge(DesignObject &control, int dx, int dy, bool sizing)
{
    DesignForm &form = *control.form();
    const MergeKey merge{sizing ? kSizeMerge : kNudgeMerge, quint64(quintptr(&control))};
    form.perform((sizing ? QStringLiteral("Resize ") : QStringLiteral("Move ")) + control.name(),
                 [&] {
                     if (!sizing) {
                         control.setLeft(saturate(qint64(control.left()) + dx));
                         control.setTop(saturate(qint64(control.top()) + dy));
                         return;
                     }
                     EditWithResizeHandler(form, control, [&] {
                         control.setWidth(sizedBy(control.width(), dx));
                         control.setHeight(sizedBy(control.height(), dy));
                     });
                 },
                 merge);
}

} // namespace

void SwitchCursorKeysOn(DesignProject &project)
{
    project.setCursorKeysActive(true);
}

void SwitchCursorKeysOff(DesignProject &project)
{
    project.setCursorKeysActive(false);
}

QString CursorKeysStatusText(const DesignProject &project)
{
    if (!project.cursorKeysActive())
        return {};
    return project.gridStep() ? QStringLiteral("Cursor keys activated - Grid Step")
                              : QStringLiteral("Cursor keys activated - Single Step");
}

int NudgeStep(const DesignProject &project)
{
    return project.gridOn() && project.gridStep() ? kGridNudge : 1;
}

bool NudgeKeyPressed(DesignProject &project, NudgeKey key, bool sizing)
{
    if (!project.cursorKeysActive())
        return false;
    switch (key) {
    case NudgeKey::Space:
        project.setGridStep(!project.gridStep());
        return true;
    case NudgeKey::Delete:
        if (DesignForm *form = project.currentDesignWindow()) {
            DeleteSelectedControl(*form);
            return true;
        }
        return false;
    default:
        break;
    }
    DesignObject *control = nudgedControl(project);
    if (!control)
        return false;
    const int step = NudgeStep(project);
    const int dx = key == NudgeKey::Left ? -step : key == NudgeKey::Right ? step : 0;
    const int dy = key == NudgeKey::Up ? -step : key == NudgeKey::Down ? step : 0;
    nudge(*control, dx, dy, sizing);
    return true;
}

} // namespace zf

#include "core/controls/CCPaintParts.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTGsi.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTPaint.h"
#include "core/ptoolbox/PTPopTrigger.h"

namespace zf {

namespace {

// The colour of the marks and texts that follow the container's text colour:
// `own` without a container.
PalmColor containerText(const DesignObject &object, PalmColor own)
{
    return object.palmForm() ? object.palmForm()->colorSet().text : own;
}

} // namespace

void paint(Canvas &canvas, const TPTLabel &label)
{
    fillBackground(canvas, label, containerColors(label).background);
    canvas.setFont(label.font().name());
    canvas.setFontColor(label.colorText());
    canvas.textOut(0, 0, label.content());
    paintSelection(canvas, label);
}

void paint(Canvas &canvas, const TPTPopTrigger &trigger)
{
    const PalmColor color = containerText(trigger, trigger.colorText());
    fillBackground(canvas, trigger, containerColors(trigger).background);
    canvas.setFont(trigger.font().name());
    const int y = (trigger.height() - canvas.textHeight(trigger.text())) / 2;
    canvas.setFontColor(color);
    canvas.textOut(15, y, trigger.text());
    canvas.setPen(color);
    canvas.setBrush(color);
    canvas.polygon({{3, y + 4}, {10, y + 4}, {7, y + 7}, {6, y + 7}});
    paintSelection(canvas, trigger);
}

void paint(Canvas &canvas, const TPTCheckbox &box)
{
    // The box's own text colour is kept for the files but not drawn.
    const PalmColor color = containerText(box, kPalmBlack);
    const PalmColor ground = containerColors(box).background;
    fillBackground(canvas, box, ground);
    canvas.setFont(box.font().name());
    const int y = (box.height() - canvas.textHeight(box.content())) / 2;
    paintCheckMark(canvas, 3, y + 3, box.state() != 0, color, ground);
    canvas.setFontColor(color);
    canvas.textOut(18, y + 1, box.content());
    paintSelection(canvas, box);
}

void paint(Canvas &canvas, const TPTGsi &gsi)
{
    const PalmColor color = containerText(gsi, kPalmBlack);
    fillBackground(canvas, gsi, containerColors(gsi).background);
    canvas.setPen(color);
    canvas.setBrush(color);
    canvas.polygon({{3, 0}, {4, 0}, {7, 3}, {5, 3}, {5, 8}, {2, 8}, {2, 3}, {0, 3}});
    paintSelection(canvas, gsi, HandleSet::CornersOnly);
}

} // namespace zf

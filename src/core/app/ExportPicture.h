#pragma once

#include "core/designer/FormRenderer.h"

namespace zf {

class DesignForm;
class UserInterface;

// What File > Export Picture draws: the screen alone or the device around
// it, enlarged 1 to 4 times without smoothing.
struct PictureChoice
{
    int scale = 2;
    RenderArea area = RenderArea::Device;

    static constexpr int kMaxScale = 4;
};

// Export Picture: asks for a PNG file (the form's name beside its file at
// first), asks before replacing one, and writes the form's picture as its
// design window shows it. False when the user cancelled or the file could
// not be written (the user has been told).
bool exportPicture(const DesignForm &form, const PictureChoice &choice, UserInterface &ui);

} // namespace zf

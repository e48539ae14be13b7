#pragma once

#include <QString>

#include <array>

namespace zf {

// The eight application icons of a PDE build: large (32 x 32) and small
// (15 x 9) at 1, 2, 4 and 8 bits per pixel, in the order the directives and
// the icon files are written.
enum class IconSlot { Large1, Small1, Large2, Small2, Large4, Small4, Large8, Small8 };

inline constexpr int kIconSlotCount = 8;
inline constexpr std::array<IconSlot, kIconSlotCount> kIconSlots = {
    IconSlot::Large1, IconSlot::Small1, IconSlot::Large2, IconSlot::Small2,
    IconSlot::Large4, IconSlot::Small4, IconSlot::Large8, IconSlot::Small8,
};

struct IconSlotInfo
{
    const char *key;       // in the project file's "Icons" section: "Large1"
    const char *fileName;  // written into the output folder: "large1.bmp"
    const char *directive; // "@licon1"
    const char *caption;   // the slot's label: "1 bit large"
    int width;
    int height;
    int depth; // bits per pixel
};

const IconSlotInfo &iconSlotInfo(IconSlot slot);

// The title of the dialog that picks the slot's bitmap: "Open 1 bit large
// icon".
QString iconOpenTitle(IconSlot slot);

} // namespace zf

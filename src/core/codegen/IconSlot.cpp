#include "core/codegen/IconSlot.h"

namespace zf {

namespace {

constexpr std::array<IconSlotInfo, kIconSlotCount> kInfo = {{
    {"Large1", "large1.bmp", "@licon1", "1 bit large", 32, 32, 1},
    {"Small1", "small1.bmp", "@sicon1", "1 bit small", 15, 9, 1},
    {"Large2", "large2.bmp", "@licon2", "2 bit large", 32, 32, 2},
    {"Small2", "small2.bmp", "@sicon2", "2 bit small", 15, 9, 2},
    {"Large4", "large4.bmp", "@licon4", "4 bit large", 32, 32, 4},
    {"Small4", "small4.bmp", "@sicon4", "4 bit small", 15, 9, 4},
    {"Large8", "large8.bmp", "@licon8", "8 bit large", 32, 32, 8},
    {"Small8", "small8.bmp", "@sicon8", "8 bit small", 15, 9, 8},
}};

} // namespace

const IconSlotInfo &iconSlotInfo(IconSlot slot)
{
    return kInfo[size_t(slot)];
}

QString iconOpenTitle(IconSlot slot)
{
    return QStringLiteral("Open ") + QLatin1String(iconSlotInfo(slot).caption) +
           QStringLiteral(" icon");
}

} // namespace zf

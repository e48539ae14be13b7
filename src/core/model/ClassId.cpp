#include "core/model/ClassId.h"

#include <array>
#include <utility>

namespace zf {

namespace {

constexpr std::array kClassNames = {
    std::pair{ClassId::TCCButton, "TCCButton"},       std::pair{ClassId::TCCLabel, "TCCLabel"},
    std::pair{ClassId::TCCCheckbox, "TCCCheckbox"},   std::pair{ClassId::TCCSwitch, "TCCSwitch"},
    std::pair{ClassId::TCCEdit, "TCCEdit"},           std::pair{ClassId::TCCListBox, "TCCListBox"},
    std::pair{ClassId::TCCRadio, "TCCRadio"},         std::pair{ClassId::TCCDropDown, "TCCDropDown"},
    std::pair{ClassId::TCCPopUp, "TCCPopUp"},         std::pair{ClassId::TCCTable, "TCCTable"},
    std::pair{ClassId::TCCBitmap, "TCCBitmap"},       std::pair{ClassId::TCCMenu, "TCCMenu"},
    std::pair{ClassId::TCCMenuBar, "TCCMenuBar"},     std::pair{ClassId::TCCForm, "TCCForm"},
    std::pair{ClassId::TPTDialog, "TPTDialog"},       std::pair{ClassId::TPTButton, "TPTButton"},
    std::pair{ClassId::TPTLabel, "TPTLabel"},         std::pair{ClassId::TPTCheckbox, "TPTCheckbox"},
    std::pair{ClassId::TPTEdit, "TPTEdit"},           std::pair{ClassId::TPTList, "TPTList"},
    std::pair{ClassId::TPTPopTrigger, "TPTPopTrigger"}, std::pair{ClassId::TPTGsi, "TPTGsi"},
};

} // namespace

QString className(ClassId id)
{
    for (const auto &[c, name] : kClassNames) {
        if (c == id)
            return QLatin1String(name);
    }
    return {};
}

bool classIdFromName(const QString &name, ClassId *id)
{
    for (const auto &[c, n] : kClassNames) {
        if (name == QLatin1String(n)) {
            *id = c;
            return true;
        }
    }
    return false;
}

} // namespace zf

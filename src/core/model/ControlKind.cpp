#include "core/model/ControlKind.h"

#include <array>
#include <utility>

namespace zf {

namespace {

constexpr std::array kKindWords = {
    std::pair{ControlKind::Button, "Button"},     std::pair{ControlKind::Label, "Label"},
    std::pair{ControlKind::CheckBox, "CheckBox"}, std::pair{ControlKind::Radio, "Radio"},
    std::pair{ControlKind::Dialog, "Dialog"},     std::pair{ControlKind::Switch, "Switch"},
    std::pair{ControlKind::Edit, "Edit"},         std::pair{ControlKind::EditLine, "EditLine"},
    std::pair{ControlKind::ListBox, "ListBox"},   std::pair{ControlKind::DropDown, "DropDown"},
    std::pair{ControlKind::PopUp, "PopUp"},       std::pair{ControlKind::Table, "Table"},
    std::pair{ControlKind::Image, "Image"},       std::pair{ControlKind::Menu, "Menu"},
    std::pair{ControlKind::MenuBar, "MenuBar"},   std::pair{ControlKind::Select, "Select"},
    std::pair{ControlKind::Push, "Push"},         std::pair{ControlKind::List, "List"},
    std::pair{ControlKind::PopTrigger, "PopTrigger"}, std::pair{ControlKind::Field, "Field"},
    std::pair{ControlKind::Gsi, "GSI"},           std::pair{ControlKind::Bitmap, "Bitmap"},
};

} // namespace

QString kindWord(ControlKind kind)
{
    for (const auto &[k, word] : kKindWords) {
        if (k == kind)
            return QLatin1String(word);
    }
    return {};
}

std::optional<ControlKind> kindFromWord(const QString &word)
{
    for (const auto &[k, w] : kKindWords) {
        if (word == QLatin1String(w))
            return k;
    }
    return std::nullopt;
}

} // namespace zf

#pragma once

#include <QString>

#include <vector>

namespace zf {

// One row of the property sheet: the property's name and its value as text.
struct PropertyRow
{
    QString name;
    QString value;

    bool operator==(const PropertyRow &) const = default;
};
using PropertyRows = std::vector<PropertyRow>;

// The editor an object's "Items" row opens.
enum class ItemsEditor {
    None,
    Items, // a plain list of lines
    Table, // columns with alignment and width, rows of cells
};

} // namespace zf

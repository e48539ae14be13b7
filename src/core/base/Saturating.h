#pragma once

#include <QtGlobal>

#include <algorithm>
#include <limits>

namespace zf {

// Geometry values come from files and from typing, and are stored as given,
// however large. Everything derived from them is computed in 64 bits and
// brought back into range, so no value can overflow.
constexpr int saturate(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

// `value` / `divisor` (positive) rounded down rather than toward zero. A
// count of rows taken from a height this way gives that height back through
// rows x divisor + a remainder below divisor, negative heights included, so a
// height a drag made negative keeps its row count through a file.
constexpr int floorDivide(int value, int divisor)
{
    const int quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

} // namespace zf

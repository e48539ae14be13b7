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

} // namespace zf

#pragma once

#include "core/model/KindSpec.h"

namespace zf {

// The kinds both libraries place with the same class under the same word:
// what they are, how they are named and made and how they draw. Each library
// completes them with its own record, rows and placing.
KindSpec radioKind();
KindSpec dialogKind();

} // namespace zf

#pragma once

namespace zf {

// Makes both control libraries known to the model, so that every
// per-library operation finds the support of the library in force. Every
// program that works on forms calls it once at its start; calling it again
// does nothing.
void installLibraries();

} // namespace zf

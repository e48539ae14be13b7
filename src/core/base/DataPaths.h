#pragma once

#include <QString>

namespace zf {

// The read-only data folder (fonts, help pages, examples). A build tree and an
// installation share one layout: executables in bin/, data in
// share/zentiform/ beside it. ZENTIFORM_DATA_DIR overrides the lookup.
QString dataDirectory();

// Sub-folder of the data folder, e.g. "fonts" or "help".
QString dataPath(const QString &relative);

} // namespace zf

#include "FuzzSupport.h"

#include "core/base/DataPaths.h"
#include "core/canvas/PalmFonts.h"
#include "core/libraries/Libraries.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace zf::fuzz {

void initialize(int *argc, char ***argv)
{
    // Never destroyed: libFuzzer leaves through exit().
    static auto *app = new QCoreApplication(*argc, *argv);
    Q_UNUSED(app);
    zf::installLibraries();
    loadPalmFonts(dataPath(QStringLiteral("fonts")));
}

void fail(const char *what, const QByteArray &detail)
{
    std::fprintf(stderr, "invariant broken: %s\n%s\n", what, detail.constData());
    std::abort();
}

} // namespace zf::fuzz

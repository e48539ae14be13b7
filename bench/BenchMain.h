#pragma once

#include "core/libraries/Libraries.h"

#include <benchmark/benchmark.h>

namespace zf::bench {

// Every benchmark program's main after its application object: the two
// libraries installed, then the benchmarks the command line selects.
inline int runBenchmarks(int argc, char **argv)
{
    installLibraries();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace zf::bench

// The end of a benchmark program's main: the benchmarks named on its command line run.
#pragma once

#include <benchmark/benchmark.h>

inline void RunBenchmarks(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

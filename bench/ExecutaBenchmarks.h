#pragma once

#include <benchmark/benchmark.h>

// The main of a benchmark program that creates its own Qt application first.
inline int ExecutaBenchmarks(int& argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

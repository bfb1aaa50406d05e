#pragma once
// What every benchmark program's main does once its QApplication exists:
// hand the command line to Google Benchmark and run what it selects.
#include <benchmark/benchmark.h>

inline int RunBenchmarks(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

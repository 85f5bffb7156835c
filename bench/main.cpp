#include "memory.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

int main(int argc, char** argv)
{
    // Started only to run and measure another program: nothing else is loaded.
    if (const int code = bench::runMeasuredFromArguments(argc, argv); code >= 0)
        return code;
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (const int code = bench::runScenarioFromArguments(argc, argv); code >= 0)
        return code;
    // The minutes-long benchmarks run only when a filter names them.
    std::vector<char*> args(argv, argv + argc);
    char skipLong[] = "--benchmark_filter=-Million";
    if (std::none_of(args.begin(), args.end(),
                     [](const char* a) { return std::strncmp(a, "--benchmark_filter", 18) == 0; }))
        args.push_back(skipLong);
    argc = int(args.size());
    args.push_back(nullptr);
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "memory.h"

#include <QApplication>
#include <benchmark/benchmark.h>

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
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace benchmark {
class State;
}

// Memory figures read from the process itself (Linux: /proc/self/status and the allocator).
namespace bench {

// Resident memory now (VmRSS) and the peak since the process started or the peak was last
// restarted (VmHWM), in bytes; -1 where the system does not tell.
qint64 residentNow();
qint64 residentPeak();
// Heap bytes handed out by the allocator and not yet freed; -1 where it does not tell.
qint64 heapInUse();

// The peak resident memory over stretches of a benchmark. Each stretch starts with freed heap
// handed back to the system and the kernel's peak restarted, so earlier benchmarks do not
// count; report() adds the counters "peak_MiB" (highest peak of the process over the
// stretches) and "added_MiB" (highest rise of a stretch above where it started).
class PeakMemory {
public:
    void start();
    void stop();
    void report(benchmark::State& state) const;

private:
    qint64 m_start = -1;
    qint64 m_peak = -1;
    qint64 m_added = -1;
};

// A scenario runs alone in a fresh copy of this program, so that its peak is its own and not
// that of the benchmarks run before it. Register at namespace scope:
//     const bool registered = bench::addScenario("name", [] { ... });
bool addScenario(const QString& name, std::function<void()> body);
// The whole peak resident memory (bytes) of a fresh process that ran the scenario; -1 when
// it failed.
qint64 scenarioPeak(const QString& name);

// Runs another program to its end; its exit code, its peak resident memory in bytes and the CPU
// time it took (-1 when it could not be run or measured). The program is started by a bare copy
// of this one, whose own 16 MiB or so are the smallest peak this can show.
struct MeasuredRun {
    int exitCode = -1;
    qint64 peakBytes = -1;
    double cpuSeconds = -1; // user and system time of the program
};
MeasuredRun runMeasured(const QString& program, const QStringList& arguments);

// For main(): a process started by scenarioPeak or runMeasured does that one job and ends.
// Before QApplication: returns the exit code when this process was started to run another
// program, else -1.
int runMeasuredFromArguments(int argc, char** argv);
// After QApplication: returns the exit code when this process was started for a scenario,
// else -1.
int runScenarioFromArguments(int argc, char** argv);
// True in a process started for a scenario (it then reuses the databases already written).
bool inScenario();

constexpr double MiB = 1024.0 * 1024.0;

} // namespace bench

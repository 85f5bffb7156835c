#include "memory.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

#if defined(Q_OS_LINUX)
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace bench {

namespace {
const char ScenarioFlag[] = "--kursan-scenario=";
const char MeasureFlag[] = "--kursan-measure";
bool g_inScenario = false;

QMap<QString, std::function<void()>>& scenarios()
{
    static QMap<QString, std::function<void()>> all;
    return all;
}

// A "Vm…:  1234 kB" line of /proc/self/status, in bytes.
qint64 statusValue(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray wanted = QByteArray(key) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(wanted))
            return line.mid(wanted.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
    return -1;
}

// The "peak_bytes=N" line a measuring child prints last.
qint64 reportedPeak(const QByteArray& output, int* exitCode = nullptr, double* cpuSeconds = nullptr)
{
    static const QRegularExpression line(
        QStringLiteral("peak_bytes=(-?\\d+) exit=(-?\\d+) cpu_us=(-?\\d+)"));
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(output));
    if (!m.hasMatch())
        return -1;
    if (exitCode)
        *exitCode = m.captured(2).toInt();
    if (cpuSeconds)
        *cpuSeconds = m.captured(3).toLongLong() / 1e6;
    return m.captured(1).toLongLong();
}

void printPeak(qint64 bytes, int exitCode, qint64 cpuMicroseconds = -1)
{
    std::printf("peak_bytes=%lld exit=%d cpu_us=%lld\n", static_cast<long long>(bytes), exitCode,
                static_cast<long long>(cpuMicroseconds));
    std::fflush(stdout);
}
} // namespace

qint64 residentNow() { return statusValue("VmRSS"); }
qint64 residentPeak() { return statusValue("VmHWM"); }

qint64 heapInUse()
{
#if defined(__GLIBC__)
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd); // small blocks and mapped large ones
#else
    return -1;
#endif
}

void PeakMemory::start()
{
    m_start = -1;
#if defined(__GLIBC__)
    malloc_trim(0); // what earlier work freed must not hide what this stretch takes anew
#endif
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (reset.open(QIODevice::WriteOnly) && reset.write("5") == 1) {
        reset.close();
        m_start = residentNow();
    }
}

void PeakMemory::stop()
{
    if (m_start < 0)
        return;
    const qint64 peak = residentPeak();
    m_peak = std::max(m_peak, peak);
    m_added = std::max(m_added, peak - m_start);
    m_start = -1;
}

void PeakMemory::report(benchmark::State& state) const
{
    if (m_peak < 0)
        return;
    state.counters["peak_MiB"] = double(m_peak) / MiB;
    state.counters["added_MiB"] = double(m_added) / MiB;
}

bool addScenario(const QString& name, std::function<void()> body)
{
    scenarios().insert(name, std::move(body));
    return true;
}

qint64 scenarioPeak(const QString& name)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(ScenarioFlag) + name});
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        return -1;
    return reportedPeak(child.readAllStandardOutput());
}

MeasuredRun runMeasured(const QString& program, const QStringList& arguments)
{
    // The kernel's account of a child's peak starts from the memory of the process that
    // spawned it, so a small copy of this program, started afresh, spawns and waits for it.
    QProcess launcher;
    launcher.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    launcher.start(QCoreApplication::applicationFilePath(),
                   QStringList{QLatin1String(MeasureFlag), program} + arguments);
    MeasuredRun run;
    if (!launcher.waitForFinished(-1) || launcher.exitStatus() != QProcess::NormalExit)
        return run;
    run.peakBytes = reportedPeak(launcher.readAllStandardOutput(), &run.exitCode, &run.cpuSeconds);
    return run;
}

int runMeasuredFromArguments(int argc, char** argv)
{
    if (argc < 3 || std::strcmp(argv[1], MeasureFlag) != 0)
        return -1;
#if defined(Q_OS_LINUX)
    // The program's own output goes to standard error: standard output carries the figures.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, 2, 1);
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, argv[2], &actions, nullptr, argv + 2, environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    struct rusage usage {};
    if (failed || wait4(pid, &status, 0, &usage) != pid) {
        printPeak(-1, -1);
        return 1;
    }
    const auto micros = [](const timeval& t) { return qint64(t.tv_sec) * 1000000 + t.tv_usec; };
    printPeak(qint64(usage.ru_maxrss) * 1024, WIFEXITED(status) ? WEXITSTATUS(status) : -1,
              micros(usage.ru_utime) + micros(usage.ru_stime));
#else
    printPeak(-1, -1);
#endif
    return 0;
}

int runScenarioFromArguments(int argc, char** argv)
{
    if (argc < 2 || std::strncmp(argv[1], ScenarioFlag, std::strlen(ScenarioFlag)) != 0)
        return -1;
    const auto body = scenarios().constFind(
        QString::fromLocal8Bit(argv[1] + std::strlen(ScenarioFlag)));
    if (body == scenarios().constEnd())
        return 2;
    g_inScenario = true;
    (*body)();
    printPeak(residentPeak(), 0);
    return 0;
}

bool inScenario() { return g_inScenario; }

} // namespace bench

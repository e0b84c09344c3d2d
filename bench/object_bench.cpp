// Batch figures: the summary of a 200-room object (each room loaded as the window loads it and
// recalculated), and whole zeltar-cli processes: one `calc` of 1000 projects, one `calc` of a
// single project, and for comparison the bare start of a process that loads the Qt libraries
// (the drawing helper zeltar-pdf, which exits at once without arguments). Figures only.
//
// Besides the wall time each figure has the processor time it took ("cpu_ms": every thread of the
// summary; the child process for the command runs), which a busy shared machine does not inflate:
// the wall time is about that divided by the free cores.
#include "object/object_summary.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

using namespace zeltar;

constexpr int kObjectRooms = 200;
constexpr int kBatchProjects = 1000;
constexpr int kReferenceProjectCount = 24;

// `count` paths cycling over the reference projects p0001..p0024.
std::vector<std::string> ReferencePaths(int count)
{
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        std::string number = std::to_string(i % kReferenceProjectCount + 1);
        number.insert(0, 4 - number.size(), '0');
        paths.push_back(std::string(ZELTAR_BENCH_PROJECTS) + "/p" + number + ".zlt");
    }
    return paths;
}

double Milliseconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

double ProcessCpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Runs a program with its output thrown away and waits for it; throws when it does not start.
// Returns the processor time the program took, in ms.
double RunQuietly(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    std::vector<std::string> copies(args);
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + args[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
}

// Runs the program once per iteration and reports its processor time per run.
void RunEachIteration(benchmark::State& st, const std::vector<std::string>& args)
{
    double cpu = 0;
    for (auto _ : st)
        cpu += RunQuietly(args);
    st.counters["cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

void BM_Summary200Rooms(benchmark::State& st)
{
    const std::vector<std::string> paths = ReferencePaths(kObjectRooms);
    const double cpuBefore = ProcessCpuMilliseconds();
    for (auto _ : st) {
        object::ObjectSummary summary = object::SummarizeFiles(paths, {});
        benchmark::DoNotOptimize(summary);
    }
    st.counters["cpu_ms"] =
        benchmark::Counter(ProcessCpuMilliseconds() - cpuBefore, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Summary200Rooms)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void BM_CliCalc1000ProjectsOneProcess(benchmark::State& st)
{
    std::vector<std::string> args{ZELTAR_BENCH_CLI, "calc"};
    for (const std::string& path : ReferencePaths(kBatchProjects))
        args.push_back(path);
    RunEachIteration(st, args);
}
BENCHMARK(BM_CliCalc1000ProjectsOneProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_CliCalcOneProjectProcess(benchmark::State& st)
{
    RunEachIteration(st, {ZELTAR_BENCH_CLI, "calc", ReferencePaths(5).back()});
}
BENCHMARK(BM_CliCalcOneProjectProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

#ifdef ZELTAR_BENCH_QT_PROCESS
void BM_QtLinkedProcessStart(benchmark::State& st)
{
    RunEachIteration(st, {ZELTAR_BENCH_QT_PROCESS});
}
BENCHMARK(BM_QtLinkedProcessStart)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
#endif

} // namespace

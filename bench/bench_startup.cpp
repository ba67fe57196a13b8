// Start-up of the whole editor process, from spawn to the first painted main window,
// against two yardsticks started and ended the same way: a bare Qt window of the same
// size, and the floor of a Japanese interface (the same window with a menu bar and one
// Japanese label). The runs are interleaved so all see the same load on the machine;
// the medians of time and of peak memory (the child's maximum resident set) are
// reported with the editor's ratios to the Japanese floor, and the median processor
// time of each, which the load of the machine disturbs less than the wall time. The
// time is given to the process's end and, as each program tells it through a pipe, to
// the end of its first paint (`*_paint_ms`, `paint_ratio`). Offscreen always;
// under the X server named by DISPLAY as well when there is one (e.g. xvfb-run).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int PaintFd = 3; // in the child
struct Run {
    double seconds = -1.0;      // negative: did not start or end well
    double paintSeconds = -1.0; // to the end of the first paint, the ending left out
    double cpuSeconds = 0.0;
    double peakMiB = 0.0;
};

double Seconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

Run RunOnce(const char* program, const char* platform)
{
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back(std::string("QT_QPA_PLATFORM=") + platform);
    // The program writes the time its first paint was done into this pipe.
    int clock[2] = {-1, -1};
    if (pipe2(clock, O_CLOEXEC) != 0)
        return Run{};
    env.push_back("KORVANE_FIRST_PAINT_FD=" + std::to_string(PaintFd));
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};

    // The programs' chatter on stderr would bury the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&quiet, clock[1], PaintFd);

    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &quiet, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&quiet);
    close(clock[1]);
    if (spawned != 0) {
        close(clock[0]);
        return run;
    }
    int status = 0;
    rusage usage{};
    const bool ended =
        wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const auto end = std::chrono::steady_clock::now();
    std::int64_t paintNs = 0;
    const bool told = read(clock[0], &paintNs, sizeof paintNs) == sizeof paintNs;
    close(clock[0]);
    if (!ended || !told)
        return run;
    run.seconds = std::chrono::duration<double>(end - start).count();
    const auto startNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    run.paintSeconds = static_cast<double>(paintNs - startNs) / 1e9;
    // Time on the processors counts only the program's own work, whatever else runs.
    run.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    return run;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

void BM_StartupToFirstPaint(benchmark::State& state, const char* platform)
{
    const char* const programs[] = {BARE_WINDOW_PATH, JAPANESE_WINDOW_PATH, KORVANE_PATH};
    std::vector<double> seconds[3], paint[3], cpu[3], peak[3];
    for (auto _ : state) {
        for (int i = 0; i < 3; ++i) {
            const Run run = RunOnce(programs[i], platform);
            if (run.seconds < 0.0) {
                state.SkipWithError("a program did not start and end cleanly");
                return;
            }
            seconds[i].push_back(run.seconds);
            paint[i].push_back(run.paintSeconds);
            cpu[i].push_back(run.cpuSeconds);
            peak[i].push_back(run.peakMiB);
        }
    }
    const double bare = Median(seconds[0]), floor = Median(seconds[1]),
                 korvane = Median(seconds[2]);
    const double floorPeak = Median(peak[1]), korvanePeak = Median(peak[2]);
    state.counters["bare_ms"] = bare * 1000.0;
    state.counters["floor_ms"] = floor * 1000.0;
    state.counters["korvane_ms"] = korvane * 1000.0;
    state.counters["time_ratio"] = korvane / floor;
    // Spawn to the end of the first paint, without the programs' ending.
    state.counters["floor_paint_ms"] = Median(paint[1]) * 1000.0;
    state.counters["korvane_paint_ms"] = Median(paint[2]) * 1000.0;
    state.counters["paint_ratio"] = Median(paint[2]) / Median(paint[1]);
    state.counters["floor_cpu_ms"] = Median(cpu[1]) * 1000.0;
    state.counters["korvane_cpu_ms"] = Median(cpu[2]) * 1000.0;
    state.counters["cpu_ratio"] = Median(cpu[2]) / Median(cpu[1]);
    state.counters["floor_MiB"] = floorPeak;
    state.counters["korvane_MiB"] = korvanePeak;
    state.counters["peak_ratio"] = korvanePeak / floorPeak;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::RegisterBenchmark("BM_StartupToFirstPaint/offscreen", BM_StartupToFirstPaint,
                                 "offscreen")
        ->Unit(benchmark::kMillisecond)
        ->Iterations(15);
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0')
        benchmark::RegisterBenchmark("BM_StartupToFirstPaint/xcb", BM_StartupToFirstPaint, "xcb")
            ->Unit(benchmark::kMillisecond)
            ->Iterations(15);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

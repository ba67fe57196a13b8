// Start-up time of the whole editor process, from spawn to the first painted main window
// (offscreen), against a bare Qt window of the same size started the same way.
// Reports the median of each and their ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// Runs the program to its end; returns the wall time in seconds, or a negative value
// if it could not be started or did not end well.
double RunOnce(const char* program)
{
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
            entry.rfind("KORVANE_QUIT_AFTER_SHOW=", 0) != 0) {
            env.push_back(entry);
        }
    }
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    env.emplace_back("KORVANE_QUIT_AFTER_SHOW=1");
    std::vector<char*> envp;
    for (std::string& entry : env) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};

    // The programs' chatter on stderr would bury the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &quiet, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        return -1.0;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1.0;
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

void StartProcess(benchmark::State& state, const char* program)
{
    for (auto _ : state) {
        const double seconds = RunOnce(program);
        if (seconds < 0.0) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_BareWindowStartup(benchmark::State& state)
{
    StartProcess(state, BARE_WINDOW_PATH);
}
void BM_KorvaneStartup(benchmark::State& state)
{
    StartProcess(state, KORVANE_PATH);
}

// Interleaved runs, so both programs see the same load on the machine.
void BM_StartupRatio(benchmark::State& state)
{
    std::vector<double> bare;
    std::vector<double> korvane;
    for (auto _ : state) {
        const double b = RunOnce(BARE_WINDOW_PATH);
        const double k = RunOnce(KORVANE_PATH);
        if (b < 0.0 || k < 0.0) {
            state.SkipWithError("a program did not start and end cleanly");
            return;
        }
        bare.push_back(b);
        korvane.push_back(k);
    }
    const double bareMedian = Median(bare);
    const double korvaneMedian = Median(korvane);
    state.counters["bare_ms"] = bareMedian * 1000.0;
    state.counters["korvane_ms"] = korvaneMedian * 1000.0;
    state.counters["ratio"] = korvaneMedian / bareMedian;
}

} // namespace

BENCHMARK(BM_BareWindowStartup)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_KorvaneStartup)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_StartupRatio)->Unit(benchmark::kMillisecond)->Iterations(11);

BENCHMARK_MAIN();

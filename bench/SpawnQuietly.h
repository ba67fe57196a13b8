// Runs the program as a user would from a terminal with no display: DISPLAY,
// WAYLAND_DISPLAY and QT_QPA_PLATFORM left out of its environment, standard error (and,
// when asked, standard output) sent to /dev/null. For the benchmarks that time whole runs.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// Whether `program` with `arguments` (argv[0] first) ran and ended with status 0.
inline bool SpawnQuietly(const char* program, std::vector<std::string> arguments,
                         bool quietOutput = false)
{
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (entry.rfind("DISPLAY=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
            entry.rfind("WAYLAND_DISPLAY=", 0) != 0)
            env.push_back(entry);
    }
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    if (quietOutput)
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = 0;
    const bool ran = posix_spawn(&pid, program, &quiet, nullptr, argv.data(), envp.data()) == 0 &&
                     waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
                     WEXITSTATUS(status) == 0;
    posix_spawn_file_actions_destroy(&quiet);
    return ran;
}

// Each iteration's time is one whole run of `program`; `beforeEach`, untimed, readies its
// files. A run that fails stops the benchmark with `failure`.
inline void TimeRuns(benchmark::State& state, const char* program,
                     const std::vector<std::string>& arguments, bool quietOutput,
                     const char* failure, const std::function<void()>& beforeEach = {})
{
    for (auto _ : state) {
        if (beforeEach)
            beforeEach();
        const auto start = std::chrono::steady_clock::now();
        if (!SpawnQuietly(program, arguments, quietOutput)) {
            state.SkipWithError(failure);
            break;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

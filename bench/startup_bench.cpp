// Start-up as the user waits for it: from starting qv2leved on the sample archive to its first
// painted room, as a whole process on Qt's offscreen platform. Its floor is bench/floor_window, a
// Qt Widgets program that shows a main window with the editor's menu titles, a tool bar with a
// text field and a status-bar message. The editor prints "painted" after its first painted room
// when QV2LEVED_QUIT_AFTER_ROOM_PAINT is set, the floor after its first paint; each is timed from
// its start to that line, and the ends that follow are not timed. qv2lev's `list` is timed as a
// whole process to its end, beside bench/floor_core, a Qt Core program that prints one line.
#include "bench_levels.h"
#include "budget_report.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using namespace qv2bench;

constexpr int kTimeoutMs = 60000;

// The environment of this process with the offscreen platform, the editor's quit switch and a
// settings folder of the benchmark's own, so that the runs stay out of the user's recent levels.
std::vector<std::string> ChildEnvironment(const std::string &settingsFolder) {
    std::vector<std::string> variables{"QT_QPA_PLATFORM=offscreen",
                                       "QV2LEVED_QUIT_AFTER_ROOM_PAINT=1",
                                       "XDG_CONFIG_HOME=" + settingsFolder};
    for (char **variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("XDG_CONFIG_HOME=", 0) != 0)
            variables.push_back(entry);
    }
    return variables;
}

// Where the clock stops: at the first line the program prints, or at its end.
enum class Until { FirstLine, End };

// Runs the program to its end with its errors discarded and gives the time from its start to
// `until`; an error text, empty on success.
std::string RunProgram(const std::vector<std::string> &arguments,
                       const std::vector<std::string> &environment, Until until, double &seconds) {
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (const std::string &variable : environment)
        envp.push_back(const_cast<char *>(variable.c_str()));
    envp.push_back(nullptr);

    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        return "cannot make a pipe";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (spawned != 0) {
        close(output[0]);
        return "cannot start " + arguments[0];
    }

    // A program that never paints (a message box waiting for an answer) is ended, not waited for.
    pollfd ready{output[0], POLLIN, 0};
    char buffer[4096];
    const bool printed = poll(&ready, 1, kTimeoutMs) == 1 && read(output[0], buffer, 1) == 1;
    const auto stop = [&] {
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    if (until == Until::FirstLine)
        stop();
    else
        while (printed && poll(&ready, 1, kTimeoutMs) == 1 && read(output[0], buffer, 4096) > 0) {
        }
    close(output[0]);
    if (!printed)
        kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (until == Until::End)
        stop();
    if (!printed || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return arguments[0] + " did not print and end by itself (run it by hand to see why)";
    return {};
}

void RegisterProgram(const char *name, const std::vector<std::string> &arguments,
                     const std::vector<std::string> &environment, Until until) {
    benchmark::RegisterBenchmark(name,
                                 [=](benchmark::State &state) {
                                     for (auto _ : state) {
                                         double seconds = 0;
                                         if (const std::string error =
                                                 RunProgram(arguments, environment, until, seconds);
                                             !error.empty()) {
                                             state.SkipWithError(error.c_str());
                                             break;
                                         }
                                         state.SetIterationTime(seconds);
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime();
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv); // for the program folder
    const BenchOptions options = ParseBenchOptions(argc, argv);
    const std::string programDir = ProgramDir().toStdString();
    const QTemporaryDir settingsFolder;
    const std::vector<std::string> environment =
        ChildEnvironment(settingsFolder.path().toStdString());
    RegisterProgram("Startup/floor_window", {programDir + "bench/floor_window"}, environment,
                    Until::FirstLine);
    RegisterProgram("Startup/qv2leved", {programDir + "qv2leved", programDir + "qasvar.dat"},
                    environment, Until::FirstLine);
    RegisterProgram("Startup/floor_core", {programDir + "bench/floor_core"}, environment,
                    Until::End);
    RegisterProgram("Startup/qv2lev_list",
                    {programDir + "qv2lev", "list", programDir + "qasvar.dat"}, environment,
                    Until::End);
    return RunAndJudge({{"Startup/qv2leved", "Startup/floor_window", 1.5},
                        {"Startup/qv2lev_list", "Startup/floor_core", 1.3}},
                       options);
}

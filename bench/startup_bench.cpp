// Start-up as the user waits for it: from starting qv2leved on the sample archive to its first
// painted room, as a whole process on Qt's offscreen platform. Its floor is bench/empty_window, a
// Qt Widgets program that shows an empty main window and quits after its first paint. The editor
// quits after its first painted room when QV2LEVED_QUIT_AFTER_ROOM_PAINT is set; both exits are
// timed too, as they belong to every run of a program.
#include "bench_levels.h"
#include "budget_report.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/syscall.h>
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

// Runs the program to its end with its output discarded; an error text, empty on success.
std::string RunProgram(const std::vector<std::string> &arguments,
                       const std::vector<std::string> &environment) {
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (const std::string &variable : environment)
        envp.push_back(const_cast<char *>(variable.c_str()));
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return "cannot start " + arguments[0];

    // A program that never paints (a message box waiting for an answer) is ended, not waited for.
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd >= 0) {
        pollfd ready{pidfd, POLLIN, 0};
        if (poll(&ready, 1, kTimeoutMs) == 0)
            kill(pid, SIGKILL);
        close(pidfd);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return arguments[0] +
               " did not end by itself after its first paint (run it by hand to see why)";
    return {};
}

void RegisterProgram(const char *name, const std::vector<std::string> &arguments,
                     const std::vector<std::string> &environment) {
    benchmark::RegisterBenchmark(
        name,
        [=](benchmark::State &state) {
            for (auto _ : state) {
                if (const std::string error = RunProgram(arguments, environment); !error.empty()) {
                    state.SkipWithError(error.c_str());
                    break;
                }
            }
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv); // for the program folder
    const BenchOptions options = ParseBenchOptions(argc, argv);
    const std::string programDir = ProgramDir().toStdString();
    const QTemporaryDir settingsFolder;
    const std::vector<std::string> environment =
        ChildEnvironment(settingsFolder.path().toStdString());
    RegisterProgram("Startup/empty_window", {programDir + "bench/empty_window"}, environment);
    RegisterProgram("Startup/qv2leved", {programDir + "qv2leved", programDir + "qasvar.dat"},
                    environment);
    return RunAndJudge({{"Startup/qv2leved", "Startup/empty_window", 2.0}}, options);
}

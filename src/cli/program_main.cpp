#include "cli/program_main.h"

#include "cli/command_line.h"
#include "cli/command_output.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

namespace qv2 {

namespace {

// Hands the whole line to the drawing program in this program's own folder; returns only when it
// cannot be started.
int RunDrawingProgram(char **argv, std::ostream &err) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string program = (self.parent_path() / kDrawingProgramName).string();
    if (!error) {
        argv[0] = const_cast<char *>(program.c_str());
        ::execv(program.c_str(), argv);
        error.assign(errno, std::generic_category());
    }
    err << "qv2lev: cannot start " << program << ": " << error.message() << '\n';
    return kExitFailed;
}

} // namespace

int RunProgramLine(int argc, char **argv, std::span<const CommandEntry> commands) {
    const ProgramLine line(CommandArgs(argv + 1, argv + argc), QV2_VERSION, std::cout, std::cerr);
    if (line.finished())
        return *line.finished();
    const auto command =
        std::find_if(commands.begin(), commands.end(), [&](const CommandEntry &candidate) {
            return candidate.name == line.command();
        });
    if (command == commands.end())
        return RefuseProgramUsage(line.command() + " is run by qv2lev, not by this program",
                                  std::cerr);
    if (!command->run)
        return RunDrawingProgram(argv, std::cerr);
    return FinishStandardOutput(command->run(line.commandArgs(), std::cout, std::cerr), std::cerr);
}

} // namespace qv2

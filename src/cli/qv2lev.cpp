// qv2lev: the level archive on the command line, without a window.
#include "cli/archive_commands.h"
#include "cli/check_command.h"
#include "cli/command_line.h"
#include "cli/command_output.h"
#include "cli/dump_commands.h"
#include "cli/overview_command.h"
#include "cli/render_command.h"

#include <algorithm>
#include <iostream>
#include <string_view>

namespace {

struct Command {
    std::string_view name;
    qv2::CommandFunction run;
};

// The function of each command of the syntax table; a new command is one more row there and here.
constexpr Command kCommands[] = {
    {"list", qv2::ListLevels},   {"extract", qv2::ExtractLevel}, {"insert", qv2::InsertLevel},
    {"render", qv2::RenderRoom}, {"check", qv2::CheckLevel},     {"overview", qv2::WriteOverview},
    {"dump", qv2::DumpLevel},    {"undump", qv2::UndumpLevel},   {"help", qv2::ShowHelp},
};

} // namespace

int main(int argc, char **argv) {
    const qv2::ProgramLine line(qv2::CommandArgs(argv + 1, argv + argc), QV2_VERSION, std::cout,
                                std::cerr);
    if (line.finished())
        return *line.finished();
    const auto command =
        std::find_if(std::begin(kCommands), std::end(kCommands),
                     [&](const Command &candidate) { return candidate.name == line.command(); });
    return qv2::FinishStandardOutput(command->run(line.commandArgs(), std::cout, std::cerr),
                                     std::cerr);
}

// qv2lev: the level archive on the command line, without a window.
#include "cli/archive_commands.h"
#include "cli/check_command.h"
#include "cli/overview_command.h"
#include "cli/render_command.h"

#include <iostream>
#include <string_view>

namespace {

struct Command {
    std::string_view name;
    std::string_view usage;
    qv2::CommandFunction run;
};

// One row per command; a new command is one more row and its own file.
constexpr Command kCommands[] = {
    {"list", "list ARCHIVE", qv2::ListLevels},
    {"extract", "extract ARCHIVE ID FILE", qv2::ExtractLevel},
    {"insert", "insert ARCHIVE ID FILE", qv2::InsertLevel},
    {"render", "render ARCHIVE ID ROOM FILE.png [--program-dir DIR]", qv2::RenderRoom},
    {"check", "check ARCHIVE ID [--program-dir DIR] [--rules FILE]", qv2::CheckLevel},
    {"overview", "overview ARCHIVE ID FILE.png [--program-dir DIR]", qv2::WriteOverview},
};

int Usage()
{
    std::cerr << "usage:\n";
    for (const Command &command : kCommands)
        std::cerr << "  qv2lev " << command.usage << '\n';
    return qv2::kExitFailed;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return Usage();
    for (const Command &command : kCommands) {
        if (command.name == argv[1])
            return command.run(qv2::CommandArgs(argv + 2, argv + argc), std::cout, std::cerr);
    }
    std::cerr << "qv2lev: unknown command \"" << argv[1] << "\"\n";
    return Usage();
}

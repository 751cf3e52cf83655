// qv2lev: the level archive on the command line, without a window.
#include "cli/archive_commands.h"
#include "cli/check_command.h"
#include "cli/dump_commands.h"
#include "cli/overview_command.h"
#include "cli/render_command.h"

#include <algorithm>
#include <iostream>
#include <string_view>

namespace {

struct Command {
    std::string_view name;
    std::string_view usage;
    std::string_view summary;
    qv2::CommandFunction run;
};

// One row per command; a new command is one more row and its own file.
constexpr Command kCommands[] = {
    {"list", "list ARCHIVE", "One line per level of the archive: ID OFFSET SIZE ok|bad.",
     qv2::ListLevels},
    {"extract", "extract ARCHIVE ID FILE",
     "Writes the bytes of level ID, without the checksum byte, into FILE.", qv2::ExtractLevel},
    {"insert", "insert ARCHIVE ID FILE",
     "Saves the bytes of FILE into slot ID as the editor's Save does.", qv2::InsertLevel},
    {"render", "render ARCHIVE ID ROOM FILE.png [--program-dir DIR]",
     "Draws room ROOM (1..32) of level ID as the editor shows it.", qv2::RenderRoom},
    {"check", "check ARCHIVE ID [--program-dir DIR] [--rules FILE]",
     "Checks level ID against the rule script; exit status 1 when something was found.",
     qv2::CheckLevel},
    {"overview", "overview ARCHIVE ID FILE.png [--program-dir DIR]",
     "Draws the whole-level map of level ID.", qv2::WriteOverview},
    {"dump", "dump ARCHIVE ID [--json] [--program-dir DIR]",
     "Prints level ID as \"path = value\" lines, or as JSON, with tile kinds named from the "
     "language file.",
     qv2::DumpLevel},
    {"undump", "undump ARCHIVE ID FILE.json [--program-dir DIR]",
     "Saves the level that FILE.json describes (as dump --json writes it) into slot ID as the "
     "editor's Save does; a faulty file leaves the archive unchanged.",
     qv2::UndumpLevel},
};

const Command *FindCommand(std::string_view name) {
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const Command &command) { return command.name == name; });
    return found == std::end(kCommands) ? nullptr : found;
}

void PrintUsage(std::ostream &out) {
    out << "usage: qv2lev COMMAND ARGUMENTS...\n"
           "       qv2lev help [COMMAND] | --help | --version\n\n"
           "commands:\n";
    for (const Command &command : kCommands)
        out << "  qv2lev " << command.usage << '\n';
    out << "\nDIR is the program folder with texts/ and images/ (default: the folder of qv2lev).\n"
           "Exit status 0 on success, 1 when the archive has no level table or no such level,\n"
           "2 for wrong usage or a file that cannot be read, written or is damaged.\n";
}

int Fail(const std::string &why) {
    std::cerr << "qv2lev: " << why << '\n';
    PrintUsage(std::cerr);
    return qv2::kExitFailed;
}

// help, help COMMAND, --help, COMMAND --help
int Help(const std::string_view *name) {
    if (!name) {
        PrintUsage(std::cout);
        return qv2::kExitDone;
    }
    const Command *command = FindCommand(*name);
    if (!command)
        return Fail("unknown command \"" + std::string(*name) + "\"");
    std::cout << "usage: qv2lev " << command->usage << "\n\n" << command->summary << '\n';
    return qv2::kExitDone;
}

} // namespace

int main(int argc, char **argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty())
        return Fail("no command given");
    const std::string_view first = args[0];
    if (first == "help" || first == "--help" || first == "-h")
        return args.size() > 2 ? Fail("help takes one command")
                               : Help(args.size() == 2 ? &args[1] : nullptr);
    if (first == "--version") {
        std::cout << "qv2lev " << QV2_VERSION << '\n';
        return qv2::kExitDone;
    }
    if (first.starts_with('-'))
        return Fail("unknown option \"" + std::string(first) + "\"");
    const Command *command = FindCommand(first);
    if (!command)
        return Fail("unknown command \"" + std::string(first) + "\"");
    if (std::find(args.begin(), args.end(), "--help") != args.end())
        return Help(&first);
    return command->run(qv2::CommandArgs(args.begin() + 1, args.end()), std::cout, std::cerr);
}

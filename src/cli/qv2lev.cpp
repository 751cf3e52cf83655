// qv2lev: the level archive on the command line, without a window. It runs on Qt Core alone; the
// commands that draw run in the drawing program beside it.
#include "cli/archive_commands.h"
#include "cli/check_command.h"
#include "cli/command_line.h"
#include "cli/dump_commands.h"
#include "cli/program_main.h"

namespace {

// The function of each command of the syntax table; a new command is one more row there and here.
constexpr qv2::CommandEntry kCommands[] = {
    {"list", qv2::ListLevels}, {"extract", qv2::ExtractLevel}, {"insert", qv2::InsertLevel},
    {"render", nullptr},       {"check", qv2::CheckLevel},     {"overview", nullptr},
    {"dump", qv2::DumpLevel},  {"undump", qv2::UndumpLevel},   {"help", qv2::ShowHelp},
};

} // namespace

int main(int argc, char **argv) {
    return qv2::RunProgramLine(argc, argv, kCommands);
}

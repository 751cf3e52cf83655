#pragma once

#include "cli/cli_command.h"

#include <span>
#include <string_view>

// What qv2lev and its drawing program share: reading the program's line and running its command.
namespace qv2 {

// The drawing program beside qv2lev runs the commands that draw: they need Qt's GUI library, which
// the others never load.
inline constexpr char kDrawingProgramName[] = "qv2lev-draw";

struct CommandEntry {
    std::string_view name;
    CommandFunction run; // nullptr: the drawing program runs the command
};

// Reads the line as qv2lev does (help, version, usage) and runs its command from `commands`.
int RunProgramLine(int argc, char **argv, std::span<const CommandEntry> commands);

} // namespace qv2

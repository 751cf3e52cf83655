#pragma once

#include "cli/cli_command.h"

// The whole-level overview on the command line, drawn as the editor's overview window shows it.
namespace qv2 {

// overview ARCHIVE ID FILE.png [--program-dir DIR]: writes the 1024 x 640 map picture of level ID.
int WriteOverview(const CommandArgs &args, std::ostream &out, std::ostream &err);

} // namespace qv2

#pragma once

#include "cli/cli_command.h"

// The room picture on the command line, composed by the same painter as the editor's room view.
namespace qv2 {

// render ARCHIVE ID ROOM FILE.png [--program-dir DIR]: writes the 608 x 488 picture of room ROOM
// (1..32) of level ID with row 0, column 0 selected, using DIR's texts/back<type>.ini and images/
// (by default the folder of qv2lev).
int RenderRoom(const CommandArgs &args, std::ostream &out, std::ostream &err);

} // namespace qv2

#pragma once

#include "cli/cli_command.h"

// The check command: the rule script run on the command line, on the same rule engine and texts as
// the editor's.
namespace qv2 {

// check ARCHIVE (ID | --all) [--program-dir DIR] [--rules FILE]: prints every line of the check's
// result list of level ID, or of every level with each line after "ID: ", in the language named by
// DIR's texts/Qv2LevEd.ini (DIR defaults to the folder of qv2lev), with the script FILE (default
// DIR/texts/errors.txt). Exit status 0 when nothing was found, 1 with reports, 2 for wrong usage, a
// level that does not open (with --all: a damaged archive, of which nothing is checked), or a
// script that cannot be read or is invalid.
int CheckLevel(const CommandArgs &args, std::ostream &out, std::ostream &err);

} // namespace qv2

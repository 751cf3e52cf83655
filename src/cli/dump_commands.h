#pragma once

#include "cli/cli_command.h"

// Levels as text on the command line: a dump to read, diff and script, and the way back.
namespace qv2 {

// dump ARCHIVE ID [--json] [--program-dir DIR]: prints level ID as "path = value" lines, or with
// --json as a JSON object. Tile kinds are named from the tile list of the language that DIR's
// texts/Qv2LevEd.ini names (DIR defaults to the folder of qv2lev).
int DumpLevel(const CommandArgs &args, std::ostream &out, std::ostream &err);

// undump ARCHIVE ID FILE.json [--program-dir DIR]: saves the level that FILE describes into slot ID
// as the editor's Save does. A file that is not such a JSON is reported with the field at fault,
// and the archive is left as it was.
int UndumpLevel(const CommandArgs &args, std::ostream &out, std::ostream &err);

} // namespace qv2

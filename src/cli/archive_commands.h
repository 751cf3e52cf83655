#pragma once

#include "cli/cli_command.h"

// The archive commands of qv2lev, on the same archive code as the editor's Open and Save.
namespace qv2 {

// list ARCHIVE: one line "ID OFFSET SIZE CHECK" per level table entry, in table order.
int ListLevels(const CommandArgs &args, std::ostream &out, std::ostream &err);

// extract ARCHIVE ID FILE: writes the level bytes (without the checksum byte) into FILE.
int ExtractLevel(const CommandArgs &args, std::ostream &out, std::ostream &err);

// insert ARCHIVE ID FILE: saves FILE's bytes into slot ID as the editor's Save does.
int InsertLevel(const CommandArgs &args, std::ostream &out, std::ostream &err);

} // namespace qv2

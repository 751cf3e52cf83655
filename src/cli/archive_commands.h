#pragma once

#include "cli/cli_command.h"
#include "level/archive_file.h"

#include <cstdint>
#include <string>

// The archive commands of qv2lev, on the same archive code as the editor's Open and Save.
namespace qv2 {

// list ARCHIVE: one line "ID OFFSET SIZE CHECK" per level table entry, in table order.
int ListLevels(const CommandArgs &args, std::ostream &out, std::ostream &err);

// extract ARCHIVE ID FILE: writes the level bytes (without the checksum byte) into FILE; "-" is
// standard output, and a pipe or device is written to, never replaced.
int ExtractLevel(const CommandArgs &args, std::ostream &out, std::ostream &err);

// insert ARCHIVE ID FILE: saves FILE's bytes ("-": standard input) into slot ID as the editor's
// Save does. An empty file or one longer than the slot is refused; a shorter one is written with a
// warning when it is shorter than a full level.
int InsertLevel(const CommandArgs &args, std::ostream &out, std::ostream &err);

// Tells on `err` what an open or save of level `id` in `archive` came to, in the words all commands
// use, and gives the exit status: 0 when it opened (a bad checksum is only a warning) or saved.
int ReportArchiveOutcome(const ArchiveResult &result, const std::string &archive, std::uint16_t id,
                         std::ostream &err);

} // namespace qv2

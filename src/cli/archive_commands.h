#pragma once

#include "cli/cli_command.h"
#include "level/archive_file.h"

#include <cstdint>
#include <string>
#include <vector>

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

enum class LevelFileKind {
    Raw,    // the level's bytes as they are
    Layout, // the full layout and "rest", where a slot shorter than the layout reads as zeros
};

// Saves the level `bytes` read from `file` into slot `id` of `archive` as the editor's Save does:
// refused, with the archive unchanged, when they are longer than the slot; a warning when they are
// shorter than a full level. Zeros beyond a slot shorter than a full layout are what a dump of that
// slot shows, not part of the level. Tells on `err` what went wrong; gives the exit status.
int SaveLevelFile(const std::string &archive, std::uint16_t id, Bytes bytes,
                  const std::string &file, std::ostream &err,
                  LevelFileKind kind = LevelFileKind::Raw);

// Opens level `id` of the archive into `level`, telling on `err` what went wrong; gives the exit
// status, 0 when it opened (a bad checksum is only a warning).
int OpenLevelForCommand(const std::string &archive, std::uint16_t id, LevelStore &level,
                        std::ostream &err);

// Reads the archive and every level of its table in table order. When the archive cannot be read
// or has no level table, tells so on `err` and gives the exit status; `tableDamaged` is set when
// the table itself runs past the end of the archive.
int ReadEveryLevel(const std::string &archive, std::vector<ListedLevel> &levels, bool &tableDamaged,
                   std::ostream &err);

// Tells on `err` what an open or save of level `id` in `archive` came to, in the words all commands
// use, and gives the exit status: 0 when it opened (a bad checksum is only a warning) or saved.
int ReportArchiveOutcome(const ArchiveResult &result, const std::string &archive, std::uint16_t id,
                         std::ostream &err);

} // namespace qv2

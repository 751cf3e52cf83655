#pragma once

#include "level/level_store.h"

#include <cstdint>
#include <string>

// Opening a level from an archive file and saving it back into a slot: the one implementation that
// the editor and the command-line tool share.
namespace qv2 {

enum class ArchiveOutcome {
    Done,        // opened with a good checksum, or saved
    ChecksumBad, // opened, but the checksum byte does not match (the level is loaded anyway)
    CantRead,    // the file could not be read (systemError says why)
    NoIndex,     // no level type in the master index
    NoLevel,     // no entry with that id
    Damaged,     // the archive runs short of what its index or table says
    CantWrite,   // the new archive could not be written (systemError says why); file unchanged
};

struct ArchiveResult {
    ArchiveOutcome outcome = ArchiveOutcome::Done;
    std::string systemError;
    bool opened() const
    {
        return outcome == ArchiveOutcome::Done || outcome == ArchiveOutcome::ChecksumBad;
    }
};

// Reads the file, finds the id and copies its level into `level`. The store is replaced only when
// the result is Done or ChecksumBad; otherwise it is left exactly as it was.
ArchiveResult OpenLevelFromArchive(const std::string &path, std::uint16_t id, LevelStore &level);

// Reads the file, finds the id, patches the level and a fresh checksum byte into the slot and
// replaces the file atomically. On any failure the file is not touched.
ArchiveResult SaveLevelToArchive(const std::string &path, std::uint16_t id, const LevelStore &level);

} // namespace qv2

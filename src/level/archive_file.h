#pragma once

#include "level/archive.h"
#include "level/archive_file_view.h"
#include "level/file_stamp.h"
#include "level/level_store.h"
#include "level/locked_file.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Opening a level from an archive file and saving it back into a slot: the one implementation that
// the editor and the command-line tool share.
namespace qv2 {

enum class ArchiveOutcome {
    Done,        // opened with a good checksum, or saved
    ChecksumBad, // opened, but the checksum byte does not match (the level is loaded anyway)
    CantRead,    // the file could not be read (systemError says why)
    NoIndex,     // no level type in the master index
    NoLevel,     // no entry with that id
    Damaged,     // the archive runs short of what its index or table says, or a level lies on them
    CantWrite,   // the file may not or could not be written (systemError says why); file unchanged
    Busy,        // another program kept saving the archive for longer than the wait
};

struct ArchiveResult {
    ArchiveOutcome outcome = ArchiveOutcome::Done;
    std::string systemError;
    bool opened() const {
        return outcome == ArchiveOutcome::Done || outcome == ArchiveOutcome::ChecksumBad;
    }
};

// A level of the archive's table as list shows it: its entry, how it read and, unless damaged, its
// bytes.
struct ListedLevel {
    ResourceEntry entry;
    ReadStatus read = ReadStatus::Damaged;
    LevelStore level;
};

struct ArchiveListing {
    ArchiveResult result;            // Done, or why there is no table (CantRead, Busy, NoIndex)
    std::vector<ListedLevel> levels; // every entry of the level table, in table order
    bool tableDamaged = false;       // the table itself runs past the end of the archive
};

// One archive open for reading under a shared lock, so that no save changes it meanwhile. It is
// read only where its header, index, tables and the slots asked for are, never whole: opening one
// level costs the same in an archive of a megabyte and of a gigabyte.
class ArchiveReader {
  public:
    explicit ArchiveReader(const std::string &path,
                           std::chrono::milliseconds lockWait = kArchiveLockWait);

    // Finds the id and copies its level into `level`. The store is replaced only when the result
    // is Done or ChecksumBad; otherwise it is left exactly as it was.
    ArchiveResult openLevel(std::uint16_t id, LevelStore &level);

    // Every entry of the level table with how its slot reads.
    ArchiveListing list();

  private:
    // CantRead with the file's error when a read failed, otherwise `result`.
    ArchiveResult unlessUnreadable(ArchiveResult result) const;

    LockedFile m_file;
    std::optional<ArchiveFileView> m_view;
    ArchiveResult m_state;
};

// Opens the file for reading and its level with the id (ArchiveReader::openLevel).
ArchiveResult OpenLevelFromArchive(const std::string &path, std::uint16_t id, LevelStore &level,
                                   std::chrono::milliseconds lockWait = kArchiveLockWait);

// One save into one slot of an archive file. It holds the archive's exclusive lock from the read to
// the end of the write, so two saves at once both land, one after the other, or the later one
// gives up with Busy; none is lost.
//     ArchiveSaver saver(path);          // opens, locks and reads
//     saver.locate(id);                  // Done when the slot is there
//     saver.write(level);                // patches the slot and saves
class ArchiveSaver {
  public:
    explicit ArchiveSaver(const std::string &path,
                          std::chrono::milliseconds lockWait = kArchiveLockWait);

    ArchiveResult locate(std::uint16_t id);
    std::uint16_t slotSize() const { return m_slot ? m_slot->dataSize : 0; } // of the slot found
    // The level bytes of the slot found as the file holds them; after a write, those written.
    Bytes slotData() const;
    // The archive with its links resolved, and the file it was when it was locked.
    const std::string &path() const { return m_file.path(); }
    FileStamp stamp() const { return StampOf(m_file.status()); }

    // Writes dataSize bytes from the store and a fresh checksum byte into the slot found (a shorter
    // store leaves the slot's bytes beyond it as they were). On any failure the file is unchanged.
    ArchiveResult write(const LevelStore &level);

  private:
    LockedFile m_file;
    // The archive is read only where its frame and the slot are: the new file is a copy of the old
    // one made by the system, with the slot written over it.
    std::optional<ArchiveFileView> m_view;
    ArchiveResult m_state;
    std::optional<ResourceEntry> m_slot;
    Bytes m_slotBytes; // the checksum byte and the level bytes of the slot found
};

// Reads the file, finds the id, patches the level and a fresh checksum byte into the slot and
// saves it. On any failure the file is not touched.
ArchiveResult SaveLevelToArchive(const std::string &path, std::uint16_t id,
                                 const LevelStore &level);

} // namespace qv2

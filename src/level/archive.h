#pragma once

#include "level/level_store.h"

#include <cstdint>
#include <utility>
#include <vector>

// The level archive: a header with the master index offset, a master index of resource types,
// and per type a table of resources. Levels are the resources of the type whose tag is zero.
// Every function here works on the archive image (the whole file in memory, or a file read only
// where its fields are) and never reads or writes outside it: anything that would is reported as
// Damaged.
namespace qv2 {

class ArchiveFileView;

struct ResourceEntry {
    std::uint16_t id = 0;
    std::uint32_t dataOffset = 0; // absolute position of the checksum byte
    std::uint16_t dataSize = 0;   // level bytes, not counting the checksum byte
};

enum class ArchiveStatus {
    Found,   // the entry is valid
    NoIndex, // no type entry with a zero tag
    NoLevel, // the level table has no entry with that id
    Damaged, // the header, index, table or the resource data run past the end of the image, or
             // the data lies on the archive's own header, index or tables
};

struct LocateResult {
    ArchiveStatus status = ArchiveStatus::NoIndex;
    ResourceEntry entry;
};

struct LevelTable {
    ArchiveStatus status = ArchiveStatus::NoIndex; // Found when the table was read whole
    std::vector<ResourceEntry> entries;            // in table order
};

enum class ReadStatus { ChecksumGood, ChecksumBad, Damaged };
enum class WriteStatus { Written, Damaged };

// Walks the master index to the first zero-tag type, then its table to the first entry with the
// id. A found entry's data (checksum byte and dataSize bytes) lies inside the image and clear of
// the archive's frame.
LocateResult LocateLevelResource(const Bytes &image, std::uint16_t id);
// The same, reading the file only where the fields are.
LocateResult LocateLevelResource(const ArchiveFileView &file, std::uint16_t id);

// All entries of the level table, in table order (for listing).
LevelTable ReadLevelTable(const Bytes &image);
LevelTable ReadLevelTable(const ArchiveFileView &file);

// The archive's own bytes: its header, master index and the tables of every type. A level whose
// data lies on them is damaged, for writing it would break the archive.
class ArchiveFrame {
  public:
    explicit ArchiveFrame(const Bytes &image);
    explicit ArchiveFrame(const ArchiveFileView &file);
    // Whether the entry's checksum byte and data lie inside the image and clear of the frame.
    bool holds(const ResourceEntry &entry) const;

  private:
    std::uint64_t m_imageSize = 0;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> m_parts; // [begin, end), sorted, disjoint
};

// Copies the entry's level bytes into the store (its size becomes dataSize) and tests the
// checksum byte. On Damaged the store is left untouched.
ReadStatus ReadLevelResource(const Bytes &image, const ResourceEntry &entry, LevelStore &level);
// The same, reading only the slot; a slot that cannot be read is Damaged, with the file's error().
ReadStatus ReadLevelResource(const ArchiveFileView &file, const ResourceEntry &entry,
                             LevelStore &level);

// Patches dataSize bytes from the store and a fresh checksum byte into the image. A store shorter
// than the slot leaves the slot's bytes beyond it as they were (the checksum covers them).
WriteStatus WriteLevelResource(Bytes &image, const ResourceEntry &entry, const LevelStore &level);

// 0xFF minus the 8-bit wrapping sum of the bytes: the checksum byte that makes the sum 0xFF.
std::uint8_t ChecksumByteFor(const std::uint8_t *data, std::size_t size);

} // namespace qv2

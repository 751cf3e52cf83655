// Any byte image as a level archive: the walk never reads outside it, every entry of the level
// table is found by its id (the first of equal ids), and a level read from its slot and written
// back reads back the same with a good checksum, changing no byte outside that slot.
#include "fuzz_check.h"
#include "level/archive.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace qv2 {
namespace {

// Enough entries to meet duplicates and damaged tables; more would only slow every run down.
constexpr std::size_t kEntriesChecked = 8;

bool SameEntry(const ResourceEntry &a, const ResourceEntry &b) {
    return a.id == b.id && a.dataOffset == b.dataOffset && a.dataSize == b.dataSize;
}

// The bytes outside the slot (checksum byte and data) are the same in both images.
bool SameOutsideSlot(const Bytes &a, const Bytes &b, const ResourceEntry &entry) {
    const auto begin = static_cast<std::ptrdiff_t>(entry.dataOffset);
    const auto end = begin + 1 + entry.dataSize;
    return a.size() == b.size() && std::equal(a.begin(), a.begin() + begin, b.begin()) &&
           std::equal(a.begin() + end, a.end(), b.begin() + end);
}

// Writes `level` into the slot of a copy and reads it back.
void CheckWriteReadsBack(const Bytes &image, const ResourceEntry &entry, const LevelStore &level) {
    Bytes written = image;
    FUZZ_CHECK(WriteLevelResource(written, entry, level) == WriteStatus::Written);
    FUZZ_CHECK(SameOutsideSlot(image, written, entry));
    LevelStore back;
    FUZZ_CHECK(ReadLevelResource(written, entry, back) == ReadStatus::ChecksumGood);
    FUZZ_CHECK(back.size() == entry.dataSize);
    const std::size_t stored = std::min<std::size_t>(level.size(), entry.dataSize);
    // The store's bytes land in the slot; a shorter store leaves the slot's other bytes alone.
    const auto storedEnd = level.bytes().begin() + static_cast<std::ptrdiff_t>(stored);
    FUZZ_CHECK(std::equal(level.bytes().begin(), storedEnd, back.bytes().begin()));
    const auto slot = image.begin() + entry.dataOffset + 1;
    FUZZ_CHECK(std::equal(slot + stored, slot + entry.dataSize, back.bytes().begin() + stored));
}

void CheckEntry(const Bytes &image, const LevelTable &table, const ResourceEntry &entry) {
    const LocateResult located = LocateLevelResource(image, entry.id);
    const auto first = std::find_if(table.entries.begin(), table.entries.end(),
                                    [&](const ResourceEntry &e) { return e.id == entry.id; });
    FUZZ_CHECK(SameEntry(located.entry, *first));
    LevelStore level;
    const ReadStatus read = ReadLevelResource(image, located.entry, level);
    if (located.status != ArchiveStatus::Found) {
        // Only damage keeps a listed entry from being found: data past the end of the image, or
        // data lying on the header, index or tables (which the slot's reader alone cannot see).
        FUZZ_CHECK(located.status == ArchiveStatus::Damaged);
        FUZZ_CHECK(read != ReadStatus::Damaged || level.size() == 0);
        return;
    }
    FUZZ_CHECK(read != ReadStatus::Damaged);
    FUZZ_CHECK(level.size() == located.entry.dataSize);
    const auto data = image.begin() + located.entry.dataOffset;
    FUZZ_CHECK(std::equal(level.bytes().begin(), level.bytes().end(), data + 1));
    std::uint8_t sum = *data;
    for (const std::uint8_t byte : level.bytes())
        sum = static_cast<std::uint8_t>(sum + byte);
    FUZZ_CHECK((read == ReadStatus::ChecksumGood) == (sum == 0xFF));

    // Saved unchanged into its own slot, a level with a good checksum leaves the image as it was.
    if (read == ReadStatus::ChecksumGood) {
        Bytes same = image;
        FUZZ_CHECK(WriteLevelResource(same, located.entry, level) == WriteStatus::Written);
        FUZZ_CHECK(same == image);
    }
    Bytes edited = level.bytes();
    for (std::size_t k = 0; k < edited.size(); ++k)
        edited[k] = static_cast<std::uint8_t>(edited[k] ^ (0x5A + k));
    CheckWriteReadsBack(image, located.entry, LevelStore(edited));
    edited.resize(edited.size() / 2);
    CheckWriteReadsBack(image, located.entry, LevelStore(edited));
}

} // namespace
} // namespace qv2

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace qv2;
    const Bytes image(data, data + size);
    const LevelTable table = ReadLevelTable(image);
    if (table.status == ArchiveStatus::NoIndex)
        FUZZ_CHECK(table.entries.empty());
    for (std::size_t i = 0; i < std::min(table.entries.size(), kEntriesChecked); ++i)
        CheckEntry(image, table, table.entries[i]);

    // An id that a complete table lacks is no level; one past the highest listed id is such an id.
    if (table.status == ArchiveStatus::Found) {
        std::uint32_t highest = 0;
        for (const ResourceEntry &entry : table.entries)
            highest = std::max<std::uint32_t>(highest, entry.id);
        if (highest < 0xFFFF)
            FUZZ_CHECK(LocateLevelResource(image, static_cast<std::uint16_t>(highest + 1)).status ==
                       ArchiveStatus::NoLevel);
    }
    return 0;
}

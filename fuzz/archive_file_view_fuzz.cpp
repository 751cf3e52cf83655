// Any byte image as an archive file: the lookup that reads the file only where its fields are
// agrees with the walk over the whole image in memory (the level table, every id asked for, the
// frame and the slots found), and a save through the file writes exactly what the in-memory write
// gives, after which they agree again.
#include "fuzz_check.h"
#include "fuzz_folder.h"
#include "level/archive.h"
#include "level/archive_file.h"
#include "level/archive_file_view.h"
#include "level/file_io.h"
#include "level/file_replace.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace qv2 {
namespace {

constexpr std::size_t kEntriesChecked = 8;

// The archive file, in a folder of this run's own.
const std::string &ArchivePath() {
    static const FuzzFolder folder("qv2-view-fuzz");
    static const std::string path = folder.path() + "/qasvar.dat";
    return path;
}

bool SameEntry(const ResourceEntry &a, const ResourceEntry &b) {
    return a.id == b.id && a.dataOffset == b.dataOffset && a.dataSize == b.dataSize;
}

bool SameTable(const LevelTable &a, const LevelTable &b) {
    return a.status == b.status && a.entries.size() == b.entries.size() &&
           std::equal(a.entries.begin(), a.entries.end(), b.entries.begin(), SameEntry);
}

Bytes ReadArchive() {
    Bytes bytes;
    FUZZ_CHECK(ReadWholeFile(ArchivePath(), 1 << 24, bytes).empty());
    return bytes;
}

// The ids worth asking for: the table's first entries, one it lacks and a few from the input.
std::vector<std::uint16_t> IdsOf(const LevelTable &table, const Bytes &image) {
    std::vector<std::uint16_t> ids{2000, 0, 0xFFFF};
    for (std::size_t i = 0; i < std::min(table.entries.size(), kEntriesChecked); ++i) {
        ids.push_back(table.entries[i].id);
        ids.push_back(static_cast<std::uint16_t>(table.entries[i].id + 1));
    }
    for (std::size_t i = 0; i + 1 < std::min<std::size_t>(image.size(), 8); i += 2)
        ids.push_back(static_cast<std::uint16_t>(image[i] | image[i + 1] << 8));
    return ids;
}

// The file on disk now holds `image`: both readings give the same answer for the table, for every
// id and for the slot of each level found, which are returned.
std::vector<ResourceEntry> CheckAgreement(const Bytes &image) {
    const int fd = open(ArchivePath().c_str(), O_RDONLY | O_CLOEXEC);
    FUZZ_CHECK(fd >= 0);
    const ArchiveFileView view(fd, image.size());
    const LevelTable table = ReadLevelTable(image);
    FUZZ_CHECK(SameTable(table, ReadLevelTable(view)));
    const ArchiveFrame inMemory(image);
    const ArchiveFrame inFile(view);
    std::vector<ResourceEntry> found;
    for (const std::uint16_t id : IdsOf(table, image)) {
        const LocateResult a = LocateLevelResource(image, id);
        const LocateResult b = LocateLevelResource(view, id);
        FUZZ_CHECK(a.status == b.status);
        FUZZ_CHECK(SameEntry(a.entry, b.entry));
        FUZZ_CHECK(inMemory.holds(a.entry) == inFile.holds(a.entry));
        FUZZ_CHECK(a.status != ArchiveStatus::Found || inMemory.holds(a.entry));
        if (a.status != ArchiveStatus::Found)
            continue;
        LevelStore fromImage;
        LevelStore fromFile;
        const ReadStatus read = ReadLevelResource(image, a.entry, fromImage);
        FUZZ_CHECK(read != ReadStatus::Damaged);
        FUZZ_CHECK(ReadLevelResource(view, a.entry, fromFile) == read);
        FUZZ_CHECK(fromImage.bytes() == fromFile.bytes());
        FUZZ_CHECK(fromImage.size() == a.entry.dataSize);
        found.push_back(a.entry);
    }
    FUZZ_CHECK(view.error().empty());
    close(fd);
    return found;
}

} // namespace
} // namespace qv2

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace qv2;
    Bytes image(data, data + size);
    FUZZ_CHECK(WriteWholeFile(ArchivePath(), image).empty());
    const std::vector<ResourceEntry> found = CheckAgreement(image);
    if (found.empty())
        return 0;
    // A save of an edited level through the file, beside the same write in memory.
    const ResourceEntry &entry = found.front();
    LevelStore level;
    ReadLevelResource(image, entry, level);
    Bytes edited = level.bytes();
    for (std::size_t k = 0; k < edited.size(); ++k)
        edited[k] = static_cast<std::uint8_t>(edited[k] ^ (0xA5 + k));
    FUZZ_CHECK(WriteLevelResource(image, entry, LevelStore(edited)) == WriteStatus::Written);
    FUZZ_CHECK(SaveLevelToArchive(ArchivePath(), entry.id, LevelStore(edited)).outcome ==
               ArchiveOutcome::Done);
    FUZZ_CHECK(ReadArchive() == image);
    CheckAgreement(image);
    return 0;
}

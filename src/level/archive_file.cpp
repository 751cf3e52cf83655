#include "level/archive_file.h"

#include "level/file_io.h"
#include "level/file_replace.h"

namespace qv2 {

namespace {

ArchiveOutcome OutcomeOf(ArchiveStatus status) {
    switch (status) {
    case ArchiveStatus::Found:
        return ArchiveOutcome::Done;
    case ArchiveStatus::NoIndex:
        return ArchiveOutcome::NoIndex;
    case ArchiveStatus::NoLevel:
        return ArchiveOutcome::NoLevel;
    case ArchiveStatus::Damaged:
        break;
    }
    return ArchiveOutcome::Damaged;
}

ArchiveResult ResultOf(const LockedFile &file) {
    switch (file.problem()) {
    case LockedFile::Problem::None:
        return {};
    case LockedFile::Problem::CantRead:
        return {ArchiveOutcome::CantRead, file.reason()};
    case LockedFile::Problem::CantWrite:
        return {ArchiveOutcome::CantWrite, file.reason()};
    case LockedFile::Problem::Busy:
        break;
    }
    return {ArchiveOutcome::Busy, file.reason()};
}

// The file's view once it is open and locked, and the outcome so far.
ArchiveResult ViewOf(LockedFile &file, std::optional<ArchiveFileView> &view) {
    if (file.problem() == LockedFile::Problem::None && file.refreshStatus())
        view.emplace(file.fd(), static_cast<std::uint64_t>(file.status().st_size));
    return ResultOf(file);
}

} // namespace

ArchiveReader::ArchiveReader(const std::string &path, std::chrono::milliseconds lockWait)
    : m_file(path, LockedFile::Mode::Read, lockWait), m_state(ViewOf(m_file, m_view)) {}

ArchiveResult ArchiveReader::unlessUnreadable(ArchiveResult result) const {
    if (!m_view->error().empty())
        return {ArchiveOutcome::CantRead, m_view->error()};
    return result;
}

ArchiveResult ArchiveReader::openLevel(std::uint16_t id, LevelStore &level) {
    if (m_state.outcome != ArchiveOutcome::Done)
        return m_state;
    const LocateResult found = LocateLevelResource(*m_view, id);
    if (found.status != ArchiveStatus::Found)
        return unlessUnreadable({OutcomeOf(found.status), {}});
    LevelStore read;
    ArchiveOutcome outcome = ArchiveOutcome::Damaged;
    switch (ReadLevelResource(*m_view, found.entry, read)) {
    case ReadStatus::ChecksumGood:
        outcome = ArchiveOutcome::Done;
        break;
    case ReadStatus::ChecksumBad:
        outcome = ArchiveOutcome::ChecksumBad;
        break;
    case ReadStatus::Damaged:
        break;
    }
    const ArchiveResult result = unlessUnreadable({outcome, {}});
    if (result.opened())
        level = std::move(read);
    return result;
}

ArchiveListing ArchiveReader::list() {
    ArchiveListing listing;
    if (m_state.outcome != ArchiveOutcome::Done) {
        listing.result = m_state;
        return listing;
    }
    const LevelTable table = ReadLevelTable(*m_view);
    listing.tableDamaged = table.status == ArchiveStatus::Damaged;
    if (table.status == ArchiveStatus::NoIndex)
        listing.result = {ArchiveOutcome::NoIndex, {}};
    const ArchiveFrame frame(*m_view);
    for (const ResourceEntry &entry : table.entries) {
        ListedLevel &listed =
            listing.levels.emplace_back(ListedLevel{entry, ReadStatus::Damaged, {}});
        if (frame.holds(entry))
            listed.read = ReadLevelResource(*m_view, entry, listed.level);
    }
    listing.result = unlessUnreadable(listing.result);
    return listing;
}

ArchiveResult OpenLevelFromArchive(const std::string &path, std::uint16_t id, LevelStore &level,
                                   std::chrono::milliseconds lockWait) {
    return ArchiveReader(path, lockWait).openLevel(id, level);
}

ArchiveSaver::ArchiveSaver(const std::string &path, std::chrono::milliseconds lockWait)
    : m_file(path, LockedFile::Mode::Save, lockWait), m_state(ViewOf(m_file, m_view)) {}

ArchiveResult ArchiveSaver::locate(std::uint16_t id) {
    if (m_state.outcome != ArchiveOutcome::Done)
        return m_state;
    const LocateResult found = LocateLevelResource(*m_view, id);
    if (!m_view->error().empty())
        return {ArchiveOutcome::CantRead, m_view->error()};
    if (found.status != ArchiveStatus::Found)
        return {OutcomeOf(found.status), {}};
    // The slot as the file holds it (its checksum byte and data), to be patched by a write.
    m_slotBytes.resize(std::size_t{1} + found.entry.dataSize);
    if (!m_view->read(found.entry.dataOffset, m_slotBytes.size(), m_slotBytes.data()))
        return {ArchiveOutcome::CantRead, m_view->error()};
    m_slot = found.entry;
    return {ArchiveOutcome::Done, {}};
}

Bytes ArchiveSaver::slotData() const {
    return m_slotBytes.empty() ? Bytes() : Bytes(m_slotBytes.begin() + 1, m_slotBytes.end());
}

ArchiveResult ArchiveSaver::write(const LevelStore &level) {
    if (m_state.outcome != ArchiveOutcome::Done)
        return m_state;
    if (!m_slot)
        return {ArchiveOutcome::NoLevel, {}};
    Bytes slot = m_slotBytes;
    if (WriteLevelResource(slot, ResourceEntry{m_slot->id, 0, m_slot->dataSize}, level) !=
        WriteStatus::Written)
        return {ArchiveOutcome::Damaged, {}};

    // Two ways to save, chosen the way trusted text editors choose between copy-and-rename and
    // overwriting. A complete new file renamed over the old one is atomic and durable: a crash
    // leaves the old archive or the new one. But it is a new file, which is the same file to its
    // users only when it can keep the one name (no other hard link), the owner, group and mode,
    // in a folder the user may write. Otherwise the slot's bytes and its checksum byte are
    // overwritten in place: the file keeps its identity and its length, and a crash can tear only
    // that one slot, which its checksum byte then shows.
    RemoveSaveLeftovers(m_file.path());
    const ReplaceResult replaced = ReplaceFile(m_file.path(), &m_file.status(), [&](int fd) {
        std::string error = CopyFileStart(m_file.fd(), m_view->size(), fd);
        return error.empty() ? WriteAt(fd, m_slot->dataOffset, slot.data(), slot.size()) : error;
    });
    if (replaced.outcome == ReplaceOutcome::Failed)
        return {ArchiveOutcome::CantWrite, replaced.error};
    if (replaced.outcome == ReplaceOutcome::IdentityWouldChange) {
        std::string error = PatchInPlace(m_file.fd(), m_slot->dataOffset, slot.data(), slot.size());
        if (!error.empty())
            return {ArchiveOutcome::CantWrite, std::move(error)};
    }
    m_slotBytes = std::move(slot);
    return {ArchiveOutcome::Done, {}};
}

ArchiveResult SaveLevelToArchive(const std::string &path, std::uint16_t id,
                                 const LevelStore &level) {
    ArchiveSaver saver(path);
    const ArchiveResult found = saver.locate(id);
    if (found.outcome != ArchiveOutcome::Done)
        return found;
    return saver.write(level);
}

} // namespace qv2

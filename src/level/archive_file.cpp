#include "level/archive_file.h"

#include "level/archive.h"

namespace qv2 {

namespace {

ArchiveOutcome OutcomeOf(ArchiveStatus status)
{
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

} // namespace

ArchiveResult OpenLevelFromArchive(const std::string &path, std::uint16_t id, LevelStore &level)
{
    const LoadedImage loaded = LoadArchiveImage(path);
    if (!loaded.ok())
        return {ArchiveOutcome::CantRead, loaded.error};
    const LocateResult found = LocateLevelResource(loaded.image, id);
    if (found.status != ArchiveStatus::Found)
        return {OutcomeOf(found.status), {}};
    switch (ReadLevelResource(loaded.image, found.entry, level)) {
    case ReadStatus::ChecksumGood:
        return {ArchiveOutcome::Done, {}};
    case ReadStatus::ChecksumBad:
        return {ArchiveOutcome::ChecksumBad, {}};
    case ReadStatus::Damaged:
        break;
    }
    return {ArchiveOutcome::Damaged, {}};
}

ArchiveResult SaveLevelToArchive(const std::string &path, std::uint16_t id, const LevelStore &level)
{
    LoadedImage loaded = LoadArchiveImage(path);
    if (!loaded.ok())
        return {ArchiveOutcome::CantRead, loaded.error};
    const LocateResult found = LocateLevelResource(loaded.image, id);
    if (found.status != ArchiveStatus::Found)
        return {OutcomeOf(found.status), {}};
    if (WriteLevelResource(loaded.image, found.entry, level) != WriteStatus::Written)
        return {ArchiveOutcome::Damaged, {}};
    std::string error = SaveArchiveImage(loaded.image, path);
    if (!error.empty())
        return {ArchiveOutcome::CantWrite, std::move(error)};
    return {ArchiveOutcome::Done, {}};
}

} // namespace qv2

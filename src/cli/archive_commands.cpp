#include "cli/archive_commands.h"

#include "level/archive.h"
#include "level/archive_file.h"

#include <charconv>
#include <optional>
#include <ostream>

namespace qv2 {

namespace {

bool WrongUsage(const CommandArgs &args, std::size_t count, const char *usage, std::ostream &err)
{
    if (args.size() == count)
        return false;
    err << "usage: qv2lev " << usage << '\n';
    return true;
}

// A level id is a decimal number 0..65535 and nothing else.
std::optional<std::uint16_t> ParseId(const std::string &text, std::ostream &err)
{
    const std::optional<int> value = ParseDecimal(text, 0, 0xFFFF);
    if (!value) {
        err << "qv2lev: \"" << text << "\" is not a level id (a number from 0 to 65535)\n";
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*value);
}

// The ARCHIVE ID FILE arguments of extract and insert: the id, or nothing once told why not.
std::optional<std::uint16_t> ArchiveIdFile(const CommandArgs &args, const char *usage, std::ostream &err)
{
    if (WrongUsage(args, 3, usage, err))
        return std::nullopt;
    return ParseId(args[1], err);
}

std::optional<Bytes> ReadWhole(const std::string &path, std::ostream &err)
{
    LoadedImage loaded = LoadArchiveImage(path);
    if (!loaded.ok()) {
        err << "qv2lev: cannot read " << path << ": " << loaded.error << '\n';
        return std::nullopt;
    }
    return std::move(loaded.image);
}

} // namespace

std::optional<int> ParseDecimal(const std::string &text, int lo, int hi)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < lo || value > hi)
        return std::nullopt;
    return value;
}

int ReportArchiveOutcome(const ArchiveResult &result, const std::string &archive, std::uint16_t id,
                         std::ostream &err)
{
    switch (result.outcome) {
    case ArchiveOutcome::Done:
        return kExitDone;
    case ArchiveOutcome::ChecksumBad:
        err << "qv2lev: warning: level " << id << " has a checksum byte that does not match\n";
        return kExitDone;
    case ArchiveOutcome::CantRead:
        err << "qv2lev: cannot read " << archive << ": " << result.systemError << '\n';
        return kExitFailed;
    case ArchiveOutcome::CantWrite:
        err << "qv2lev: cannot write " << archive << " (left unchanged): " << result.systemError << '\n';
        return kExitFailed;
    case ArchiveOutcome::NoIndex:
        err << "qv2lev: " << archive << " has no level table\n";
        return kExitNotFound;
    case ArchiveOutcome::NoLevel:
        err << "qv2lev: " << archive << " has no level " << id << '\n';
        return kExitNotFound;
    case ArchiveOutcome::Damaged:
        break;
    }
    err << "qv2lev: " << archive << " is damaged: its index, level table or level data runs past the end\n";
    return kExitFailed;
}

int ListLevels(const CommandArgs &args, std::ostream &out, std::ostream &err)
{
    if (WrongUsage(args, 1, "list ARCHIVE", err))
        return kExitFailed;
    const std::optional<Bytes> image = ReadWhole(args[0], err);
    if (!image)
        return kExitFailed;
    const LevelTable table = ReadLevelTable(*image);
    if (table.status == ArchiveStatus::NoIndex)
        return ReportArchiveOutcome({ArchiveOutcome::NoIndex, {}}, args[0], 0, err);

    bool damaged = table.status == ArchiveStatus::Damaged;
    for (const ResourceEntry &entry : table.entries) {
        LevelStore level;
        const ReadStatus read = ReadLevelResource(*image, entry, level);
        damaged = damaged || read == ReadStatus::Damaged;
        const char *check = read == ReadStatus::ChecksumGood ? "ok"
                            : read == ReadStatus::ChecksumBad ? "bad"
                                                              : "damaged";
        out << entry.id << ' ' << entry.dataOffset << ' ' << entry.dataSize << ' ' << check << '\n';
    }
    if (damaged)
        return ReportArchiveOutcome({ArchiveOutcome::Damaged, {}}, args[0], 0, err);
    return kExitDone;
}

int ExtractLevel(const CommandArgs &args, std::ostream &, std::ostream &err)
{
    const std::optional<std::uint16_t> id = ArchiveIdFile(args, "extract ARCHIVE ID FILE", err);
    if (!id)
        return kExitFailed;
    LevelStore level;
    const ArchiveResult opened = OpenLevelFromArchive(args[0], *id, level);
    const int status = ReportArchiveOutcome(opened, args[0], *id, err); // a bad checksum is only a warning
    if (!opened.opened())
        return status;
    const std::string error = SaveArchiveImage(level.bytes(), args[2]);
    if (!error.empty()) {
        err << "qv2lev: cannot write " << args[2] << ": " << error << '\n';
        return kExitFailed;
    }
    return kExitDone;
}

int InsertLevel(const CommandArgs &args, std::ostream &, std::ostream &err)
{
    const std::optional<std::uint16_t> id = ArchiveIdFile(args, "insert ARCHIVE ID FILE", err);
    if (!id)
        return kExitFailed;
    std::optional<Bytes> bytes = ReadWhole(args[2], err);
    if (!bytes)
        return kExitFailed;
    const ArchiveResult saved = SaveLevelToArchive(args[0], *id, LevelStore(std::move(*bytes)));
    return ReportArchiveOutcome(saved, args[0], *id, err);
}

} // namespace qv2

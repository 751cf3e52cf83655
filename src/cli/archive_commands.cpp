#include "cli/archive_commands.h"

#include "level/archive.h"
#include "level/archive_file.h"
#include "level/file_io.h"
#include "level/file_replace.h"
#include "level/level_layout.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>

#include <unistd.h>

namespace qv2 {

namespace {

bool WrongUsage(const CommandArgs &args, std::size_t count, const char *usage, std::ostream &err) {
    if (args.size() == count)
        return false;
    err << "usage: qv2lev " << usage << '\n';
    return true;
}

// A level id is a decimal number 0..65535 and nothing else.
std::optional<std::uint16_t> ParseId(const std::string &text, std::ostream &err) {
    const std::optional<int> value = ParseDecimal(text, 0, 0xFFFF);
    if (!value) {
        err << "qv2lev: \"" << text << "\" is not a level id (a number from 0 to 65535)\n";
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*value);
}

// The ARCHIVE ID FILE arguments of extract and insert: the id, or nothing once told why not.
std::optional<std::uint16_t> ArchiveIdFile(const CommandArgs &args, const char *usage,
                                           std::ostream &err) {
    if (WrongUsage(args, 3, usage, err))
        return std::nullopt;
    return ParseId(args[1], err);
}

// "-" names standard input and output for the level file of extract and insert.
bool IsStandardStream(const std::string &path) {
    return path == "-";
}

// A slot holds at most 65535 bytes, so one byte more tells a level file that fits no slot, and a
// device or pipe without end is never read further.
constexpr std::size_t kLevelFileLimit = 0xFFFF + 1;

} // namespace

std::optional<int> ParseDecimal(const std::string &text, int lo, int hi) {
    const bool digitsOnly = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (!digitsOnly || error != std::errc() || stop != end || value < lo || value > hi)
        return std::nullopt;
    return value;
}

int ReportArchiveOutcome(const ArchiveResult &result, const std::string &archive, std::uint16_t id,
                         std::ostream &err) {
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
        err << "qv2lev: cannot write " << archive << " (left unchanged): " << result.systemError
            << '\n';
        return kExitFailed;
    case ArchiveOutcome::Busy:
        err << "qv2lev: " << archive
            << " is being saved by another program; try again (left unchanged)\n";
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
    err << "qv2lev: " << archive
        << " is damaged: its index, level table or level data runs past "
           "the end or over one another\n";
    return kExitFailed;
}

int ListLevels(const CommandArgs &args, std::ostream &out, std::ostream &err) {
    if (WrongUsage(args, 1, "list ARCHIVE", err))
        return kExitFailed;
    const LoadedArchive loaded = LoadArchiveImage(args[0]);
    if (loaded.result.outcome != ArchiveOutcome::Done)
        return ReportArchiveOutcome(loaded.result, args[0], 0, err);
    const LevelTable table = ReadLevelTable(loaded.image);
    if (table.status == ArchiveStatus::NoIndex)
        return ReportArchiveOutcome({ArchiveOutcome::NoIndex, {}}, args[0], 0, err);

    const ArchiveFrame frame(loaded.image);
    bool damaged = table.status == ArchiveStatus::Damaged;
    for (const ResourceEntry &entry : table.entries) {
        LevelStore level;
        const ReadStatus read = frame.holds(entry) ? ReadLevelResource(loaded.image, entry, level)
                                                   : ReadStatus::Damaged;
        damaged = damaged || read == ReadStatus::Damaged;
        const char *check = read == ReadStatus::ChecksumGood  ? "ok"
                            : read == ReadStatus::ChecksumBad ? "bad"
                                                              : "damaged";
        out << entry.id << ' ' << entry.dataOffset << ' ' << entry.dataSize << ' ' << check << '\n';
    }
    if (damaged)
        return ReportArchiveOutcome({ArchiveOutcome::Damaged, {}}, args[0], 0, err);
    return kExitDone;
}

int ExtractLevel(const CommandArgs &args, std::ostream &out, std::ostream &err) {
    const std::optional<std::uint16_t> id = ArchiveIdFile(args, "extract ARCHIVE ID FILE", err);
    if (!id)
        return kExitFailed;
    LevelStore level;
    const ArchiveResult opened = OpenLevelFromArchive(args[0], *id, level);
    const int status =
        ReportArchiveOutcome(opened, args[0], *id, err); // a bad checksum is only a warning
    if (!opened.opened())
        return status;
    if (IsStandardStream(args[2])) {
        out.write(reinterpret_cast<const char *>(level.bytes().data()),
                  static_cast<std::streamsize>(level.size()));
        out.flush();
        return out ? kExitDone : kExitFailed;
    }
    const std::string error = WriteWholeFile(args[2], level.bytes());
    if (!error.empty()) {
        err << "qv2lev: cannot write " << args[2] << ": " << error << '\n';
        return kExitFailed;
    }
    return kExitDone;
}

int InsertLevel(const CommandArgs &args, std::ostream &, std::ostream &err) {
    const std::optional<std::uint16_t> id = ArchiveIdFile(args, "insert ARCHIVE ID FILE", err);
    if (!id)
        return kExitFailed;
    // The level is read before the archive is locked: standard input may keep it waiting.
    const std::string &file = args[2];
    Bytes bytes;
    const std::string readError = IsStandardStream(file)
                                      ? ReadUpTo(STDIN_FILENO, kLevelFileLimit, bytes)
                                      : ReadFileUpTo(file, kLevelFileLimit, bytes);
    if (!readError.empty()) {
        err << "qv2lev: cannot read " << file << ": " << readError << '\n';
        return kExitFailed;
    }
    if (bytes.empty()) {
        err << "qv2lev: " << file << " is empty; " << args[0] << " was left unchanged\n";
        return kExitFailed;
    }

    ArchiveSaver saver(args[0]);
    const ArchiveResult found = saver.locate(*id);
    if (found.outcome != ArchiveOutcome::Done)
        return ReportArchiveOutcome(found, args[0], *id, err);
    if (bytes.size() > saver.slotSize()) {
        err << "qv2lev: " << file << " is longer than the " << saver.slotSize()
            << " bytes of level " << *id << "; " << args[0] << " was left unchanged\n";
        return kExitFailed;
    }
    const std::size_t size = bytes.size();
    const ArchiveResult saved = saver.write(LevelStore(std::move(bytes)));
    const int status = ReportArchiveOutcome(saved, args[0], *id, err);
    if (status == kExitDone && size < kFullLevelSize)
        err << "qv2lev: warning: the level is only " << size << " bytes long; a full level has "
            << kFullLevelSize << " bytes\n";
    return status;
}

} // namespace qv2

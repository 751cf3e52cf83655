#include "cli/archive_commands.h"

#include "cli/command_line.h"
#include "cli/command_output.h"

#include "level/archive.h"
#include "level/archive_file.h"
#include "level/file_io.h"
#include "level/file_replace.h"
#include "level/level_layout.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include <unistd.h>

namespace qv2 {

namespace {

// "-" names standard input and output for the level file of extract and insert.
bool IsStandardStream(const std::string &path) {
    return path == "-";
}

// A slot holds at most 65535 bytes, so one byte more tells a level file that fits no slot, and a
// device or pipe without end is never read further.
constexpr std::size_t kLevelFileLimit = 0xFFFF + 1;

} // namespace

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

int OpenLevelForCommand(const std::string &archive, std::uint16_t id, LevelStore &level,
                        std::ostream &err) {
    const ArchiveResult opened = OpenLevelFromArchive(archive, id, level);
    const int status = ReportArchiveOutcome(opened, archive, id, err);
    return opened.opened() ? kExitDone : status;
}

int ReadEveryLevel(const std::string &archive, std::vector<ListedLevel> &levels, bool &tableDamaged,
                   std::ostream &err) {
    ArchiveListing listing = ArchiveReader(archive).list();
    if (listing.result.outcome != ArchiveOutcome::Done)
        return ReportArchiveOutcome(listing.result, archive, 0, err);
    tableDamaged = listing.tableDamaged;
    levels = std::move(listing.levels);
    return kExitDone;
}

int ListLevels(const CommandArgs &args, std::ostream &out, std::ostream &err) {
    const CommandLine line("list", args, out, err);
    if (line.finished())
        return *line.finished();
    const std::string &archive = line.operand(0);
    std::vector<ListedLevel> levels;
    bool damaged = false;
    if (const int status = ReadEveryLevel(archive, levels, damaged, err); status != kExitDone)
        return status;
    for (const ListedLevel &listed : levels) {
        damaged = damaged || listed.read == ReadStatus::Damaged;
        const char *check = listed.read == ReadStatus::ChecksumGood  ? "ok"
                            : listed.read == ReadStatus::ChecksumBad ? "bad"
                                                                     : "damaged";
        out << listed.entry.id << ' ' << listed.entry.dataOffset << ' ' << listed.entry.dataSize
            << ' ' << check << '\n';
    }
    if (damaged)
        return ReportArchiveOutcome({ArchiveOutcome::Damaged, {}}, archive, 0, err);
    return kExitDone;
}

int ExtractLevel(const CommandArgs &args, std::ostream &out, std::ostream &err) {
    const CommandLine line("extract", args, out, err);
    if (line.finished())
        return *line.finished();
    const std::uint16_t id = line.levelId();
    const std::string &archive = line.operand(0);
    const std::string &file = line.operand(2);
    LevelStore level;
    if (const int status = OpenLevelForCommand(archive, id, level, err); status != kExitDone)
        return status;
    if (!IsStandardStream(file))
        return WriteOutputFile(file, level.bytes(), archive, err);
    // What is lost on the way to standard output is told when the program ends.
    out.write(reinterpret_cast<const char *>(level.bytes().data()),
              static_cast<std::streamsize>(level.size()));
    return kExitDone;
}

int InsertLevel(const CommandArgs &args, std::ostream &out, std::ostream &err) {
    const CommandLine line("insert", args, out, err);
    if (line.finished())
        return *line.finished();
    const std::uint16_t id = line.levelId();
    const std::string &archive = line.operand(0);
    // The level is read before the archive is locked: standard input may keep it waiting.
    const std::string &file = line.operand(2);
    Bytes bytes;
    const std::string readError = IsStandardStream(file)
                                      ? ReadUpTo(STDIN_FILENO, kLevelFileLimit, bytes)
                                      : ReadFileUpTo(file, kLevelFileLimit, bytes);
    if (!readError.empty()) {
        err << "qv2lev: cannot read " << file << ": " << readError << '\n';
        return kExitFailed;
    }
    if (bytes.empty()) {
        err << "qv2lev: " << file << " is empty; " << archive << " was left unchanged\n";
        return kExitFailed;
    }

    return SaveLevelFile(archive, id, std::move(bytes), file, err);
}

int SaveLevelFile(const std::string &archive, std::uint16_t id, Bytes bytes,
                  const std::string &file, std::ostream &err, LevelFileKind kind) {
    ArchiveSaver saver(archive);
    const ArchiveResult found = saver.locate(id);
    if (found.outcome != ArchiveOutcome::Done)
        return ReportArchiveOutcome(found, archive, id, err);
    const auto beyondSlot = bytes.begin() + std::min<std::size_t>(saver.slotSize(), bytes.size());
    if (kind == LevelFileKind::Layout && bytes.size() == kFullLevelSize &&
        std::all_of(beyondSlot, bytes.end(), [](std::uint8_t byte) { return byte == 0; }))
        bytes.erase(beyondSlot, bytes.end());
    if (bytes.size() > saver.slotSize()) {
        err << "qv2lev: the level in " << file << " has " << bytes.size()
            << " bytes, more than the " << saver.slotSize() << " of slot " << id << "; " << archive
            << " was left unchanged\n";
        return kExitFailed;
    }
    const std::size_t size = bytes.size();
    const ArchiveResult saved = saver.write(LevelStore(std::move(bytes)));
    const int status = ReportArchiveOutcome(saved, archive, id, err);
    if (status == kExitDone && size < kFullLevelSize)
        err << "qv2lev: warning: the level is only " << size << " bytes long; a full level has "
            << kFullLevelSize << " bytes\n";
    return status;
}

} // namespace qv2

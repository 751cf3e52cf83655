// Any bytes as the JSON text of a level, undumped into a slot of an archive file: a text that is
// refused leaves the archive byte for byte as it was, a level that is taken lands in the slot as
// read, and its dump undumps back into the same bytes.
#include "cli/dump_commands.h"
#include "cli/level_json.h"
#include "fuzz_check.h"
#include "fuzz_folder.h"
#include "fuzz_tile_names.h"
#include "level/archive.h"
#include "level/archive_builder.h"
#include "level/file_io.h"
#include "level/file_replace.h"
#include "level/level_layout.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>

namespace qv2 {
namespace {

// Room for a few bytes of "rest" beyond the full layout, so that a level that fits and one that is
// too long for the slot are both met.
constexpr std::size_t kSlotSize = kFullLevelSize + 4;

Bytes Text(const std::string &text) {
    return Bytes(text.begin(), text.end());
}

// A program folder whose language has the fuzz tile list, and an archive with one level, in a
// folder of their own.
struct Setting {
    FuzzFolder folder{"level_json_fuzz"};
    std::string programDir;
    std::string archive;
    std::string json;
    Bytes image;

    Setting() {
        programDir = folder.path() + "/program";
        std::filesystem::create_directories(programDir + "/texts");
        FUZZ_CHECK(WriteWholeFile(programDir + "/texts/Qv2LevEd.ini", Text("lang=t.ini\n")) == "");
        FUZZ_CHECK(WriteWholeFile(programDir + "/texts/t.ini",
                                  Text("[main]\ntiles=Empty,Floor,Spikes,Floor\n")) == "");
        Bytes level(kSlotSize);
        for (std::size_t i = 0; i < level.size(); ++i)
            level[i] = static_cast<std::uint8_t>(i * 7 % 5);
        ArchiveBuilder builder;
        builder.addLevel(2000, level);
        image = builder.build();
        archive = folder.path() + "/qasvar.dat";
        json = folder.path() + "/level.json";
        FUZZ_CHECK(WriteWholeFile(archive, image) == "");
    }
};

Bytes ReadArchive(const std::string &path) {
    Bytes bytes;
    FUZZ_CHECK(ReadFileUpTo(path, 1 << 20, bytes) == ""); // the archive of one level
    return bytes;
}

// The level's dump read back gives its bytes, whichever way the JSON is laid out.
void CheckDumpReadsBack(const Bytes &bytes) {
    const QJsonDocument dump(LevelToJson(LevelStore(bytes), kFuzzTileNames));
    for (const auto format : {QJsonDocument::Compact, QJsonDocument::Indented}) {
        const LevelFromJson back = JsonTextToLevel(dump.toJson(format), kFuzzTileNames);
        FUZZ_CHECK(back.error.isEmpty());
        FUZZ_CHECK(back.bytes == bytes);
    }
}

} // namespace
} // namespace qv2

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace qv2;
    static int argc = 1;
    static char name[] = "level_json_fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static const Setting setting;

    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const LevelFromJson level = JsonTextToLevel(text, kFuzzTileNames);
    FUZZ_CHECK(level.error.isEmpty() != level.bytes.empty());
    if (level.error.isEmpty()) {
        FUZZ_CHECK(level.bytes.size() >= kFullLevelSize);
        CheckDumpReadsBack(level.bytes);
    }

    FUZZ_CHECK(WriteWholeFile(setting.json, Bytes(data, data + size)) == "");
    std::ostringstream out;
    std::ostringstream err;
    const int status = UndumpLevel(
        {setting.archive, "2000", setting.json, "--program-dir", setting.programDir}, out, err);
    const Bytes after = ReadArchive(setting.archive);
    const bool fits = level.error.isEmpty() && level.bytes.size() <= kSlotSize;
    FUZZ_CHECK((status == 0) == fits);
    FUZZ_CHECK(!err.str().empty() || fits);
    if (!fits) {
        FUZZ_CHECK(after == setting.image);
        return 0;
    }
    LevelStore saved;
    FUZZ_CHECK(ReadLevelResource(after, LocateLevelResource(after, 2000).entry, saved) ==
               ReadStatus::ChecksumGood);
    FUZZ_CHECK(std::equal(level.bytes.begin(), level.bytes.end(), saved.bytes().begin()));
    FUZZ_CHECK(WriteWholeFile(setting.archive, setting.image) == "");
    return 0;
}

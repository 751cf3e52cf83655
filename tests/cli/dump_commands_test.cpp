#include "cli/dump_commands.h"
#include "level/archive.h"
#include "level/file_io.h"
#include "level/level_layout.h"
#include "level/read_limits.h"
#include "support/archive_builder.h"
#include "support/command_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace qv2 {
namespace {

// The build's program folder, with the shipped language files.
std::string ShippedProgramDir() {
    return std::getenv("QV2_PROGRAM_DIR");
}

// dump --json of level `id` into a file, then undump of that file into the same slot.
void DumpAndUndump(const std::string &archive, const std::string &id, const std::string &json,
                   const std::string &programDir) {
    const CommandRun dump = Call(DumpLevel, {archive, id, "--json", "--program-dir", programDir});
    ASSERT_EQ(dump.status, 0) << id << dump.err;
    ASSERT_TRUE(WriteFile(json, Bytes(dump.out.begin(), dump.out.end())));
    const CommandRun undump = Call(UndumpLevel, {archive, id, json, "--program-dir", programDir});
    ASSERT_EQ(undump.status, 0) << id << undump.err;
}

TEST(DumpUndump, EverySampleLevelComesBackByteForByte) {
    const TempFolder folder;
    const std::string archive = folder.file("qasvar.dat");
    std::filesystem::copy_file(ShippedProgramDir() + "qasvar.dat", archive);
    const Bytes original = ReadFile(archive).value();
    const LevelTable table = ReadLevelTable(original);
    ASSERT_EQ(table.status, ArchiveStatus::Found);
    for (const ResourceEntry &entry : table.entries)
        DumpAndUndump(archive, std::to_string(entry.id), folder.file("level.json"),
                      ShippedProgramDir());
    EXPECT_EQ(ReadFile(archive), original);
}

// Random bytes everywhere, also unknown kinds and values and the bytes beyond the named fields; a
// level shorter than the layout comes back too. The tile list names kind 1 twice, so neither
// kind 1 nor kind 3 may be written by name.
TEST(DumpUndump, RandomLevelsComeBackByteForByte) {
    const TempFolder folder;
    const std::string programDir = folder.file("program");
    std::filesystem::create_directories(programDir + "/texts");
    ASSERT_TRUE(WriteFile(programDir + "/texts/Qv2LevEd.ini", {'l', 'a', 'n', 'g', '=', 't'}));
    const std::string language = "[main]\ntiles=Empty,Floor,\"Spiky floor\",Floor\n";
    ASSERT_TRUE(WriteFile(programDir + "/texts/t", Bytes(language.begin(), language.end())));

    std::mt19937 random(14);
    ArchiveBuilder builder;
    const std::size_t sizes[] = {300, kFullLevelSize, kFullLevelSize + 41};
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        Bytes level(sizes[i]);
        for (std::uint8_t &byte : level)
            byte = static_cast<std::uint8_t>(random() % 4 == 0 ? random() % 4 : random());
        builder.addLevel(static_cast<std::uint16_t>(2000 + i), level);
    }
    const ArchiveOnDisk archive(builder);
    for (std::size_t i = 0; i < std::size(sizes); ++i)
        DumpAndUndump(archive.path, std::to_string(2000 + i), archive.folder.file("level.json"),
                      programDir);
    EXPECT_EQ(ReadFile(archive.path), archive.image);

    const std::string text =
        Call(DumpLevel, {archive.path, "2001", "--program-dir", programDir}).out;
    for (const char *line :
         {"\nstart.room = ", "= Empty\n", "= Spiky floor\n", "= 3\n", "\nrest = \n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find("= Floor\n"), std::string::npos);
}

// Sets the value at a path such as {"rooms", 3, "enemyCount"}; an undefined value removes it.
QJsonValue With(const QJsonValue &root, const QVariantList &path, const QJsonValue &value) {
    if (path.isEmpty())
        return value;
    const QVariantList inner = path.mid(1);
    if (path[0].typeId() == QMetaType::Int) {
        QJsonArray array = root.toArray();
        array[path[0].toInt()] = With(array[path[0].toInt()], inner, value);
        return array;
    }
    QJsonObject object = root.toObject();
    if (inner.isEmpty() && value.isUndefined())
        object.remove(path[0].toString());
    else
        object[path[0].toString()] = With(object[path[0].toString()], inner, value);
    return object;
}

struct Undump : ::testing::Test {
    TempFolder folder;
    std::string archive = folder.file("qasvar.dat");
    std::string json = folder.file("level.json");
    QJsonObject level;
    Bytes image;

    Undump() {
        ArchiveBuilder builder;
        builder.addLevel(2000, MakeFullLevel());
        image = builder.build();
        EXPECT_TRUE(WriteFile(archive, image));
        const CommandRun dump =
            Call(DumpLevel, {archive, "2000", "--json", "--program-dir", ShippedProgramDir()});
        level = QJsonDocument::fromJson(QByteArray::fromStdString(dump.out)).object();
    }
    CommandRun undump(const QByteArray &text) {
        EXPECT_TRUE(WriteFile(json, Bytes(text.begin(), text.end())));
        return Call(UndumpLevel, {archive, "2000", json, "--program-dir", ShippedProgramDir()});
    }
    CommandRun undump(const QVariantList &path, const QJsonValue &value) {
        return undump(QJsonDocument(With(level, path, value).toObject()).toJson());
    }
};

TEST_F(Undump, WritesNamesAndNumbersIntoTheSlot) {
    const QJsonValue name = level["rooms"][0]["tiles"][0][0];
    ASSERT_TRUE(name.isString());
    level = With(level, {"rooms", 4, "tiles", 2, 3}, 200).toObject();
    level = With(level, {"flags", 11}, 0xBEEF).toObject();
    const CommandRun run = undump({"rooms", 31, "tiles", 2, 9}, name);
    ASSERT_EQ(run.status, 0) << run.err;

    LevelStore saved;
    ReadLevelResource(ReadFile(archive).value(),
                      LocateLevelResource(ReadFile(archive).value(), 2000).entry, saved);
    EXPECT_EQ(saved.byte(TileKindAt(5, 2, 3)), 200);
    EXPECT_EQ(saved.word(LevelFlagAt(11)), 0xBEEF);
    EXPECT_EQ(saved.byte(TileKindAt(32, 2, 9)), 0);
}

TEST_F(Undump, BadFilesNameTheFieldAndChangeNothing) {
    struct Case {
        const char *name;
        QVariantList path;
        QJsonValue value;
        const char *message;
    };
    const QJsonValue removed(QJsonValue::Undefined);
    const Case cases[] = {
        {"missing field", {"type"}, removed, "type: missing"},
        {"text for a number",
         {"start", "room"},
         "one",
         "start.room: must be a whole number from 0 to 255"},
        {"byte too big",
         {"rooms", 3, "enemyCount"},
         256,
         "rooms[3].enemyCount: must be a whole number"},
        {"negative", {"rooms", 0, "neighbours", "left"}, -1, "rooms[0].neighbours.left: must be"},
        {"fraction", {"restartPoints", 2, "tile"}, 1.5, "restartPoints[2].tile: must be"},
        {"word too big", {"flags", 0}, 65536, "flags[0]: must be a whole number from 0 to 65535"},
        {"short list", {"links", 7}, QJsonArray{1, 2, 3, 4}, "links[7]: must be a list of 5 items"},
        {"object for a list", {"rooms"}, QJsonObject(), "rooms: must be a list of 32 items"},
        {"unknown tile name",
         {"rooms", 1, "tiles", 0, 0},
         "Lava lake",
         "rooms[1].tiles[0][0]: \"Lava lake\""},
        {"misspelt field",
         {"rooms", 2, "neighbors"},
         0,
         "rooms[2].neighbors: not a field of a level"},
        {"unknown top field", {"version"}, 2, "version: not a field of a level"},
        {"shared byte differs",
         {"rooms", 0, "comingGuards", 2, 9},
         7,
         "rooms[1].comingGuardCount: is the same level byte as rooms[0].comingGuards[2][9]"},
        {"rest not hex",
         {
             "rest",
         },
         "0g",
         "rest: must be a text of hex digits"},
        {"rest odd length", {"rest"}, "abc", "rest: must be a text of hex digits"},
    };
    for (const Case &c : cases) {
        const CommandRun run = undump(c.path, c.value);
        EXPECT_EQ(run.status, 2) << c.name;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
        EXPECT_EQ(ReadFile(archive), image) << c.name;
    }
    for (const QByteArray &text : {QByteArray("{\"type\": 1"), QByteArray("[1, 2]")}) {
        const CommandRun run = undump(text);
        EXPECT_EQ(run.status, 2) << text.toStdString();
        EXPECT_EQ(ReadFile(archive), image) << text.toStdString();
    }
    // Longer than any level's text (a sparse file): refused by its size as unreadable.
    ASSERT_EQ(truncate(json.c_str(), static_cast<off_t>(kLevelTextLimit) + 1), 0);
    const CommandRun huge = Call(UndumpLevel, {archive, "2000", json});
    EXPECT_EQ(huge.status, 2);
    EXPECT_NE(huge.err.find("cannot read " + json + ": " + SystemReason(EFBIG)), std::string::npos)
        << huge.err;
    EXPECT_EQ(ReadFile(archive), image);
}

// Nothing is cut to fit a slot and nothing is given twice: such a file is refused as insert refuses
// a level file, and the archive keeps every byte.
TEST_F(Undump, RefusesALevelBeyondItsSlotAndAFieldGivenTwice) {
    ArchiveBuilder builder;
    builder.addLevel(2000, MakeFullLevel());
    builder.addLevel(2001, PatternBytes(300, 5));
    image = builder.build();
    ASSERT_TRUE(WriteFile(archive, image));
    const auto text = [](const QJsonValue &value) {
        return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    };
    const auto inserted = [&](const char *after, const char *what) {
        QByteArray changed = text(level);
        return changed.insert(changed.indexOf(after) + qstrlen(after), what);
    };
    const struct {
        const char *name;
        QByteArray text;
        const char *id;
        const char *message;
    } cases[] = {
        {"rest beyond a full slot", text(With(level, {"rest"}, "e0")), "2000",
         "has 11067 bytes, more than the 11066 of slot 2000"},
        {"level beyond a short slot", text(With(level, {"rooms", 31, "tiles", 0, 0}, 5)), "2001",
         "has 11066 bytes, more than the 300 of slot 2001"},
        {"field twice", inserted("{", "\"type\":6,"), "2000", "type: given twice"},
        {"field twice, once escaped", inserted("{", "\"typ\\u0065\":6,"), "2000",
         "type: given twice"},
        {"field twice in a room", inserted("\"neighbours\":{", "\"left\":3,"), "2000",
         "rooms[0].neighbours.left: given twice"},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(WriteFile(json, Bytes(c.text.begin(), c.text.end())));
        const CommandRun run =
            Call(UndumpLevel, {archive, c.id, json, "--program-dir", ShippedProgramDir()});
        EXPECT_EQ(run.status, 2) << c.name;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
        EXPECT_EQ(ReadFile(archive), image) << c.name;
    }
}

} // namespace
} // namespace qv2

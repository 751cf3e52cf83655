#include "cli/archive_commands.h"
#include "level/archive.h"
#include "level/archive_file.h"
#include "support/archive_builder.h"
#include "support/command_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qv2 {
namespace {

constexpr std::uint32_t kPict = 0x54434950;

// An archive of 25 bytes whose one level entry points at the archive's own header: index at 4,
// one type with tag 0 and its table at index + 8, one entry: id 2000, data at 0, 3 bytes.
const Bytes kLevelOnTheHeader = {0x04, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00,
                                 0x00, 0x08, 0x00, 0x01, 0x00, 0xD0, 0x07, 0x00, 0x00,
                                 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00};

// Levels 2000 (good), 2005 (bad checksum) and 2000 again, after a picture resource.
ArchiveBuilder ThreeEntries() {
    ArchiveBuilder builder;
    builder.addResource(builder.addType(kPict), 2000, PatternBytes(9, 1));
    builder.addLevel(2000, PatternBytes(40, 2));
    builder.addLevel(2005, PatternBytes(30, 3), Checksum::Bad);
    builder.addLevel(2000, PatternBytes(20, 4));
    return builder;
}

TEST(ListCommand, PrintsEveryEntryInTableOrder) {
    const ArchiveBuilder builder = ThreeEntries();
    const ArchiveOnDisk archive(builder);
    const CommandRun run = Call(ListLevels, {archive.path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    std::ostringstream expected;
    expected << "2000 " << builder.dataOffsetOf(1, 0) << " 40 ok\n"
             << "2005 " << builder.dataOffsetOf(1, 1) << " 30 bad\n"
             << "2000 " << builder.dataOffsetOf(1, 2) << " 20 ok\n";
    EXPECT_EQ(run.out, expected.str());
}

TEST(ListCommand, Failures) {
    const ArchiveBuilder builder = ThreeEntries();
    const ArchiveOnDisk archive(builder);
    ArchiveBuilder pictures;
    pictures.addResource(pictures.addType(kPict), 1, PatternBytes(4, 1));
    ArchiveBuilder beyond;
    beyond.addLevel(2000, PatternBytes(10, 1));
    beyond.addLevel(2001, PatternBytes(10, 2));
    beyond.setDataSize(0, 1, 500);

    struct Case {
        const char *name;
        CommandArgs args;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"no arguments", {}, 2, ""},
        {"two archives", {archive.path, archive.path}, 2, ""},
        {"missing file", {archive.folder.file("none.dat")}, 2, ""},
        {"no level table", {archive.write("pictures.dat", pictures.build())}, 1, ""},
        {"data past the end",
         {archive.write("beyond.dat", beyond.build())},
         2,
         "2000 4 10 ok\n2001 15 500 damaged\n"},
        {"level on the archive's header",
         {archive.write("header.dat", kLevelOnTheHeader)},
         2,
         "2000 0 3 damaged\n"},
        {"character device", {"/dev/zero"}, 2, ""},
    };
    for (const Case &c : cases) {
        const CommandRun run = Call(ListLevels, c.args);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_EQ(run.out, c.out) << c.name;
        EXPECT_NE(run.err, "") << c.name;
    }
}

// The archive is read only where its fields are; what a damaged one tells stays word for word.
TEST(ArchiveCommands, DamagedArchivesGiveTheirMessages) {
    const ArchiveBuilder builder = ThreeEntries();
    const ArchiveOnDisk archive(builder);
    Bytes cut = archive.image;
    cut.resize(builder.dataOffsetOf(1, 0) + 10);
    const std::string cutPath = archive.write("cut.dat", cut);
    const std::string onHeader = archive.write("header.dat", kLevelOnTheHeader);
    const std::string out = archive.folder.file("out.bin");
    const auto damaged = [](const std::string &path) {
        return "qv2lev: " + path +
               " is damaged: its index, level table or level data runs past the end or over one "
               "another\n";
    };
    struct Case {
        const char *name;
        CommandFunction command;
        CommandArgs args;
        std::string err;
    };
    const Case cases[] = {
        {"list, level cut short", ListLevels, {cutPath}, damaged(cutPath)},
        {"list, level on the header", ListLevels, {onHeader}, damaged(onHeader)},
        {"extract, level cut short", ExtractLevel, {cutPath, "2000", out}, damaged(cutPath)},
        {"extract, level on the header", ExtractLevel, {onHeader, "2000", out}, damaged(onHeader)},
        {"extract, bad checksum",
         ExtractLevel,
         {archive.path, "2005", out},
         "qv2lev: warning: level 2005 has a checksum byte that does not match\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Call(c.command, c.args).err, c.err) << c.name;
}

TEST(ExtractCommand, WritesTheFirstMatchingLevelWithoutItsChecksumByte) {
    const ArchiveBuilder builder = ThreeEntries();
    const ArchiveOnDisk archive(builder);
    const std::string file = archive.folder.file("level.bin");
    const CommandRun run = Call(ExtractLevel, {archive.path, "2000", file});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadFile(file), PatternBytes(40, 2));

    const CommandRun bad = Call(ExtractLevel, {archive.path, "2005", file});
    EXPECT_EQ(bad.status, 0);
    EXPECT_NE(bad.err.find("checksum"), std::string::npos);
    EXPECT_EQ(ReadFile(file), PatternBytes(30, 3));
}

TEST(ExtractCommand, Failures) {
    const ArchiveBuilder builder = ThreeEntries();
    const ArchiveOnDisk archive(builder);
    ArchiveBuilder pictures;
    pictures.addResource(pictures.addType(kPict), 2000, PatternBytes(4, 1));
    const std::string noTable = archive.write("pictures.dat", pictures.build());
    Bytes cut = archive.image;
    cut.resize(builder.dataOffsetOf(1, 0) + 10);
    const std::string damaged = archive.write("cut.dat", cut);
    const std::string out = archive.folder.file("out.bin");

    struct Case {
        const char *name;
        CommandArgs args;
        int status;
    };
    const Case cases[] = {
        {"too few arguments", {archive.path, "2000"}, 2},
        {"id with letters", {archive.path, "20x0", out}, 2},
        {"negative id", {archive.path, "-1", out}, 2},
        {"id beyond 16 bits", {archive.path, "65536", out}, 2},
        {"minus zero", {archive.path, "-0", out}, 2},
        {"plus sign", {archive.path, "+2000", out}, 2},
        {"empty id", {archive.path, "", out}, 2},
        {"missing archive", {archive.folder.file("none.dat"), "2000", out}, 2},
        {"damaged archive", {damaged, "2000", out}, 2},
        {"no such id", {archive.path, "2001", out}, 1},
        {"no level table", {noTable, "2000", out}, 1},
        {"folder of the output missing",
         {archive.path, "2000", archive.folder.file("no/out.bin")},
         2},
    };
    for (const Case &c : cases) {
        const CommandRun run = Call(ExtractLevel, c.args);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_NE(run.err, "") << c.name;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.name;
    }
}

TEST(InsertCommand, ChangesOnlyTheSlotAndGivesAGoodChecksum) {
    const ArchiveBuilder builder = ThreeEntries();
    const ArchiveOnDisk archive(builder);
    const std::string file = archive.write("level.bin", Bytes(30, 0x5A));
    const CommandRun run = Call(InsertLevel, {archive.path, "2005", file});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "qv2lev: warning: the level is only 30 bytes long; a full level has 11066 bytes\n");

    Bytes expected = archive.image;
    const std::uint32_t slot = builder.dataOffsetOf(1, 1);
    std::fill_n(expected.begin() + slot + 1, 30, 0x5A);
    expected[slot] = ChecksumByteFor(expected.data() + slot + 1, 30);
    EXPECT_EQ(ReadFile(archive.path), expected);
}

TEST(InsertCommand, FailuresLeaveTheArchiveUnchanged) {
    const ArchiveBuilder builder = ThreeEntries();
    const ArchiveOnDisk archive(builder);
    const std::string file = archive.write("level.bin", Bytes(30, 0x5A));
    struct Case {
        const char *name;
        CommandArgs args;
        int status;
    };
    const Case cases[] = {
        {"too many arguments", {archive.path, "2000", file, file}, 2},
        {"bad id", {archive.path, "level", file}, 2},
        {"missing level file", {archive.path, "2000", archive.folder.file("none.bin")}, 2},
        {"no such id", {archive.path, "2013", file}, 1},
    };
    for (const Case &c : cases) {
        const CommandRun run = Call(InsertLevel, c.args);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_NE(run.err, "") << c.name;
        EXPECT_EQ(ReadFile(archive.path), archive.image) << c.name;
    }
    const CommandRun missing = Call(InsertLevel, {archive.folder.file("none.dat"), "2000", file});
    EXPECT_EQ(missing.status, 2);
    EXPECT_FALSE(std::filesystem::exists(archive.folder.file("none.dat")));

    const std::string onHeader = archive.write("header.dat", kLevelOnTheHeader);
    const std::string three = archive.write("three.bin", Bytes(3, 0x5A));
    const CommandRun damaged = Call(InsertLevel, {onHeader, "2000", three});
    EXPECT_EQ(damaged.status, 2);
    EXPECT_EQ(ReadFile(onHeader), kLevelOnTheHeader);
}

TEST(InsertCommand, TakesALevelFileNoLongerThanTheSlot) {
    struct Case {
        const char *name;
        std::size_t size;
        int status;
        bool written;
    };
    const Case cases[] = {
        {"longer than the slot", 31, 2, false},
        {"empty", 0, 2, false},
        {"shorter than the slot", 10, 0, true},
    };
    for (const Case &c : cases) {
        const ArchiveBuilder builder = ThreeEntries();
        const ArchiveOnDisk archive(builder);
        const std::string file = archive.write("level.bin", Bytes(c.size, 0x5A));
        const CommandRun run = Call(InsertLevel, {archive.path, "2005", file});
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_NE(run.err, "") << c.name; // the refusal, or the warning about a short level
        Bytes expected = archive.image;
        if (c.written) {
            // Written as the editor writes a short level: the rest of the slot stays as it was.
            const std::uint32_t slot = builder.dataOffsetOf(1, 1);
            std::fill_n(expected.begin() + slot + 1, c.size, 0x5A);
            expected[slot] = ChecksumByteFor(expected.data() + slot + 1, 30);
        }
        EXPECT_EQ(ReadFile(archive.path), expected) << c.name;
    }
}

TEST(ExtractCommand, WritesIntoPipesAndDevicesWithoutReplacingThem) {
    const ArchiveBuilder builder = ThreeEntries();
    const ArchiveOnDisk archive(builder);

    // Standard output.
    const CommandRun toOut = Call(ExtractLevel, {archive.path, "2000", "-"});
    EXPECT_EQ(toOut.status, 0);
    const Bytes level = PatternBytes(40, 2);
    EXPECT_EQ(toOut.out, std::string(level.begin(), level.end()));

    // A pipe with a reader waiting; it must still be the pipe afterwards and deliver the level.
    const std::string pipe = archive.folder.file("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(Call(ExtractLevel, {archive.path, "2000", pipe}).status, 0);
    Bytes received(100);
    const ssize_t got = read(reader, received.data(), received.size());
    close(reader);
    received.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    EXPECT_EQ(received, level);
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));

    // A device of our own, where this user may make one (a null device takes anything).
    const std::string device = archive.folder.file("null");
    if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        EXPECT_EQ(Call(ExtractLevel, {archive.path, "2000", device}).status, 0);
        EXPECT_TRUE(std::filesystem::is_character_file(device));
    }
}

// The program itself: dispatch on the first argument, output on stdout, status as exit code.
TEST(Qv2levProgram, DispatchesOnTheCommandName) {
    const ArchiveBuilder builder = ThreeEntries();
    const ArchiveOnDisk archive(builder);
    const std::string out = archive.folder.file("stdout.txt");
    const auto run = [&](const std::string &arguments) {
        const std::string line =
            std::string(QV2LEV_PATH) + " " + arguments + " >" + out + " 2>/dev/null";
        const int status = std::system(line.c_str());
        return WEXITSTATUS(status);
    };
    EXPECT_EQ(run(""), 2);
    EXPECT_EQ(run("unpack " + archive.path), 2);
    EXPECT_EQ(run("insert " + archive.path + " 2001 " + archive.path), 1);
    ASSERT_EQ(run("list " + archive.path), 0);
    const Bytes listed = ReadFile(out).value();
    EXPECT_EQ(std::string(listed.begin(), listed.end()), Call(ListLevels, {archive.path}).out);

    // "-" is standard input for insert.
    const std::string level = archive.write("level.bin", Bytes(40, 0x33));
    EXPECT_EQ(run("insert " + archive.path + " 2000 - <" + level), 0);
    LevelStore inserted;
    EXPECT_EQ(OpenLevelFromArchive(archive.path, 2000, inserted).outcome, ArchiveOutcome::Done);
    EXPECT_EQ(inserted.bytes(), Bytes(40, 0x33));
}

// Input without end, or larger than any archive, is not read whole. The memory limit only makes a
// program that would read on fail quickly instead of exhausting the machine.
TEST(Qv2levProgram, ReadsNoMoreThanAnArchiveOrASlotCanHold) {
    const ArchiveBuilder builder = ThreeEntries();
    const ArchiveOnDisk archive(builder);
    const std::string huge = archive.folder.file("huge.dat");
    std::filesystem::resize_file(archive.write("huge.dat", {}), kLargestArchive + 1); // sparse
    const std::string memoryLimit =
#if defined(__SANITIZE_ADDRESS__)
        "";
#else
        "ulimit -v 1000000; ";
#endif
    const auto run = [&](const std::string &arguments) {
        const std::string line = memoryLimit + QV2LEV_PATH + " " + arguments + " >/dev/null 2>&1";
        return WEXITSTATUS(std::system(line.c_str()));
    };
    EXPECT_EQ(run("list /dev/zero"), 2);
    EXPECT_EQ(run("list " + huge), 2);
    EXPECT_EQ(run("insert " + archive.path + " 2000 /dev/zero"), 2);
    EXPECT_EQ(ReadFile(archive.path), archive.image);
}

} // namespace
} // namespace qv2

#include "cli/archive_commands.h"
#include "level/archive.h"
#include "support/archive_builder.h"
#include "support/command_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include <sys/wait.h>

namespace qv2 {
namespace {

constexpr std::uint32_t kPict = 0x54434950;

// Levels 2000 (good), 2005 (bad checksum) and 2000 again, after a picture resource.
ArchiveBuilder ThreeEntries()
{
    ArchiveBuilder builder;
    builder.addResource(builder.addType(kPict), 2000, PatternBytes(9, 1));
    builder.addLevel(2000, PatternBytes(40, 2));
    builder.addLevel(2005, PatternBytes(30, 3), Checksum::Bad);
    builder.addLevel(2000, PatternBytes(20, 4));
    return builder;
}

TEST(ListCommand, PrintsEveryEntryInTableOrder)
{
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

TEST(ListCommand, Failures)
{
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
    };
    for (const Case &c : cases) {
        const CommandRun run = Call(ListLevels, c.args);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_EQ(run.out, c.out) << c.name;
        EXPECT_NE(run.err, "") << c.name;
    }
}

TEST(ExtractCommand, WritesTheFirstMatchingLevelWithoutItsChecksumByte)
{
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

TEST(ExtractCommand, Failures)
{
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
        {"empty id", {archive.path, "", out}, 2},
        {"missing archive", {archive.folder.file("none.dat"), "2000", out}, 2},
        {"damaged archive", {damaged, "2000", out}, 2},
        {"no such id", {archive.path, "2001", out}, 1},
        {"no level table", {noTable, "2000", out}, 1},
        {"folder of the output missing", {archive.path, "2000", archive.folder.file("no/out.bin")}, 2},
    };
    for (const Case &c : cases) {
        const CommandRun run = Call(ExtractLevel, c.args);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_NE(run.err, "") << c.name;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.name;
    }
}

TEST(InsertCommand, ChangesOnlyTheSlotAndGivesAGoodChecksum)
{
    const ArchiveBuilder builder = ThreeEntries();
    const ArchiveOnDisk archive(builder);
    const std::string file = archive.write("level.bin", Bytes(30, 0x5A));
    const CommandRun run = Call(InsertLevel, {archive.path, "2005", file});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");

    Bytes expected = archive.image;
    const std::uint32_t slot = builder.dataOffsetOf(1, 1);
    std::fill_n(expected.begin() + slot + 1, 30, 0x5A);
    expected[slot] = ChecksumByteFor(expected.data() + slot + 1, 30);
    EXPECT_EQ(ReadFile(archive.path), expected);
}

TEST(InsertCommand, FailuresLeaveTheArchiveUnchanged)
{
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
}

// The program itself: dispatch on the first argument, output on stdout, status as exit code.
TEST(Qv2levProgram, DispatchesOnTheCommandName)
{
    const ArchiveBuilder builder = ThreeEntries();
    const ArchiveOnDisk archive(builder);
    const std::string out = archive.folder.file("stdout.txt");
    const auto run = [&](const std::string &arguments) {
        const std::string line = std::string(QV2LEV_PATH) + " " + arguments + " >" + out + " 2>/dev/null";
        const int status = std::system(line.c_str());
        return WEXITSTATUS(status);
    };
    EXPECT_EQ(run(""), 2);
    EXPECT_EQ(run("unpack " + archive.path), 2);
    EXPECT_EQ(run("insert " + archive.path + " 2001 " + archive.path), 1);
    ASSERT_EQ(run("list " + archive.path), 0);
    const Bytes listed = ReadFile(out).value();
    EXPECT_EQ(std::string(listed.begin(), listed.end()), Call(ListLevels, {archive.path}).out);
}

} // namespace
} // namespace qv2

#include "cli/check_command.h"
#include "cli/overview_command.h"
#include "inspect/overview_map.h"
#include "inspect/overview_picture.h"
#include "inspect/rule_engine.h"
#include "level/level_layout.h"
#include "level/read_limits.h"
#include "support/archive_builder.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace qv2 {
namespace {

// Level 2000: rooms 1 and 2 side by side, room 2 with walls at places 4 and 5. The program folder
// names its own language file, whose texts the check prints.
struct InspectCommands : ::testing::Test {
    TempFolder folder;
    std::string archive = folder.file("qasvar.dat");
    std::string programDir = folder.file("program");
    LevelStore level;

    InspectCommands() {
        Bytes bytes = MakeFullLevel(LevelSketch{.startRoom = 1});
        bytes[NeighbourAt(1, SideRight)] = 2;
        bytes[NeighbourAt(2, SideLeft)] = 1;
        bytes[TileKindAt(2, 0, 4)] = bytes[TileKindAt(2, 0, 5)] = 0x14;
        level = LevelStore(bytes);
        ArchiveBuilder builder;
        builder.addLevel(2000, bytes);
        bytes[NeighbourAt(2, SideDown)] = 40;
        builder.addLevel(2005, bytes);
        EXPECT_TRUE(WriteFile(archive, builder.build()));
        std::filesystem::create_directories(programDir + "/texts");
        write("texts/Qv2LevEd.ini", "lang=test.ini\n");
        write("texts/test.ini", "[texts]\nerr=%s in %d at %d\nwall=Wall\ninvalid=Bad byte %d\n"
                                "cantread=Cannot read %s\nlongkey=Long key at %d\n"
                                "badneighbour=Room %d %s %d\nsides=left,right,up,down\n");
        write("texts/errors.txt", "mwall t14 ;.");
        write("dot.txt", ".");
        write("x.txt", "x");
        write("long.txt", "m" + std::string(kMaxRuleKeyLength + 1, 'k') + " ;");
    }
    void write(const std::string &name, const std::string &text) {
        EXPECT_TRUE(WriteFile(programDir + "/" + name, Bytes(text.begin(), text.end())));
    }
    struct Run {
        int status;
        std::string out;
        std::string err;
    };
    static Run call(CommandFunction command, const CommandArgs &args) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = command(args, out, err);
        return {status, out.str(), err.str()};
    }
    // A row of a check table: what check prints and its status for the arguments.
    struct CheckCase {
        const char *name;
        CommandArgs args;
        int status;
        std::string out;
        std::string err; // a part of the message on standard error
    };
    template <std::size_t N> static void ExpectChecks(const CheckCase (&cases)[N]) {
        for (const CheckCase &c : cases) {
            const Run run = call(CheckLevel, c.args);
            EXPECT_EQ(run.status, c.status) << c.name;
            EXPECT_EQ(run.out, c.out) << c.name;
            EXPECT_NE(run.err.find(c.err), std::string::npos) << c.name << ": " << run.err;
        }
    }
};

TEST_F(InspectCommands, CheckPrintsTheResultListAndTellsByItsStatus) {
    const std::string dirOption = "--program-dir";
    const std::string dot = programDir + "/dot.txt";
    const std::string x = programDir + "/x.txt";
    const std::string huge = programDir + "/huge.txt"; // sparse: refused by its size
    write("huge.txt", "");
    ASSERT_EQ(truncate(huge.c_str(), static_cast<off_t>(kRuleScriptLimit) + 1), 0);
    const CheckCase cases[] = {
        {"reports",
         {archive, "2000", dirOption, programDir},
         1,
         "Wall in 2 at 4\nWall in 2 at 5\n",
         ""},
        {"a neighbour that is no room first",
         {archive, "2005", dirOption, programDir},
         1,
         "Room 2 down 40\nWall in 2 at 4\nWall in 2 at 5\n",
         ""},
        {"nothing found", {archive, "2000", "--rules", dot, dirOption, programDir}, 0, "", ""},
        {"invalid script",
         {archive, "2000", dirOption, programDir, "--rules", x},
         2,
         "",
         "Bad byte 120"},
        {"unreadable script",
         {archive, "2000", dirOption, programDir, "--rules", programDir},
         2,
         "",
         "Cannot read " + programDir},
        {"key beyond the limit",
         {archive, "2000", dirOption, programDir, "--rules", programDir + "/long.txt"},
         2,
         "",
         "Long key at 1"},
        {"script beyond the limit",
         {archive, "2000", dirOption, programDir, "--rules", huge},
         2,
         "",
         "Cannot read " + huge},
        {"no language file: the built-in texts tell",
         {archive, "2000", dirOption, programDir + "/none"},
         2,
         "",
         "A fájl nem olvasható: " + programDir + "/none/texts/errors.txt"},
        {"no such level", {archive, "2001", dirOption, programDir}, 2, "", "no level 2001"},
        {"no id", {archive, dirOption, programDir}, 2, "", "usage"},
        {"unknown option", {archive, "2000", "--dir", programDir}, 2, "", "usage"},
        {"option twice", {archive, "2000", "--rules", "a", "--rules", "b"}, 2, "", "usage"},
        {"option without value", {archive, "2000", "--rules"}, 2, "", "usage"},
    };
    ExpectChecks(cases);
}

// check --all: every level of the table, each report after its level id, 1 when any has one.
TEST_F(InspectCommands, CheckAllChecksEveryLevel) {
    ArchiveBuilder builder;
    builder.addLevel(2000, level.bytes());
    builder.addLevel(2001, MakeFullLevel(LevelSketch{.startRoom = 1}));
    builder.addLevel(2005, level.bytes(), Checksum::Bad);
    const std::string three = folder.file("three.dat");
    ASSERT_TRUE(WriteFile(three, builder.build()));
    builder.setDataSize(0, 1, 30000);
    const std::string damaged = folder.file("damaged.dat");
    ASSERT_TRUE(WriteFile(damaged, builder.build()));
    ArchiveBuilder pictures;
    pictures.addResource(pictures.addType(0x54434950), 2000, PatternBytes(4, 1));
    const std::string noTable = folder.file("pictures.dat");
    ASSERT_TRUE(WriteFile(noTable, pictures.build()));
    const std::string dirOption = "--program-dir=" + programDir;
    const CheckCase cases[] = {
        {"reports of two levels",
         {three, "--all", dirOption},
         1,
         "2000: Wall in 2 at 4\n2000: Wall in 2 at 5\n2005: Wall in 2 at 4\n2005: Wall in 2 at 5\n",
         "warning: level 2005 has a checksum byte"},
        {"nothing found",
         {"--all", three, dirOption, "--rules", programDir + "/dot.txt"},
         0,
         "",
         ""},
        {"damaged archive", {damaged, "--all", dirOption}, 2, "", "is damaged"},
        {"no level table", {noTable, "--all", dirOption}, 2, "", "has no level table"},
        {"id and --all", {three, "2000", "--all"}, 2, "", "--all and ID together\nusage"},
        {"neither", {three}, 2, "", "give ID or --all\nusage"},
    };
    ExpectChecks(cases);
}

TEST_F(InspectCommands, OverviewWritesTheWindowsPicture) {
    const std::string png = folder.file("map.png");
    ASSERT_EQ(call(WriteOverview, {archive, "2000", png, "--program-dir", programDir}).status, 0);
    EXPECT_EQ(QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32),
              DrawOverview(BuildOverviewMap(level)));
    EXPECT_EQ(call(WriteOverview, {archive, "2000"}).status, 2);
    EXPECT_EQ(call(WriteOverview, {archive, "2000", folder.file("no/such/map.png")}).status, 2);
}

} // namespace
} // namespace qv2

#include "support/archive_builder.h"
#include "support/command_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace qv2 {
namespace {

const std::string kProgram = QV2LEV_PATH;

// A copy of the sample archive, whose levels draw with the build's pictures.
struct Qv2levProgram : ::testing::Test {
    TempFolder folder;
    std::string archive = folder.file("qasvar.dat");
    Bytes image;

    Qv2levProgram() {
        std::filesystem::copy_file(std::string(std::getenv("QV2_PROGRAM_DIR")) + "qasvar.dat",
                                   archive);
        image = ReadFile(archive).value();
    }
};

// An output file that is the archive itself, under any name, is refused before a byte is written.
TEST_F(Qv2levProgram, RefusesToWriteOverTheArchive) {
    const std::string symbolic = folder.file("link.dat");
    const std::string hard = folder.file("hard.dat");
    std::filesystem::create_symlink(archive, symbolic);
    std::filesystem::create_hard_link(archive, hard);
    std::filesystem::create_directory(folder.file("sub"));
    const struct {
        const char *command;
        std::string output;
    } cases[] = {
        {"extract ARCHIVE 2000", archive},
        {"extract ARCHIVE 2000", symbolic},
        {"render ARCHIVE 2000 1", hard},
        {"overview ARCHIVE 2000", folder.file("sub/../qasvar.dat")},
        {"overview ARCHIVE 2000", symbolic},
    };
    for (const auto &c : cases) {
        std::string command = c.command;
        command.replace(command.find("ARCHIVE"), 7, archive);
        const CommandRun run = RunProgram(kProgram + " " + command + " " + c.output);
        EXPECT_EQ(run.status, 2) << command << " " << c.output;
        EXPECT_NE(run.err.find("itself; nothing was written"), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(archive), image) << command << " " << c.output;
        EXPECT_TRUE(std::filesystem::is_symlink(symbolic));
    }
}

// Output lost on the way (a full disk) ends the program with a message and status 2, whether it
// goes to standard output or into a file.
TEST_F(Qv2levProgram, FailsWhenItsOutputCannotBeWritten) {
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full here";
    const std::string dump = "dump " + archive + " 2000";
    for (const std::string &arguments :
         {"list " + archive, dump, dump + " --json", "extract " + archive + " 2000 -",
          "extract " + archive + " 2000 /dev/full", std::string("help")}) {
        const CommandRun run = RunProgram(kProgram + " " + arguments, "/dev/full");
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("cannot write"), std::string::npos) << arguments << ": " << run.err;
    }
}

// Each command against the table of exit statuses in the help: 0 done, 1 no level table or no
// such level (for check, 1 means something was found and these are 2), 2 wrong usage or a file
// that cannot be read.
TEST_F(Qv2levProgram, ExitStatusesFollowTheTable) {
    ArchiveBuilder pictures;
    pictures.addResource(pictures.addType(0x54434950), 2000, PatternBytes(4, 1));
    const std::string noTable = folder.file("pictures.dat");
    ASSERT_TRUE(WriteFile(noTable, pictures.build()));
    const std::string level = folder.file("level.bin");
    const std::string json = folder.file("level.json");
    ASSERT_EQ(RunProgram(kProgram + " extract " + archive + " 2000 " + level).status, 0);
    ASSERT_EQ(RunProgram(kProgram + " dump --json " + archive + " 2000", json).status, 0);
    ASSERT_TRUE(WriteFile(folder.file("dot.txt"), {'.'}));

    const struct {
        std::string arguments; // after ARCHIVE ID
        int done, noSuchLevel, noTable;
    } commands[] = {
        {"extract A I " + folder.file("out.bin"), 0, 1, 1},
        {"insert A I " + level, 0, 1, 1},
        {"render A I 1 " + folder.file("out.png"), 0, 1, 1},
        {"overview A I " + folder.file("map.png"), 0, 1, 1},
        {"dump A I", 0, 1, 1},
        {"dump A I --json", 0, 1, 1},
        {"undump A I " + json, 0, 1, 1},
        {"check A I --rules " + folder.file("dot.txt"), 0, 2, 2},
        {"list A", 0, 0, 1},
    };
    for (const auto &c : commands) {
        const auto run = [&](const std::string &file, const char *id, const std::string &extra) {
            std::string arguments = c.arguments;
            arguments.replace(arguments.find('A'), 1, file);
            if (const auto at = arguments.find(" I"); at != std::string::npos)
                arguments.replace(at + 1, 1, id);
            return RunProgram(kProgram + " " + arguments + extra).status;
        };
        EXPECT_EQ(run(archive, "2000", ""), c.done) << c.arguments;
        EXPECT_EQ(run(archive, "2999", ""), c.noSuchLevel) << c.arguments;
        EXPECT_EQ(run(noTable, "2000", ""), c.noTable) << c.arguments;
        EXPECT_EQ(run(folder.file("none.dat"), "2000", ""), 2) << c.arguments;
        EXPECT_EQ(run(archive, "2000", " surplus"), 2) << c.arguments;
    }
    EXPECT_EQ(ReadFile(archive), image);
}

// Run from a service or cron job (no runtime folder, no display), a command prints only its own
// output and messages: nothing from Qt.
TEST_F(Qv2levProgram, PrintsNothingButItsOwnWords) {
    const std::string bare = "env -u XDG_RUNTIME_DIR -u QT_QPA_PLATFORM -u DISPLAY " + kProgram;
    for (const std::string &arguments :
         {"render " + archive + " 2000 1 " + folder.file("room.png"),
          "overview " + archive + " 2000 " + folder.file("map.png"), "dump " + archive + " 2000",
          "check " + archive + " --all --rules " + folder.file("none.txt")}) {
        const CommandRun run = RunProgram(bare + " " + arguments);
        EXPECT_EQ(run.err.find("Q"), std::string::npos) << arguments << ": " << run.err;
        EXPECT_EQ(run.err.find("qt."), std::string::npos) << arguments << ": " << run.err;
    }
}

// Only the commands that draw load Qt's GUI library (through the drawing program; Qt Widgets needs
// it too); the others start as fast as a Qt Core program does.
TEST_F(Qv2levProgram, LoadsTheGuiLibraryOnlyToDraw) {
    const std::string level = folder.file("level.bin");
    const std::string json = folder.file("level.json");
    ASSERT_EQ(RunProgram(kProgram + " extract " + archive + " 2000 " + level).status, 0);
    ASSERT_EQ(RunProgram(kProgram + " dump --json " + archive + " 2000", json).status, 0);
    const struct {
        std::string arguments;
        bool draws;
    } commands[] = {
        {"list " + archive, false},
        {"extract " + archive + " 2000 " + folder.file("out.bin"), false},
        {"insert " + archive + " 2000 " + level, false},
        {"dump " + archive + " 2000", false},
        {"undump " + archive + " 2000 " + json, false},
        {"check " + archive + " 2000", false},
        {"help", false},
        {"render " + archive + " 2000 1 " + folder.file("room.png"), true},
        {"overview " + archive + " 2000 " + folder.file("map.png"), true},
    };
    for (const auto &c : commands) {
        const CommandRun run = RunProgram("LD_DEBUG=libs " + kProgram + " " + c.arguments);
        EXPECT_LE(run.status, 1) << c.arguments; // check gives 1 for what it finds
        EXPECT_EQ(run.err.find("libQt6Gui") != std::string::npos, c.draws) << c.arguments;
    }
}

} // namespace
} // namespace qv2

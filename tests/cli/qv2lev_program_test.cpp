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

} // namespace
} // namespace qv2

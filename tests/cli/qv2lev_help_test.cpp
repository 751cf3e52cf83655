#include "support/archive_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <sys/wait.h>

namespace qv2 {
namespace {

// The program's own options: help on stdout with status 0, wrong usage on stderr with status 2.
TEST(Qv2levProgram, HelpVersionAndUnknownOptions) {
    const TempFolder folder;
    struct Case {
        const char *arguments;
        int status;
        const char *out; // found on stdout
        const char *err; // found on stderr
    };
    const Case cases[] = {
        {"--help", 0, "qv2lev undump ARCHIVE ID FILE.json", ""},
        {"help", 0, "qv2lev dump ARCHIVE ID [--json]", ""},
        {"help undump", 0, "usage: qv2lev undump ARCHIVE ID FILE.json", ""},
        {"help list", 0, "ID OFFSET SIZE ok|bad|damaged", ""},
        {"dump --help", 0, "usage: qv2lev dump ARCHIVE ID", ""},
        {"--version", 0, "qv2lev " QV2_VERSION "\n", ""},
        {"-v", 0, "qv2lev " QV2_VERSION "\n", ""},
        {"", 2, "", "no command given"},
        {"--frobnicate", 2, "", "unknown option 'frobnicate'"},
        {"help unpack", 2, "", "unknown command \"unpack\""},
        {"help list dump", 2, "", "too many arguments"},
    };
    for (const Case &c : cases) {
        const std::string out = folder.file("out.txt");
        const std::string err = folder.file("err.txt");
        const std::string line =
            std::string(QV2LEV_PATH) + " " + c.arguments + " >" + out + " 2>" + err;
        EXPECT_EQ(WEXITSTATUS(std::system(line.c_str())), c.status) << c.arguments;
        const Bytes printed = ReadFile(out).value();
        const Bytes told = ReadFile(err).value();
        EXPECT_NE(std::string(printed.begin(), printed.end()).find(c.out), std::string::npos)
            << c.arguments;
        EXPECT_NE(std::string(told.begin(), told.end()).find(c.err), std::string::npos)
            << c.arguments;
    }
}

} // namespace
} // namespace qv2

#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qv2 {
namespace {

// Every command reads its arguments with the one parser: options anywhere and as --name=VALUE,
// operands after --, bytes of any encoding kept, and wrong usage told in the same words with the
// command's usage.
TEST(CommandLine, ReadsEveryCommandAlike) {
    using Operands = std::vector<std::string>;
    const struct {
        const char *name;
        const char *command;
        CommandArgs args;
        Operands operands;     // when the command may run
        const char *directory; // --program-dir's value, "" when not given
        const char *err;       // when it may not: part of the message
    } cases[] = {
        {"option before the operands",
         "render",
         {"--program-dir", "d", "a", "1", "2", "f"},
         {"a", "1", "2", "f"},
         "d",
         ""},
        {"option with =",
         "overview",
         {"a", "1", "f", "--program-dir=d/e"},
         {"a", "1", "f"},
         "d/e",
         ""},
        {"operand with a dash after --",
         "extract",
         {"a", "1", "--", "-out"},
         {"a", "1", "-out"},
         "",
         ""},
        {"standard stream", "insert", {"a", "1", "-"}, {"a", "1", "-"}, "", ""},
        {"bytes of no encoding", "list", {"\xff\xfe.dat"}, {"\xff\xfe.dat"}, "", ""},
        {"option twice",
         "check",
         {"a", "1", "--rules", "x", "--rules=y"},
         {},
         "",
         "option --rules given twice"},
        {"option without value",
         "check",
         {"a", "1", "--rules"},
         {},
         "",
         "missing value after '--rules'"},
        {"switch with a value",
         "dump",
         {"a", "1", "--json=yes"},
         {},
         "",
         "unexpected value after '--json'"},
        {"unknown option", "undump", {"a", "1", "f", "--frob"}, {}, "", "unknown option 'frob'"},
        {"an option of another command", "list", {"a", "--json"}, {}, "", "unknown option 'json'"},
        {"switch after -- is an operand",
         "dump",
         {"a", "1", "--", "--json"},
         {},
         "",
         "too many arguments"},
        {"too few", "list", {}, {}, "", "too few arguments"},
        {"level id beyond 16 bits",
         "overview",
         {"a", "65536", "f"},
         {},
         "",
         "\"65536\" is not a level id (a number from 0 to 65535)"},
    };
    for (const auto &c : cases) {
        std::ostringstream out;
        std::ostringstream err;
        const CommandLine line(c.command, c.args, out, err);
        if (c.operands.empty()) {
            EXPECT_EQ(line.finished(), kExitFailed) << c.name;
            EXPECT_EQ(err.str().rfind(std::string("qv2lev: ") + c.err + "\nusage: qv2lev " +
                                          c.command + ' ',
                                      0),
                      0u)
                << c.name << ": " << err.str();
            continue;
        }
        ASSERT_FALSE(line.finished()) << c.name << ": " << err.str();
        Operands operands;
        for (std::size_t i = 0; i < line.operandCount(); ++i)
            operands.push_back(line.operand(i));
        EXPECT_EQ(operands, c.operands) << c.name;
        EXPECT_EQ(line.option("program-dir").value_or(""), c.directory) << c.name;
    }
}

} // namespace
} // namespace qv2

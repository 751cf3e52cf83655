#include "inspect/rule_engine.h"

#include "level/level_layout.h"
#include "support/archive_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace qv2 {

// Found by the test framework next to RuleReport, so that failures name the reports.
void PrintTo(const RuleReport &report, std::ostream *out) {
    *out << "room " << report.room << " place " << report.place << " \"" << report.messageKey.text()
         << '"';
}

namespace {

using Poke = std::pair<std::size_t, std::uint8_t>;

// Rooms 1 - 2 side by side, 3 under 2; room 4 links to room 1 but nothing links to it. Every tile
// is empty but room 2's wall at row 1, column 0 (place 10), room 3's lava at place 29 and room 4's
// wall at place 0.
LevelStore Level(const std::vector<Poke> &pokes) {
    Bytes bytes = MakeFullLevel(LevelSketch{.startRoom = 1, .levelType = 3});
    for (const auto &[offset, value] : std::vector<Poke>{{NeighbourAt(1, SideRight), 2},
                                                         {NeighbourAt(2, SideLeft), 1},
                                                         {NeighbourAt(2, SideDown), 3},
                                                         {NeighbourAt(3, SideUp), 2},
                                                         {NeighbourAt(4, SideRight), 1},
                                                         {TileKindAt(2, 1, 0), 0x14},
                                                         {TileKindAt(3, 2, 9), 0x17},
                                                         {TileKindAt(4, 0, 0), 0x14}})
        bytes[offset] = value;
    for (const auto &[offset, value] : pokes)
        bytes[offset] = value;
    return LevelStore(std::move(bytes));
}

struct Case {
    const char *name;
    std::string script;
    std::vector<RuleReport> reports; // checked unless count is given
    int count = -1;
    std::vector<Poke> pokes = {};
    ScriptFault fault = ScriptFault::None;
    int faultValue = 0;
};

const std::string kLongestKey(kMaxRuleKeyLength, 'k');

TEST(RuleEngine, RunsTheScriptOverEveryReachableTile) {
    const Case cases[] = {
        {"a rule without tests stops at the 64th report", "ma ;.", {}, 64},
        {"'.' alone reports nothing", ".", {}},
        {"moving right crosses into the right neighbour", "r t14 ;", {{1, 19, ""}}},
        {"no right neighbour: outside, not a wall",
         "r t14 ;",
         {{1, 18, ""}},
         -1,
         {{TileKindAt(1, 1, 9), 0x14}, {NeighbourAt(1, SideRight), 0}}},
        {"a neighbour beyond 32 is no room",
         "t14 r nt0 ;",
         {{2, 9, ""}},
         -1,
         {{TileKindAt(2, 0, 9), 0x14}, {NeighbourAt(2, SideRight), 40}}},
        {"negated test, in room order; room 4 is unreachable",
         "n t0 ;",
         {{2, 10, ""}, {3, 29, ""}}},
        {"two negations cancel", "nnt17 ;", {{3, 29, ""}}},
        {"level type test", "t17 k3 ;", {{3, 29, ""}}},
        {"level type test fails for another type", "t17 k3 ;", {}, -1, {{kLevelTypeOffset, 4}}},
        {"a failed move leaves the cursor in place",
         "l r t1 ;",
         {{1, 0, ""}, {1, 1, ""}},
         -1,
         {{TileKindAt(1, 0, 1), 0x01}}},
        {"up and down cross rooms too",
         "md u t14 ;mu d t17 ;",
         {{2, 20, "d"}, {3, 0, "d"}, {3, 19, "u"}},
         -1,
         {{TileKindAt(2, 2, 0), 0x14}}},
        {"rules report in script order",
         "ma t14 ;mb nt0 ;",
         {{2, 10, "a"}, {2, 10, "b"}, {3, 29, "b"}}},
        {"the key is carried from tile to tile", "t17 ;ma t14 ;", {{2, 10, "a"}, {3, 29, "a"}}},
        {"a key that runs to the end of the script is set", "t14 ;mz", {{2, 10, "z"}}},
        {"no '.' and a number that runs to the end", "t17 ;t17", {{3, 29, ""}}},
        {"no start room examines nothing", "ma ;", {}, -1, {{kStartRoomOffset, 0}}},
        {"a byte that is no command", "ma ;x", {}, -1, {}, ScriptFault::InvalidCommand, 'x'},
        {"a number that is not hexadecimal", "ma ;\n t1g ;", {}, -1, {}, ScriptFault::BadNumber, 7},
        {"an empty number", "t ;", {}, -1, {}, ScriptFault::BadNumber, 1},
        {"an empty number at the end", "ma ;t", {}, -1, {}, ScriptFault::BadNumber, 5},
        {"a tab is part of the number", "t14\t;", {}, -1, {}, ScriptFault::BadNumber, 1},
        {"a number beyond 32 bits", "t100000000 ;", {}, -1, {}, ScriptFault::BadNumber, 1},
        {"a key at the length limit", "m" + kLongestKey + " t17 ;", {{3, 29, kLongestKey.c_str()}}},
        {"a key one byte longer",
         "t17 ;\nm" + kLongestKey + "x ;",
         {},
         -1,
         {},
         ScriptFault::LongKey,
         7},
    };
    for (const Case &c : cases) {
        const LevelStore level = Level(c.pokes);
        const RuleScriptRun run = RunRuleScript(level, Bytes(c.script.begin(), c.script.end()));
        EXPECT_EQ(run.fault, c.fault) << c.name;
        EXPECT_EQ(run.faultValue, c.faultValue) << c.name;
        EXPECT_EQ(run.limitReached, c.count == kMaxRuleReports) << c.name;
        if (c.count >= 0)
            EXPECT_EQ(run.reports.size(), static_cast<std::size_t>(c.count)) << c.name;
        else
            EXPECT_EQ(run.reports, c.reports) << c.name;
    }
}

TEST(RuleEngine, ReportsShareOneCopyOfTheirKey) {
    const std::string script = "m" + kLongestKey + " ;.";
    const RuleScriptRun run = RunRuleScript(Level({}), Bytes(script.begin(), script.end()));
    ASSERT_EQ(run.reports.size(), static_cast<std::size_t>(kMaxRuleReports));
    for (const RuleReport &report : run.reports)
        EXPECT_EQ(&report.messageKey.text(), &run.reports[0].messageKey.text());
}

} // namespace
} // namespace qv2

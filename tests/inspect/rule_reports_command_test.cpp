#include "inspect/rule_reports_command.h"

#include "inspect/problems_dock.h"
#include "level/level_layout.h"
#include "support/archive_builder.h"
#include "support/scripted_modals.h"

#include <QDialog>
#include <QListWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <tuple>

namespace qv2 {
namespace {

// Rooms 1 and 2 side by side and 3 under 2; room 2 holds a wall at place 4 and lava at place 29.
struct RuleReportsCommand : ::testing::Test {
    TempFolder folder;
    EditorState state;
    ScriptedModals modals;
    int refreshes = 0;
    Services services{modals, [this] { ++refreshes; }};

    RuleReportsCommand() {
        Bytes bytes = MakeFullLevel(LevelSketch{.startRoom = 1});
        bytes[NeighbourAt(1, SideRight)] = 2;
        bytes[NeighbourAt(2, SideDown)] = 3;
        bytes[TileKindAt(2, 0, 4)] = 0x14;
        bytes[TileKindAt(2, 2, 9)] = 0x17;
        state.level = LevelStore(std::move(bytes));
        state.levelOpen = true;
        state.room = 1;
        std::filesystem::create_directory(folder.file("texts"));
        state.programDir = QString::fromStdString(folder.path()) + "/";
        state.texts.setLines({"errors=Findings", "err=%s @%d/%d", "toomuch=Too many",
                              "noerr=Nothing found", "invalid=Bad byte %d",
                              "badnumber=Bad number at %d", "cantread=Cannot read %s (%s)",
                              "wall=Wall", "lava=Lava"});
    }
    void writeScript(const std::string &script) {
        ASSERT_TRUE(
            WriteFile(folder.file("texts/errors.txt"), Bytes(script.begin(), script.end())));
    }
};

TEST_F(RuleReportsCommand, ListsTheReportsAndJumpsToTheChosenOne) {
    const struct {
        const char *name;
        std::optional<std::string> script; // nothing: no script file
        int chosenLine;                    // -1 cancels; -2: the list is not shown
        QStringList messages;
        int room, row, column;
    } cases[] = {
        {"OK on the second report", "mwall t14 ;mlava t17 ;", 1, {}, 2, 2, 9},
        {"cancel", "mwall t14 ;", -1, {}, 1, 0, 0},
        {"the line of the limit jumps nowhere", "m ;", 64, {}, 1, 0, 0},
        {"nothing found", ".", -2, {"Nothing found"}, 1, 0, 0},
        {"no command", "x", -2, {"Bad byte 120"}, 1, 0, 0},
        {"no number", "mwall ;t ;", -2, {"Bad number at 8"}, 1, 0, 0},
        {"no script",
         std::nullopt,
         -2,
         {"Cannot read " + state.programDir + "texts/errors.txt (No such file or directory)"},
         1,
         0,
         0},
    };
    for (const auto &c : cases) {
        state.room = 1, state.row = 0, state.column = 0, refreshes = 0;
        modals.messages.clear();
        std::filesystem::remove(folder.file("texts/errors.txt"));
        if (c.script)
            writeScript(*c.script);
        QStringList lines;
        if (c.chosenLine != -2) {
            modals.dialogScripts.push_back([&](QDialog &dialog) {
                auto *list = dialog.findChild<QListWidget *>("dinListBox");
                EXPECT_EQ(list->currentRow(), 0) << c.name;
                for (int i = 0; i < list->count(); ++i)
                    lines.append(list->item(i)->text());
                list->setCurrentRow(c.chosenLine);
                return c.chosenLine >= 0;
            });
        }
        showRuleReports(state, services);
        EXPECT_EQ(modals.messages, c.messages) << c.name;
        EXPECT_EQ(std::tie(state.room, state.row, state.column), std::tie(c.room, c.row, c.column))
            << c.name;
        EXPECT_EQ(refreshes, c.room != 1 ? 1 : 0) << c.name;
        if (c.chosenLine == 1) {
            EXPECT_EQ(lines, QStringList({"Wall @2/4", "Lava @2/29"}));
        }
        if (c.chosenLine == 64) {
            EXPECT_EQ(lines.mid(62), QStringList({" @3/2", " @3/3", "Too many"}));
        }
    }
    EXPECT_EQ(modals.dialogTitles.first(), "Findings");
}

// The script is decoded as the language files are, so a key with letters outside ASCII names the
// same message in both.
TEST_F(RuleReportsCommand, KeysOutsideAsciiMatchTheLanguageFile) {
    state.texts.setLines(QStringList(state.texts.lines()) << QString::fromUtf8("hibaő=Hibás"));
    const struct {
        const char *name;
        std::string script;
        QString shown;  // the first line of the list, or the message
        QString inDock; // the Problems dock's first line
    } cases[] = {
        {"Windows-1250", "mhiba\xF5 ;.", QString::fromUtf8("Hibás @1/0"),
         QString::fromUtf8("Hibás")},
        {"UTF-8 with its mark", "\xEF\xBB\xBFmhiba\xC5\x91 ;.", QString::fromUtf8("Hibás @1/0"),
         QString::fromUtf8("Hibás")},
        {"UTF-8 without its mark is Windows-1250", "mhiba\xC5\x91 ;.", " @1/0", ""},
        {"a bad number counts the mark's bytes", "\xEF\xBB\xBFmx ;t ;", "Bad number at 8",
         "Bad number at 8"},
    };
    ProblemsDock dock(state, services, nullptr);
    const auto &dockList = *dock.findChild<QTreeWidget *>("ProblemsList");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeScript(c.script);
        modals.messages.clear();
        QString first;
        modals.dialogScripts.push_back([&](QDialog &dialog) {
            first = dialog.findChild<QListWidget *>("dinListBox")->item(0)->text();
            return false;
        });
        showRuleReports(state, services);
        if (!modals.messages.isEmpty()) {
            modals.dialogScripts.clear();
            first = modals.messages.first();
        }
        EXPECT_EQ(first, c.shown);
        dock.check();
        EXPECT_EQ(dockList.topLevelItem(0)->text(0), c.inDock);
    }
}

// A neighbour number that is no room is reported before the script's reports, in every room,
// reachable or not; OK on its line shows that room.
TEST_F(RuleReportsCommand, NeighboursThatAreNoRoomComeFirst) {
    state.texts.setLines(QStringList(state.texts.lines()) << "badneighbour=%d %s %d"
                                                          << "sides=L,R,U,D");
    Bytes bytes = state.level.bytes();
    bytes[NeighbourAt(3, SideUp)] = 33;
    bytes[NeighbourAt(3, SideLeft)] = 32; // the last room
    bytes[NeighbourAt(20, SideDown)] = 255;
    bytes[NeighbourAt(20, SideLeft)] = 0; // none
    state.level = LevelStore(std::move(bytes));
    writeScript("mwall t14 ;.");
    QStringList lines;
    modals.dialogScripts.push_back([&](QDialog &dialog) {
        auto *list = dialog.findChild<QListWidget *>("dinListBox");
        for (int i = 0; i < list->count(); ++i)
            lines.append(list->item(i)->text());
        list->setCurrentRow(1);
        return true;
    });
    showRuleReports(state, services);
    EXPECT_EQ(lines, QStringList({"3 U 33", "20 D 255", "Wall @2/4"}));
    ProblemsDock dock(state, services, nullptr);
    dock.check();
    EXPECT_EQ(dock.findChild<QTreeWidget *>("ProblemsList")->topLevelItem(1)->text(0), "20 D 255");
    EXPECT_EQ(std::tie(state.room, state.row, state.column), std::make_tuple(20, 0, 0));
}

TEST_F(RuleReportsCommand, NothingWithoutALevel) {
    state.levelOpen = false;
    writeScript("m ;");
    showRuleReports(state, services);
    EXPECT_TRUE(modals.messages.isEmpty());
}

} // namespace
} // namespace qv2

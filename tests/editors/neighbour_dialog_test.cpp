#include "editors/neighbour_dialog.h"

#include "editor_test_support.h"

#include <QLabel>

using namespace qv2;
using namespace editortest;

namespace {

using NeighbourTest = DialogFixture;

TEST_F(NeighbourTest, OkStoresEachAcceptedSideInItsOrder) {
    struct Case {
        const char *name;
        const char *typed[4]; // left, right, up, down; nullptr leaves the field
        std::uint8_t expected[4];
        QStringList messages;
    };
    const std::uint8_t left = 1, right = 2, up = 3, down = 4;
    const Bytes before = Expected({{NeighbourAt(5, SideLeft), left},
                                   {NeighbourAt(5, SideRight), right},
                                   {NeighbourAt(5, SideUp), up},
                                   {NeighbourAt(5, SideDown), down}});
    const Case cases[] = {
        {"unchanged", {}, {left, right, up, down}, {}},
        {"cleared, largest, itself", {"0", "32", "5", nullptr}, {0, 32, 5, down}, {}},
        {"every side refused, reported in order",
         {"33", "x", "-1", "99"},
         {left, right, up, down},
         {"L: between 0 and 32", "R: not a number", "U: between 0 and 32", "D: between 0 and 32"}},
        {"one refused among accepted", {"1", "", "2", "3"}, {1, right, 2, 3}, {"R: not a number"}},
    };
    const char *const fields[4] = {"Edit1", "Edit2", "Edit3", "Edit4"};
    NeighbourDialog dialog;
    for (const Case &c : cases) {
        state.level = LevelStore(before);
        modals.messages.clear();
        refreshes = 0;
        modals.dialogScripts.push_back([&](QDialog &d) {
            EXPECT_EQ(Control<QLabel>(d, "Panel1").text(), "5") << c.name;
            EXPECT_EQ(Text(d, "Edit3"), QString::number(up)) << c.name;
            for (int side = 0; side < 4; ++side) {
                if (c.typed[side])
                    Type(d, fields[side], QString::fromLatin1(c.typed[side]));
            }
            return true;
        });
        editNeighbours(state, services, dialog);
        EXPECT_EQ(state.level.bytes(), Expected({{NeighbourAt(5, SideLeft), c.expected[0]},
                                                 {NeighbourAt(5, SideRight), c.expected[1]},
                                                 {NeighbourAt(5, SideUp), c.expected[2]},
                                                 {NeighbourAt(5, SideDown), c.expected[3]}}))
            << c.name;
        EXPECT_EQ(modals.messages, c.messages) << c.name;
        EXPECT_EQ(refreshes, 1) << c.name << ": redrawn even when nothing changed";
    }
}

} // namespace

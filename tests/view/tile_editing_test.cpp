#include "view/tile_editing.h"

#include "command_fixture.h"
#include "ui/exit_line_edit.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using namespace qv2;
using namespace viewtest;

namespace {

struct TileEditingTest : CommandFixture {
    TileEditingTest() {
        state.room = 1;
        state.texts = Texts({"between=between %d and %d", "integer=not a number"});
        state.level.setByte(NeighbourAt(1, SideLeft), 2);
        state.level.setByte(NeighbourAt(1, SideRight), 33);
        state.level.setByte(NeighbourAt(1, SideUp), 0);
        state.level.setByte(NeighbourAt(1, SideDown), 32);
    }
};

TEST_F(TileEditingTest, ClicksSelectTilesAndFollowArrows) {
    const struct {
        const char *name;
        QPoint point;
        int room, row, column; // expected selection; starts at room 1, row 1, column 5
    } cases[] = {
        {"right edge of the grid", {464, 100}, 1, 1, 5},
        {"bottom edge of the grid", {300, 256}, 1, 1, 5},
        {"grid's first pixel", {144, 64}, 1, 0, 0},
        {"last pixel of the first tile", {175, 127}, 1, 0, 0},
        {"first pixel of row 1, column 1", {176, 128}, 1, 1, 1},
        {"grid's last pixel", {463, 255}, 1, 2, 9},
        {"left arrow", {80, 128}, 2, 1, 5},
        {"left arrow's last pixel", {111, 191}, 2, 1, 5},
        {"beside the left arrow", {112, 150}, 1, 1, 5},
        {"right arrow to room 33", {500, 150}, 1, 1, 5},
        {"up arrow to no room", {320, 10}, 1, 1, 5},
        {"down arrow to room 32", {335, 319}, 32, 1, 5},
        {"below the down arrow", {320, 320}, 1, 1, 5},
        {"white space", {10, 10}, 1, 1, 5},
    };
    for (const auto &c : cases) {
        state.room = 1;
        state.row = 1;
        state.column = 5;
        refreshes = 0;
        selectTileAt(state, services, c.point);
        EXPECT_EQ(state.room, c.room) << c.name;
        EXPECT_EQ(state.row, c.row) << c.name;
        EXPECT_EQ(state.column, c.column) << c.name;
        const bool changed = c.room != 1 || c.row != 1 || c.column != 5;
        EXPECT_EQ(refreshes, changed ? 1 : 0) << c.name;
    }
}

TEST_F(TileEditingTest, NothingHappensWithoutALevel) {
    state.levelOpen = false;
    selectTileAt(state, services, {176, 128});
    setTileKind(state, services, 5);
    markAttributeFieldEdited(state);
    storeAttributeField(state, services, 0, "12");
    EXPECT_EQ(state.row, 0);
    EXPECT_EQ(state.level.byte(TileKindAt(1, 0, 0)), 0);
    EXPECT_FALSE(state.attributeEditPending);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(TileEditingTest, TileKindFromTheList) {
    state.row = 2;
    state.column = 9;
    setTileKind(state, services, 0x2C);
    EXPECT_EQ(state.level.byte(TileKindAt(1, 2, 9)), 0x2C);
    EXPECT_EQ(refreshes, 1);
    // No item chosen (-1) and indexes beyond a byte are not kinds.
    setTileKind(state, services, -1);
    setTileKind(state, services, 256);
    EXPECT_EQ(state.level.byte(TileKindAt(1, 2, 9)), 0x2C);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(TileEditingTest, AttributeFieldStoresAfterAnEdit) {
    state.column = 3;
    storeAttributeField(state, services, 2, "12");
    EXPECT_EQ(state.level.byte(TileAttributeAt(1, 0, 3, 2)), 0) << "not edited: nothing stored";
    EXPECT_EQ(refreshes, 0);

    markAttributeFieldEdited(state);
    storeAttributeField(state, services, 2, "$FF");
    EXPECT_EQ(state.level.byte(TileAttributeAt(1, 0, 3, 2)), 0xFF);
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(state.attributeEditPending);
}

TEST_F(TileEditingTest, OutOfRangeAttributeKeepsTheByteAndRedraws) {
    state.level.setByte(TileAttributeAt(1, 0, 0, 1), 9);
    markAttributeFieldEdited(state);
    storeAttributeField(state, services, 1, "300");
    EXPECT_EQ(modals.messages, QStringList({"between 0 and 255"}));
    EXPECT_EQ(state.level.byte(TileAttributeAt(1, 0, 0, 1)), 9);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(TileEditingTest, TheRefreshRewritingTheFieldsLeavesNoPendingEdit) {
    // The refresh sets the fields' texts, which reports a change.
    services.refreshRoom = [this] { markAttributeFieldEdited(state); };
    markAttributeFieldEdited(state);
    storeAttributeField(state, services, 0, "4");
    EXPECT_FALSE(state.attributeEditPending);
}

// A typed value is stored into the tile that was selected when it was typed, before the click
// selects another tile.
TEST_F(TileEditingTest, PendingValueIsStoredBeforeTheClickActs) {
    QWidget window;
    ExitLineEdit edit1(&window);
    QObject::connect(&edit1, &QLineEdit::textEdited, [&] { markAttributeFieldEdited(state); });
    QObject::connect(&edit1, &ExitLineEdit::exited,
                     [&] { storeAttributeField(state, services, 0, edit1.text()); });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit1.setFocus();
    QTest::keyClicks(&edit1, "12");

    selectTileAt(state, services, {300, 200});
    EXPECT_EQ(state.level.byte(TileAttributeAt(1, 0, 0, 0)), 12);
    EXPECT_EQ(state.level.byte(TileAttributeAt(1, 2, 4, 0)), 0);
    EXPECT_EQ(state.row, 2);
    EXPECT_EQ(state.column, 4);
    EXPECT_EQ(refreshes, 2);
    EXPECT_FALSE(edit1.hasFocus());
}

} // namespace

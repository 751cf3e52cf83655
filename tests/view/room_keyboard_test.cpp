// The room view's keys: moving the selection across room edges, stepping rooms, typing kinds.
#include "view/room_keyboard.h"

#include "command_fixture.h"
#include "view/paint_box.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <string_view>

using namespace qv2;
using namespace viewtest;

namespace {

struct RoomKeyboardTest : CommandFixture {
    PaintBox view;
    QComboBox tileKinds;
    RoomKeyboard keyboard{view, tileKinds, state, services};

    RoomKeyboardTest() {
        for (int kind = 0; kind <= 0x2C; ++kind)
            tileKinds.addItem(QString::number(kind, 16));
        state.level.setByte(NeighbourAt(5, SideLeft), 4);
        state.level.setByte(NeighbourAt(5, SideRight), 33); // no room
        state.level.setByte(NeighbourAt(5, SideUp), 0);
        state.level.setByte(NeighbourAt(5, SideDown), 32);
    }
    int shown() const { return state.room * 100 + state.row * 10 + state.column; }
};

TEST_F(RoomKeyboardTest, KeysMoveTheSelectionAndStepRooms) {
    const struct {
        const char *name;
        int from; // room * 100 + row * 10 + column
        Qt::Key key;
        int to;
    } cases[] = {
        {"right inside the room", 512, Qt::Key_Right, 513},
        {"up inside the room", 512, Qt::Key_Up, 502},
        {"left edge into the left neighbour", 510, Qt::Key_Left, 419},
        {"right edge to a neighbour that is no room", 519, Qt::Key_Right, 519},
        {"top edge without a neighbour", 503, Qt::Key_Up, 503},
        {"bottom edge into the lower neighbour", 527, Qt::Key_Down, 3207},
        {"page up", 527, Qt::Key_PageUp, 427},
        {"page down", 527, Qt::Key_PageDown, 627},
        {"page up in room 1", 100, Qt::Key_PageUp, 100},
        {"page down in room 32", 3200, Qt::Key_PageDown, 3200},
    };
    for (const auto &c : cases) {
        state.room = c.from / 100;
        state.row = c.from / 10 % 10;
        state.column = c.from % 10;
        refreshes = 0;
        QTest::keyClick(&view, c.key);
        EXPECT_EQ(shown(), c.to) << c.name;
        EXPECT_EQ(refreshes, c.to != c.from ? 1 : 0) << c.name;
    }
}

TEST_F(RoomKeyboardTest, TwoHexDigitsPickATileKind) {
    const struct {
        const char *name;
        const char *typed;
        int kind; // of the selected tile afterwards; it starts as 0x01
    } cases[] = {
        {"wall", "14", 0x14},
        {"upper-case digits", "2C", 0x2C},
        {"lower-case digits", "2c", 0x2C},
        {"one digit only", "1", 0x01},
        {"another key starts over", "1x02", 0x02},
        {"a kind the list does not offer", "2D", 0x01},
        {"three digits: the third waits for its pair", "141", 0x14},
        // '^' presses Shift alone, '>' the Right arrow, 'v' Page Down, '*' clicks the view.
        {"Shift pressed on the way to a capital digit", "2^C", 0x2C},
        {"an arrow between the digits", "1>5", 0x01},
        {"two digits after an arrow", "1>14", 0x14},
        {"Page Down between the digits (room 6 is empty)", "1v5", 0x00},
        {"a click between the digits", "1*5", 0x01},
    };
    for (const auto &c : cases) {
        state.room = 5;
        state.column = 0;
        state.level.setByte(TileKindAt(5, state.row, 0), 0x01);
        state.level.setByte(TileKindAt(5, state.row, 1), 0x01);
        QTest::keyClick(&view, Qt::Key_Space); // another key: what was typed before is forgotten
        for (const char key : std::string_view(c.typed)) {
            if (key == '^')
                QTest::keyPress(&view, Qt::Key_Shift);
            else if (key == '*')
                QTest::mouseClick(&view, Qt::LeftButton);
            else if (key == '>' || key == 'v')
                QTest::keyClick(&view, key == '>' ? Qt::Key_Right : Qt::Key_PageDown);
            else
                QTest::keyClicks(&view, QString(QLatin1Char(key)));
        }
        // The kind of the tile selected at the end.
        EXPECT_EQ(state.level.byte(TileKindAt(state.room, state.row, state.column)), c.kind)
            << c.name;
    }
}

} // namespace

#include "inspect/overview_map.h"
#include "inspect/overview_picture.h"
#include "inspect/overview_window.h"

#include "level/level_layout.h"
#include "support/archive_builder.h"
#include "support/scripted_modals.h"

#include <QLabel>
#include <QScrollArea>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace qv2 {
namespace {

using Cells = std::map<std::pair<int, int>, std::uint32_t>; // (row, column) -> room
using Links = std::map<int, std::array<std::uint8_t, 4>>;   // room -> left, right, up, down

LevelStore Level(int startRoom, const Links &links) {
    Bytes bytes = MakeFullLevel(LevelSketch{.startRoom = static_cast<std::uint8_t>(startRoom)});
    for (const auto &[room, sides] : links) {
        for (int side = 0; side < 4; ++side)
            bytes[NeighbourAt(room, side)] = sides[static_cast<std::size_t>(side)];
    }
    return LevelStore(std::move(bytes));
}

Cells Occupied(const OverviewMap &map) {
    Cells cells;
    for (int y = 0; y < kOverviewCells; ++y) {
        for (int x = 0; x < kOverviewCells; ++x) {
            if (map[y][x] != 0)
                cells[{y, x}] = map[y][x];
        }
    }
    return cells;
}

TEST(OverviewMap, LaysRoomsOutAlongTheirLinks) {
    Links chain; // rooms 1..20, each the left neighbour's right neighbour
    Cells shownChain;
    for (int room = 1; room <= 20; ++room) {
        chain[room] = {static_cast<std::uint8_t>(room + 1), static_cast<std::uint8_t>(room - 1), 0,
                       0};
        if (room <= 17)
            shownChain[{16, 17 - room}] = static_cast<std::uint32_t>(room);
    }
    const struct {
        const char *name;
        int startRoom;
        Links links;
        Cells expected;
    } cases[] = {
        {"a room without neighbours", 7, {}, {{{16, 16}, 7}}},
        {"no start room", 0, {{1, {0, 2, 0, 0}}}, {}},
        {"a chain to the left stops at column 0 and does not wrap", 1, chain, shownChain},
        // Room 2 goes right of 1 and room 4 under it; room 5, right of 3, writes later into 4's
        // cell, and its upper side 0 clears room 2.
        {"the last write wins and a zero clears",
         1,
         {{1, {0, 2, 0, 3}},
          {2, {1, 0, 0, 4}},
          {3, {0, 5, 1, 0}},
          {4, {0, 0, 2, 0}},
          {5, {3, 0, 0, 0}}},
         {{{16, 16}, 1}, {{17, 16}, 3}, {{17, 17}, 5}}},
        {"a number beyond the rooms is shown but not followed",
         1,
         {{1, {40, 0, 0, 0}}},
         {{{16, 15}, 40}, {{16, 16}, 1}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Occupied(BuildOverviewMap(Level(c.startRoom, c.links))), c.expected) << c.name;
}

TEST(OverviewPicture, FramesEachRoomsCellAndWritesItsNumberInside) {
    OverviewMap map{};
    map[16][16] = 7;
    const QImage picture = DrawOverview(map);
    ASSERT_EQ(picture.size(), QSize(1024, 640));
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    for (const QPoint corner :
         {QPoint(512, 320), QPoint(543, 320), QPoint(512, 339), QPoint(543, 339)})
        EXPECT_EQ(picture.pixelColor(corner), black) << corner.x() << "," << corner.y();
    for (const QPoint outside :
         {QPoint(511, 320), QPoint(544, 320), QPoint(512, 340), QPoint(0, 0)})
        EXPECT_EQ(picture.pixelColor(outside), white) << outside.x() << "," << outside.y();
    int ink = 0;
    for (int y = 321; y < 339; ++y) {
        for (int x = 513; x < 543; ++x)
            ink += picture.pixelColor(x, y) != white ? 1 : 0;
    }
    EXPECT_GT(ink, 10) << "the number is written inside the frame";
}

TEST(OverviewWindow, ShowsTheMapOfTheOpenLevelAndChangesNothing) {
    EditorState state;
    state.level = Level(3, {{3, {0, 4, 0, 0}}});
    const Bytes before = state.level.bytes();
    ScriptedModals modals;
    Services services{modals, [] { ADD_FAILURE() << "the overview does not redraw the room"; }};
    OverviewWindow window;
    showLevelOverview(state, services, window); // no level open: nothing is shown
    state.levelOpen = true;

    QImage shown;
    modals.dialogScripts.push_back([&](QDialog &dialog) {
        EXPECT_EQ(dialog.objectName(), "TForm5");
        EXPECT_EQ(dialog.size(), QSize(402, 307));
        const auto *map = dialog.findChild<QLabel *>("PaintBox1");
        EXPECT_EQ(dialog.findChild<QScrollArea *>("ScrollBox1")->widget(), map);
        shown = map->pixmap().toImage();
        return true;
    });
    showLevelOverview(state, services, window);
    EXPECT_EQ(modals.dialogTitles.size(), 1);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              DrawOverview(BuildOverviewMap(state.level)));
    EXPECT_TRUE(window.findChild<QLabel *>("PaintBox1")->pixmap().isNull())
        << "the picture is dropped";
    EXPECT_TRUE(state.level.bytes() == before);
}

// A click on a room shows it in the main window; the window stays and frames the room shown.
TEST(OverviewWindow, AClickShowsThatRoomAndTheFrameFollows) {
    EditorState state;
    state.level = Level(3, {{3, {0, 4, 0, 0}}, {4, {3, 0, 0, 0}}});
    state.levelOpen = true;
    state.room = 3;
    ScriptedModals modals;
    int refreshes = 0;
    Services services{modals, [&] { ++refreshes; }};
    OverviewWindow window;
    // A pixel just inside the cell's black frame: red where the room shown is.
    const auto framed = [](const QLabel &box, int column) {
        return box.pixmap().toImage().pixelColor(column * 32 + 2, 16 * 20 + 2) == QColor(Qt::red);
    };
    const struct {
        const char *name;
        QPoint click;
        int room;
    } cases[] = {
        {"the room to the right", {17 * 32 + 20, 16 * 20 + 10}, 4},
        {"an empty cell", {18 * 32 + 20, 16 * 20 + 10}, 4},
        {"back to the start room", {16 * 32 + 5, 16 * 20 + 15}, 3},
    };
    modals.dialogScripts.push_back([&](QDialog &dialog) {
        auto &box = *dialog.findChild<QLabel *>("PaintBox1");
        EXPECT_TRUE(framed(box, 16));
        EXPECT_FALSE(framed(box, 17));
        for (const auto &c : cases) {
            QTest::mouseClick(&box, Qt::LeftButton, {}, c.click);
            EXPECT_EQ(state.room, c.room) << c.name;
            EXPECT_EQ(framed(box, 16), c.room == 3) << c.name;
            EXPECT_EQ(framed(box, 17), c.room == 4) << c.name;
        }
        return false;
    });
    showLevelOverview(state, services, window);
    EXPECT_EQ(refreshes, 2) << "a click on an empty cell shows nothing";
}

} // namespace
} // namespace qv2

// Whole tiles written by the tools, the tiles a stroke crosses, and copies as clipboard text.
#include "command_fixture.h"
#include "level/level_layout.h"
#include "view/room_tools.h"
#include "view/tile_block.h"
#include "view/tile_clipboard.h"

#include <gtest/gtest.h>

namespace qv2 {
namespace {

using viewtest::EmptyLevel;

const Tile kWall{0x14, {1, 2, 3, 4}};
const Tile kFloor{0x01, {0, 0, 0, 0}};

// The room drawn as one letter per tile: '.' empty, 'W' wall, 'F' floor, 'w' a wall whose first
// attribute differs.
LevelStore RoomOf(const char *rows[3]) {
    LevelStore level(EmptyLevel());
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            Tile tile;
            switch (rows[row][column]) {
            case 'W':
                tile = kWall;
                break;
            case 'w':
                tile = kWall;
                tile.attributes[0] = 9;
                break;
            case 'F':
                tile = kFloor;
                break;
            default:
                break;
            }
            WriteTile(level, 3, row, column, tile);
        }
    }
    return level;
}

std::string Picture(const LevelStore &level) {
    std::string rows;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const Tile tile = ReadTile(level, 3, row, column);
            rows += tile == Tile{} ? '.' : tile == kWall ? 'W' : tile == kFloor ? 'F' : '?';
        }
        rows += '|';
    }
    return rows;
}

TEST(FloodFill, FillsTheJoinedTilesEqualInKindAndAttributes) {
    const struct {
        const char *name;
        const char *rows[3];
        GridTile start;
        Tile with;
        const char *expected;
    } cases[] = {
        {"through sides, not corners",
         {"..W.......", "WW.W......", ".........."},
         {0, 0},
         kFloor,
         "FFW.......|WW.W......|..........|"},
        {"an attribute byte differs: that wall stays",
         {"WWw.......", "..........", ".........."},
         {0, 0},
         kFloor,
         "FF?.......|..........|..........|"},
        {"to the room's edges, not beyond",
         {"..........", "..........", ".........."},
         {2, 9},
         kWall,
         "WWWWWWWWWW|WWWWWWWWWW|WWWWWWWWWW|"},
        {"the brush equals the tile: nothing",
         {"W.........", "..........", ".........."},
         {0, 0},
         kWall,
         "W.........|..........|..........|"},
    };
    for (const auto &c : cases) {
        LevelStore level = RoomOf(const_cast<const char **>(c.rows));
        FloodFill(level, 3, c.start.row, c.start.column, c.with);
        EXPECT_EQ(Picture(level), c.expected) << c.name;
        EXPECT_EQ(ReadTile(level, 2, 0, 0), Tile{}) << c.name << ": another room";
    }
}

TEST(PasteTiles, KeepsTheTopLeftAtTheTileAndClipsAtTheEdge) {
    const TileBlock block{2, 3, {kWall, kFloor, kWall, kFloor, kWall, kFloor}};
    const struct {
        const char *name;
        GridTile at;
        const char *expected;
    } cases[] = {
        {"inside", {0, 0}, "WFW.......|FWF.......|..........|"},
        {"past the right edge", {1, 8}, "..........|........WF|........FW|"},
        {"past the bottom corner", {2, 9}, "..........|..........|.........W|"},
    };
    for (const auto &c : cases) {
        LevelStore level(EmptyLevel());
        PasteTiles(level, 3, c.at.row, c.at.column, block);
        EXPECT_EQ(Picture(level), c.expected) << c.name;
    }
}

TEST(TilesAlong, CrossesEveryTileBetweenTwoPointerPositions) {
    const struct {
        GridTile from, to;
        std::vector<GridTile> tiles;
    } cases[] = {
        {{1, 1}, {1, 1}, {{1, 1}}},
        {{0, 0}, {0, 3}, {{0, 0}, {0, 1}, {0, 2}, {0, 3}}},
        {{2, 4}, {0, 2}, {{2, 4}, {1, 3}, {0, 2}}},
        {{0, 9},
         {2, 0},
         {{0, 9}, {0, 8}, {0, 7}, {1, 6}, {1, 5}, {1, 4}, {1, 3}, {2, 2}, {2, 1}, {2, 0}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TilesAlong(c.from, c.to), c.tiles) << c.from.row << c.from.column;
}

TEST(ClipboardText, GivesBackWhatWasCopiedAndRefusesAnythingElse) {
    LevelStore level = RoomOf(const_cast<const char **>(
        std::array<const char *, 3>{"WF........", "w.........", "........FW"}.data()));
    level.setByte(EnemyCountAt(3), 2);
    level.setByte(ComingGuardCountAt(3) + 33, 0x7F);
    const TileBlock tiles = CopyTiles(level, {3, 0, 0, 1, 1});
    const RoomCopy room = CopyRoom(level, 3);

    EXPECT_EQ(std::get<TileBlock>(ReadClipboardText(TilesToText(tiles))), tiles);
    EXPECT_EQ(std::get<RoomCopy>(ReadClipboardText(RoomToText(room))).bytes, room.bytes);
    const QString text = TilesToText(tiles);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Qasvar 2 tiles, 2 x 2\n14 01 02 03 04\n")));

    const QString foreign[] = {
        QString(),
        QStringLiteral("hello"),
        QStringLiteral("Qasvar 2 tiles, 2 x 2\n14 01 02 03 04\n"), // cut short
        QStringLiteral("Qasvar 2 tiles, 4 x 1\n00 00 00 00 00\n00 00 00 00 00\n"
                       "00 00 00 00 00\n00 00 00 00 00\n"),        // too many rows
        QStringLiteral("Qasvar 2 tiles, 1 x 1\n14 01 02 03\n"),    // a byte missing
        QStringLiteral("Qasvar 2 tiles, 1 x 1\n14 01 02 03 4G\n"), // not hexadecimal
        QStringLiteral("Qasvar 2 tiles, 1 x 1\n14 01 02 03 04\n14 01 02 03 04\n"), // one more
        RoomToText(room).replace(QStringLiteral("enemies:"), QStringLiteral("enemy:")),
    };
    for (const QString &t : foreign)
        EXPECT_TRUE(std::holds_alternative<std::monostate>(ReadClipboardText(t)))
            << t.toStdString();
}

} // namespace
} // namespace qv2

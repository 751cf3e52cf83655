#include "view/room_painter.h"

#include "view_test_support.h"

#include <QFontInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qv2;
using namespace viewtest;

namespace {

const QColor kFloor(0, 128, 0);
const QColor kStartRight(0, 255, 255);
const QColor kStartLeft(255, 128, 0);
const QColor kGuard(128, 0, 128);
const QColor kComing(0, 0, 128);
const QColor kRestart(128, 64, 0);

// A level whose every tile is kind 01, drawn as an opaque floor.
struct PainterTest : ::testing::Test {
    LevelStore level = EmptyLevel();
    IniFile background;
    PictureMap pictures = Arrows();

    PainterTest() {
        for (std::size_t i = 0; i < kRoomCount * kTilesPerRoom; ++i)
            level.setByte(i, 0x01);
        pictures["01"] = Solid(kFloor);
        pictures["start00"] = Figure(kStartRight);
        pictures["startFF"] = Figure(kStartLeft);
        pictures["guard00"] = Figure(kGuard);
        pictures["coming02"] = Figure(kComing);
        pictures["coming09"] = Figure(kComing);
        pictures["restart"] = Figure(kRestart);
    }
    QImage compose(int room = 1, int row = 0, int column = 0) {
        return ComposeRoom(level, RoomSelection{room, row, column}, background, FromMap(pictures));
    }
    // The colour in the middle of a marker drawn on the tile place.
    static QColor markerAt(const QImage &picture, int place) {
        return picture.pixelColor(144 + 32 * (place % 10) + 15, 64 + 64 * (place / 10) + 30);
    }
    static QColor cornerAt(const QImage &picture, int place) {
        return picture.pixelColor(144 + 32 * (place % 10) + 2, 64 + 64 * (place / 10) + 2);
    }
};

TEST_F(PainterTest, FramesShareTheirBordersAndTheSelectionIsRed) {
    const QImage picture = compose(1, 1, 2);
    ASSERT_EQ(picture.size(), QSize(608, 488));
    const struct {
        const char *name;
        QPoint point;
        QColor colour;
    } cases[] = {
        {"grid top-left corner", {144, 64}, Qt::blue},
        {"border shared by columns 0 and 1", {176, 100}, Qt::blue},
        {"inside a tile", {160, 100}, kFloor},
        {"right border of column 9", {464, 100}, Qt::blue},
        {"right of the grid", {465, 100}, Qt::white},
        {"bottom border of row 2", {300, 256}, Qt::blue},
        {"below the grid", {300, 257}, Qt::white},
        {"selection left edge", {208, 150}, Qt::red},
        {"selection right edge", {240, 150}, Qt::red},
        {"selection top edge", {224, 128}, Qt::red},
        {"selection bottom edge", {224, 192}, Qt::red},
        {"beside the selection", {241, 150}, kFloor},
        {"lower part never shown", {10, 400}, Qt::white},
    };
    for (const auto &c : cases)
        EXPECT_EQ(picture.pixelColor(c.point), c.colour) << c.name;
}

TEST_F(PainterTest, TilesAndArrowsAreOpaqueWhateverTheirLowerLeftPixel) {
    // Were they keyed by their lower-left pixel, they would vanish.
    pictures["01"] = Solid(kFloor, kFloor);
    const QImage picture = compose();
    EXPECT_EQ(picture.pixelColor(150, 120), kFloor);
    EXPECT_EQ(picture.pixelColor(145, 127), kFloor);
    EXPECT_EQ(picture.pixelColor(85, 130), QColor(Qt::yellow));
    EXPECT_EQ(picture.pixelColor(310, 300), QColor(Qt::yellow));
}

TEST_F(PainterTest, MissingTilePictureGivesABlackBoxWithItsName) {
    ASSERT_FALSE(QFontInfo(QFont()).family().isEmpty());
    background = Ini({"[1A]", "aff=213"});
    level.setByte(TileKindAt(1, 0, 0), 0x1A);
    level.setByte(TileAttributeAt(1, 0, 0, 2), 0x0E);
    const QImage picture = compose(1, 2, 9);
    // The name 1A_07 is written in black on white at the tile's top-left corner.
    const QRect textArea(145, 65, 30, 14);
    EXPECT_GT(CountColour(picture, textArea, Qt::white), 20);
    EXPECT_GT(CountColour(picture, textArea, Qt::black), 10);
    EXPECT_EQ(picture.pixelColor(160, 120), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(175, 127), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(190, 120), kFloor) << "the next tile is drawn as usual";
}

TEST_F(PainterTest, NeighbourNumbersAreWrittenBesideTheArrows) {
    level.setByte(NeighbourAt(1, SideLeft), 0);
    level.setByte(NeighbourAt(1, SideRight), 17);
    const QImage picture = compose();
    for (const QPoint place :
         {QPoint(96, 160), QPoint(512, 160), QPoint(320, 32), QPoint(320, 288)}) {
        const QRect textArea(place, QSize(12, 14));
        EXPECT_GT(CountColour(picture, textArea, Qt::black), 3) << place.x() << "," << place.y();
        EXPECT_GT(CountColour(picture, textArea, Qt::white), 10) << place.x() << "," << place.y();
    }
    EXPECT_EQ(picture.pixelColor(84, 132), QColor(Qt::yellow)) << "arrow beside the number";
}

TEST_F(PainterTest, MarkersAreTransparentByTheirLowerLeftPixel) {
    level.setByte(kStartRoomOffset, 1);
    level.setByte(kStartTileOffset, 13);
    const QImage picture = compose();
    EXPECT_EQ(markerAt(picture, 13), kStartRight);
    EXPECT_EQ(cornerAt(picture, 13), kFloor);
    EXPECT_EQ(CountColour(picture, picture.rect(), kKey), 0);
}

TEST_F(PainterTest, StartMarkerOnlyInTheStartRoomAndFacingItsDirection) {
    level.setByte(kStartRoomOffset, 2);
    level.setByte(kStartTileOffset, 29);
    level.setByte(kStartDirectionOffset, 0xFF);
    EXPECT_EQ(markerAt(compose(1), 29), kFloor);
    EXPECT_EQ(markerAt(compose(2), 29), kStartLeft);
    // A direction without a picture, or a place outside the room, draws no marker.
    level.setByte(kStartDirectionOffset, 0x01);
    EXPECT_EQ(markerAt(compose(2), 29), kFloor);
    level.setByte(kStartDirectionOffset, 0x00);
    level.setByte(kStartTileOffset, 30);
    const QImage outside = compose(2);
    EXPECT_EQ(CountColour(outside, outside.rect(), kStartRight), 0);
}

void SetEnemy(LevelStore &level, int room, int i, int place, int x, int direction) {
    const std::size_t record = EnemyRecordAt(room, i);
    level.setByte(record, static_cast<std::uint8_t>(place));
    level.setWord(record + 1, static_cast<std::uint16_t>(x));
    level.setByte(record + 3, static_cast<std::uint8_t>(direction));
}

TEST_F(PainterTest, EnemiesWithTheirRedLinesAtTheStoredColumn) {
    level.setByte(EnemyCountAt(1), 4);
    SetEnemy(level, 1, 0, 0, 160, 0x00);
    SetEnemy(level, 1, 1, 12, 0xFFFF, 0x00); // a column far outside the picture
    SetEnemy(level, 1, 2, 30, 400, 0x00);    // a place outside the room
    SetEnemy(level, 1, 3, 15, 320, 0x05);    // no picture guard05
    const QImage picture = compose();
    EXPECT_EQ(markerAt(picture, 0), kGuard);
    EXPECT_EQ(cornerAt(picture, 0), kFloor);
    EXPECT_EQ(picture.pixelColor(160, 64), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(160, 127), QColor(Qt::red));
    EXPECT_NE(picture.pixelColor(160, 129), QColor(Qt::red)) << "the line ends with its tile row";
    EXPECT_EQ(markerAt(picture, 12), kGuard);
    EXPECT_EQ(CountColour(picture, QRect(400, 0, 1, 488), Qt::red), 0);
    EXPECT_EQ(markerAt(picture, 15), kFloor);
    EXPECT_EQ(CountColour(picture, QRect(320, 128, 1, 64), Qt::red), 0);
}

TEST_F(PainterTest, EnemyCountIsClampedToFive) {
    level.setByte(EnemyCountAt(1), 7);
    for (int i = 0; i < 5; ++i)
        SetEnemy(level, 1, i, i, 0, 0x00);
    // Records 5 and 6 would lie in room 2's enemy block.
    SetEnemy(level, 1, 5, 9, 0, 0x00);
    SetEnemy(level, 1, 6, 8, 0, 0x00);
    const QImage picture = compose();
    for (int place = 0; place < 5; ++place)
        EXPECT_EQ(markerAt(picture, place), kGuard) << place;
    EXPECT_EQ(markerAt(picture, 8), kFloor);
    EXPECT_EQ(markerAt(picture, 9), kFloor);
}

TEST_F(PainterTest, ComingGuardsClampedToThreeAndOnlyInsideTheRoom) {
    level.setByte(ComingGuardCountAt(1), 9);
    const auto setGuard = [&](int i, int row, int column) {
        level.setByte(ComingGuardRecordAt(1, i) + 1, static_cast<std::uint8_t>(row));
        level.setByte(ComingGuardRecordAt(1, i) + 2, static_cast<std::uint8_t>(column));
    };
    setGuard(0, 1, 2);
    setGuard(1, 2, 9);
    setGuard(2, 3, 2); // below the room
    setGuard(3, 0, 2); // a fourth record is never read
    const QImage picture = compose();
    EXPECT_EQ(markerAt(picture, 12), kComing);
    EXPECT_EQ(markerAt(picture, 29), kComing);
    EXPECT_EQ(markerAt(picture, 2), kFloor);
    EXPECT_EQ(CountColour(picture, QRect(0, 256, 608, 232), kComing), 0);
    level.setByte(ComingGuardCountAt(1), 0);
    EXPECT_EQ(markerAt(compose(), 12), kFloor);
}

TEST_F(PainterTest, RestartPointsOfTheRoomOnly) {
    const auto setPoint = [&](int i, int room, int place) {
        level.setByte(RestartPointAt(i), static_cast<std::uint8_t>(room));
        level.setByte(RestartPointAt(i) + 1, static_cast<std::uint8_t>(place));
    };
    setPoint(0, 1, 5);
    setPoint(1, 2, 6);
    setPoint(2, 1, 40);
    setPoint(3, 0, 7);
    setPoint(8, 1, 5); // two points on one tile
    const QImage picture = compose();
    EXPECT_EQ(markerAt(picture, 5), kRestart);
    EXPECT_EQ(markerAt(picture, 6), kFloor);
    EXPECT_EQ(markerAt(picture, 7), kFloor);
}

TEST_F(PainterTest, MissingArrowOrRestartPictureThrows) {
    pictures.erase("up");
    try {
        compose();
        FAIL() << "no exception";
    } catch (const MissingPicture &missing) {
        EXPECT_EQ(missing.name(), QStringLiteral("up"));
    }

    pictures = Arrows();
    pictures["01"] = Solid(kFloor);
    EXPECT_NO_THROW(compose()) << "no restart point in the room, so no restart picture needed";
    level.setByte(RestartPointAt(4), 1);
    EXPECT_THROW(compose(), MissingPicture);
}

TEST_F(PainterTest, PaintRoomTilesLeavesTheMarkersOut) {
    QImage picture(10, 10, QImage::Format_RGB32);
    PaintRoomTiles(picture, level, RoomSelection{1, 0, 0}, background, FromMap({}));
    EXPECT_EQ(picture.size(), QSize(608, 488));
    EXPECT_EQ(picture.pixelColor(85, 130), QColor(Qt::white)) << "no arrow yet";
    EXPECT_EQ(picture.pixelColor(160, 120), QColor(Qt::black)) << "no picture 01";
}

TEST(PicturesFromFolder, LoadsBmpFilesByName) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    ASSERT_TRUE(Solid(Qt::green).save(temporary.filePath("1A_07.bmp"), "BMP"));
    const PictureLoader load = PicturesFromFolder(temporary.path() + "/");
    const auto found = load("1A_07");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->pixelColor(5, 5), QColor(Qt::green));
    EXPECT_FALSE(load("1A_06").has_value());
    ASSERT_TRUE(Solid(Qt::blue).save(temporary.filePath("02.bmp"), "PNG"));
    const auto renamed = load("02");
    ASSERT_TRUE(renamed.has_value()) << "a PNG under a .bmp name is read by its content";
    EXPECT_EQ(renamed->pixelColor(5, 5), QColor(Qt::blue));
}

} // namespace

namespace {

// A stroke redraws one tile at a time; each must come out as the whole room drawn anew would, with
// the markers, an enemy's line, the selection and a selected rectangle that reach into it.
TEST_F(PainterTest, OneTileDrawnAgainMatchesTheWholeRoomDrawnAgain) {
    pictures["14"] = Solid(Qt::gray);
    level.setByte(kStartRoomOffset, 1);
    level.setByte(kStartTileOffset, 12);
    level.setByte(EnemyCountAt(1), 1);
    level.setByte(EnemyRecordAt(1, 0), 25);
    level.setWord(EnemyRecordAt(1, 0) + 1, 144 + 32 * 4 + 5); // its line in column 4
    level.setByte(RestartPointAt(0), 1);
    level.setByte(RestartPointAt(0) + 1, 29);
    const RoomSelection selection{1, 1, 2, TileArea{1, 0, 3, 1, 5}};
    const struct {
        const char *name;
        int row, column;
    } cases[] = {
        {"under the start marker", 1, 2},
        {"the selected tile", 1, 2},
        {"under the enemy and its line", 2, 5},
        {"crossed by the line only", 2, 4},
        {"in the rectangle's corner", 0, 3},
        {"beside the rectangle", 1, 6},
        {"under a restart point, at the grid's corner", 2, 9},
    };
    for (const auto &c : cases) {
        QImage picture = ComposeRoom(level, selection, background, FromMap(pictures));
        level.setByte(TileKindAt(1, c.row, c.column), 0x14);
        PaintRoomTile(picture, level, selection, background, FromMap(pictures), c.row, c.column);
        EXPECT_EQ(picture, ComposeRoom(level, selection, background, FromMap(pictures))) << c.name;
        level.setByte(TileKindAt(1, c.row, c.column), 0x01);
    }
}

TEST_F(PainterTest, ASelectedRectangleIsFramedTwoLinesWide) {
    const QImage picture = ComposeRoom(level, RoomSelection{1, 0, 0, TileArea{1, 0, 1, 1, 2}},
                                       background, FromMap(pictures));
    const struct {
        const char *name;
        QPoint point;
        QColor colour;
    } cases[] = {
        {"outer left line", {176, 100}, Qt::red},
        {"inner left line", {177, 100}, Qt::red},
        {"inside", {178, 100}, kFloor},
        {"outer right line", {240, 190}, Qt::red},
        {"inner bottom line", {200, 191}, Qt::red},
        {"inner line between tiles", {208, 100}, Qt::blue},
        {"below the rectangle", {200, 193}, kFloor},
    };
    for (const auto &c : cases)
        EXPECT_EQ(picture.pixelColor(c.point), c.colour) << c.name;
}

} // namespace

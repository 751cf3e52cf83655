#include "editors/background_picture.h"

#include "view/background_list.h"
#include "view/picture_text.h"
#include "view/view_test_support.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

using viewtest::CountColour;

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

IniFile Sizes() {
    return viewtest::Ini({"[bg]", "c=names", "1=1,1", "2=3,2", "3=1,3", "4=x,2", "5=3"});
}

TEST(BackgroundPicture, SizesComeFromTheFirstAndThirdCharacters) {
    const IniFile list = Sizes();
    const struct {
        int picture;
        QSize size;
    } cases[] = {{1, {1, 1}}, {2, {3, 2}}, {3, {1, 3}}, {4, {0, 0}}, {5, {0, 0}}, {9, {0, 0}}};
    for (const auto &c : cases)
        EXPECT_EQ(BackgroundPictureSize(list, c.picture), c.size) << c.picture;
}

TEST(BackgroundPicture, PointsFallInTheirCells) {
    const struct {
        QPoint point;
        std::optional<int> place;
    } cases[] = {{{0, 0}, 0},      {{31, 63}, 0},    {{32, 64}, 11},
                 {{319, 191}, 29}, {{319, 192}, {}}, {{-1, 5}, {}}};
    for (const auto &c : cases)
        EXPECT_EQ(BackgroundPlaceAt(c.point), c.place) << c.point.x() << "," << c.point.y();
}

// Decisive pixels of one drawing each: the blue of an outline is found only where one belongs.
TEST(BackgroundPicture, CellsOutlinesAndSelection) {
    struct Case {
        const char *name;
        int place;
        std::uint8_t picture;
        std::optional<int> selected;
        std::function<void(const QImage &)> check;
    };
    const Case cases[] = {
        {"NumberInHex",
         13,
         0x1A,
         {},
         [](const QImage &image) {
             // 0x1A has no outline (flag set below); its cell is black with "1A" written at its
             // centre.
             QImage expected(320, 200, QImage::Format_RGB32);
             expected.fill(Qt::black);
             QPainter painter(&expected);
             QFont font = painter.font();
             font.setPixelSize(10);
             painter.setFont(font);
             WriteText(painter, {3 * 32 + 16, 64 + 32}, "1A");
             painter.end();
             const QRect cell(96, 64, 32, 64);
             EXPECT_EQ(image.copy(cell), expected.copy(cell));
             EXPECT_GT(CountColour(image, cell, Qt::white), 0);
         }},
        {"OneByOneOutline",
         12,
         1,
         {},
         [](const QImage &image) {
             // Cell (2, 1): left edge x = 64, right edge 64 + 32 - 2, top 64, bottom 64 + 62.
             EXPECT_EQ(image.pixelColor(64, 64), kBlue);
             EXPECT_EQ(image.pixelColor(94, 126), kBlue);
             EXPECT_EQ(image.pixelColor(95, 126), Qt::black);
             EXPECT_EQ(image.pixelColor(64, 127), Qt::black);
             EXPECT_EQ(CountColour(image, image.rect(), kBlue), 2 * 31 + 2 * 61);
         }},
        {"TallOutlineClippedAbove",
         2,
         3,
         {},
         [](const QImage &image) {
             // 1 x 3 from row 0: the frame's top lies 128 pixels above the picture.
             EXPECT_EQ(image.pixelColor(64, 0), kBlue);
             EXPECT_EQ(image.pixelColor(65, 0), Qt::black);
             EXPECT_EQ(image.pixelColor(94, 62), kBlue);
             EXPECT_EQ(CountColour(image, image.rect(), kBlue), 2 * 63 + 29);
         }},
        {"MissingSizeDrawsNothing",
         0,
         9,
         {},
         [](const QImage &image) { EXPECT_EQ(CountColour(image, image.rect(), kBlue), 0); }},
        {"Selection", 0, 0x1A, 11,
         [](const QImage &image) {
             const QRect cell(32, 64, 32, 64);
             EXPECT_EQ(image.pixelColor(33, 65), Qt::black);
             EXPECT_EQ(image.pixelColor(34, 66), kRed);
             EXPECT_EQ(image.pixelColor(35, 67), kRed);
             EXPECT_EQ(image.pixelColor(36, 68), Qt::black);
             EXPECT_EQ(image.pixelColor(61, 125), kRed);
             EXPECT_EQ(CountColour(image, image.rect(), kRed), CountColour(image, cell, kRed));
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        RoomBackground background;
        background.flags.fill(1);
        background.pictures[c.place] = c.picture;
        background.flags[c.place] = c.picture == 0x1A ? 1 : 0;
        c.check(DrawRoomBackground(background, Sizes(), c.selected));
    }
}

} // namespace
} // namespace qv2

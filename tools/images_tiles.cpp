#include "images_tiles.h"

#include "images_art.h"

#include <QPolygon>

namespace qv2::art {

namespace {

using namespace colour;

// Potion colours by kind 0..7: red, green, blue, yellow, purple, cyan, orange, pale rose.
const QColor PotionColours[8] = {{214, 36, 36},  {52, 196, 70},  {60, 108, 236}, {240, 214, 50},
                                 {150, 66, 206}, {60, 212, 212}, {244, 138, 36}, {244, 200, 212}};

constexpr const char *BottleRows[] = {
    "....cc....", //
    "....cc....", //
    "...gggg...", //
    "....gg....", //
    "....gg....", //
    "...gLLg...", //
    "..gLLLLg..", //
    ".gLLLLLLg.", //
    "gLwLLLLLLg", //
    "gLwLLLLLLg", //
    "gLLLLLLLLg", //
    "gLLLLLLLLg", //
    "gLLLLLLLLg", //
    ".gLLLLLLg.", //
    "..gggggg..", //
};

constexpr const char *SpiderRows[] = {
    "l....bb....l", //
    ".l..bbbb..l.", //
    "..lbbbbbbl..", //
    "lllbrbbrblll", //
    "..lbbbbbbl..", //
    ".l.bbbbbb.l.", //
    "l..l.bb.l..l", //
    "..l......l..", //
};

constexpr const char *QuestionRows[] = {
    ".###.", //
    "#...#", //
    "....#", //
    "..##.", //
    "..#..", //
    ".....", //
    "..#..", //
};

// Dark crack lines joining the points, one pixel wide.
void crack(QPainter &p, std::initializer_list<QPoint> points) {
    p.setPen(QPen(mortar, 1));
    p.drawPolyline(QPolygon(QList<QPoint>(points)));
}

// A small triangle pointing up or down, for the plates' marks.
void mark(QPainter &p, int cx, int top, bool up, const QColor &c) {
    for (int r = 0; r < 4; ++r) {
        const int half = up ? r : 3 - r;
        p.fillRect(cx - half, top + r, 2 * half + 1, 1, c);
    }
}

// A liquid pool with a stone rim on its left: lava or water.
void pool(QPainter &p, const QColor &deep, const QColor &surface, const QColor &sparkle) {
    block(p, QRect(0, 40, 6, 24));
    p.fillRect(6, 46, Width - 6, Height - 46, deep);
    for (int x = 6; x < Width; ++x)
        p.fillRect(x, 46 + (x / 3) % 2, 1, 2, surface);
    for (QPoint dot : {QPoint(10, 53), QPoint(20, 57), QPoint(26, 51), QPoint(15, 60)})
        p.fillRect(dot.x(), dot.y(), 2, 2, sparkle);
}

void nothing(QPainter &, int) {}

void floorTile(QPainter &p, int) {
    slab(p);
}

void spikes(QPainter &p, int out) {
    slab(p);
    for (int x = 1; x < Width; x += 8) {
        p.fillRect(x + 1, FloorTop, 4, 1, black);
        spike(p, x, FloorTop - 1, 6, out ? 16 : 2);
    }
}

void pillar(QPainter &p, int) {
    slab(p);
    shaft(p, 10, 12, 6, 44);
    block(p, QRect(7, 0, 18, 6));
    block(p, QRect(7, 44, 18, 6));
}

void gate(QPainter &p, int open) {
    slab(p);
    bars(p, open ? 14 : FloorTop - 2);
}

// Floor plates: 05 opens gates (raised, green mark), 06 closes them (sunken, red mark), 22 does
// both (raised, gold mark pointing both ways).
void plate(QPainter &p, bool raised, const QColor &markColour, bool upMark, bool downMark) {
    slab(p);
    if (raised) {
        block(p, QRect(5, FloorTop - 4, 22, 5), stoneLight.lighter(105));
    } else {
        p.fillRect(5, FloorTop, 22, 4, black);
        p.fillRect(6, FloorTop + 3, 20, 1, stoneLight);
    }
    if (upMark)
        mark(p, 16, 53, true, markColour);
    if (downMark)
        mark(p, 16, 58, false, markColour);
}

void openingPlate(QPainter &p, int) {
    plate(p, true, green, true, false);
}
void closingPlate(QPainter &p, int) {
    plate(p, false, red, false, true);
}
void openingClosingPlate(QPainter &p, int) {
    plate(p, true, gold, true, true);
}

void wallWithHole(QPainter &p, int) {
    bricks(p, QRect(0, 0, Width, Height));
    p.fillRect(8, 20, 16, 26, mortar);
    p.fillRect(11, 17, 10, 3, mortar);
    p.fillRect(9, 21, 14, 24, night);
    p.fillRect(12, 18, 8, 3, night);
}

void bigPillarBottom(QPainter &p, int) {
    slab(p);
    shaft(p, 4, 24, 0, 42);
    block(p, QRect(2, 42, 28, 8));
}

void bigPillarTop(QPainter &p, int) {
    shaft(p, 4, 24, 12, Height);
    block(p, QRect(0, 0, Width, 5));
    block(p, QRect(2, 5, 28, 7));
}

void potion(QPainter &p, int kind) {
    slab(p);
    const QColor glass(190, 212, 222);
    stamp(p, 11, FloorTop - 15, BottleRows,
          {{'c', woodLight},
           {'g', glass},
           {'L', PotionColours[kind & 7]},
           {'w', QColor(250, 250, 250)}});
}

void looseFloor(QPainter &p, int) {
    slab(p, FloorTop + 1);
    p.fillRect(0, FloorTop + 1, 1, Height - FloorTop - 1, night);
    crack(p, {{4, 51}, {7, 55}, {6, 58}, {9, 63}});
    crack(p, {{21, 51}, {19, 54}, {22, 57}});
}

void weakLooseFloor(QPainter &p, int) {
    slab(p, FloorTop + 4, stone.lighter(112), stoneLight.lighter(108));
    p.fillRect(0, FloorTop + 4, 1, Height - FloorTop - 4, night);
    crack(p, {{3, 54}, {6, 57}, {4, 60}, {7, 63}});
    crack(p, {{14, 54}, {12, 58}, {15, 61}});
    crack(p, {{24, 54}, {27, 57}, {25, 59}, {28, 63}});
}

void blade(QPainter &p, int) {
    slab(p);
    p.fillRect(14, 10, 5, FloorTop - 10, metalDark);
    p.fillRect(15, 11, 3, FloorTop - 11, black);
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawPolygon(QPolygon({{16, 20}, {9, 21}, {4, 26}, {2, 33}, {5, 39}, {16, 37}}));
    p.fillRect(3, 27, 1, 9, metalLight);
    p.fillRect(14, 27, 4, 4, metalDark);
}

void rubbleTile(QPainter &p, int) {
    slab(p);
    rubble(p);
}

// The left half of a two-cell exit door; the right half is its mirror image.
void door(QPainter &p, bool open, bool withSkull) {
    slab(p);
    block(p, QRect(0, 0, Width, 7), stoneDark.lighter(130));
    for (int y = 7; y < FloorTop; y += 11)
        block(p, QRect(0, y, 6, std::min(11, FloorTop - y)));
    if (open) {
        p.fillRect(6, 7, Width - 6, FloorTop - 7, black);
        for (int step = 0; step < 4; ++step)
            p.fillRect(30 - 6 * step, FloorTop - 3 * (step + 1), 6 + 6 * step, 3, stoneDark);
        planks(p, 7, 5);
    } else {
        p.fillRect(6, 7, Width - 6, FloorTop - 7, wood);
        for (int x = 11; x < Width; x += 6)
            p.fillRect(x, 7, 1, FloorTop - 7, woodDark);
        for (int y : {15, 38}) {
            p.fillRect(6, y, Width - 6, 3, metalDark);
            for (int x = 9; x < Width; x += 6)
                p.fillRect(x, y + 1, 1, 1, metalLight);
        }
    }
    if (withSkull)
        skull(p, 14, 0);
}

void exitDoor(QPainter &p, int open) {
    door(p, open != 0, false);
}
void skullDoor(QPainter &p, int open) {
    door(p, open != 0, true);
}

void carpet(QPainter &p, int) {
    slab(p);
    const QColor cloth(164, 28, 44);
    p.fillRect(0, FloorTop - 3, Width, 6, cloth);
    p.fillRect(0, FloorTop - 2, Width, 1, gold);
    p.fillRect(0, FloorTop + 1, Width, 1, gold);
    for (int x = 0; x < Width; x += 2)
        p.fillRect(x, FloorTop + 3, 1, 2, gold);
}

void torchTile(QPainter &p, int burning) {
    slab(p);
    torch(p, burning != 0);
}

void torchWithRubble(QPainter &p, int burning) {
    torchTile(p, burning);
    rubble(p);
}

void wall(QPainter &p, int) {
    bricks(p, QRect(0, 0, Width, Height));
}

void skeleton(QPainter &p, int) {
    slab(p);
    skull(p, 1, FloorTop - 7);
    p.fillRect(9, FloorTop - 4, 14, 2, bone);
    for (int x = 11; x < 21; x += 3)
        p.fillRect(x, FloorTop - 8, 2, 8, bone);
    p.fillRect(22, FloorTop - 6, 4, 5, bone);
    p.fillRect(26, FloorTop - 5, 6, 2, bone);
    p.fillRect(25, FloorTop - 2, 6, 2, bone);
}

void sword(QPainter &p, int) {
    slab(p);
    const int y = FloorTop - 5;
    p.fillRect(4, y + 1, 2, 1, metalLight);
    p.fillRect(6, y, 17, 3, metal);
    p.fillRect(6, y, 17, 1, metalLight);
    p.fillRect(23, y - 3, 2, 9, gold);
    p.fillRect(25, y, 4, 3, woodDark);
    p.fillRect(29, y - 1, 2, 5, gold);
}

void lava(QPainter &p, int) {
    // The heat glows on the air just above the surface.
    p.fillRect(6, 38, Width - 6, 8, QColor(44, 24, 34));
    p.fillRect(6, 42, Width - 6, 4, QColor(72, 30, 30));
    pool(p, QColor(196, 46, 16), fire, fireCore);
}

void crusher(QPainter &p, int) {
    slab(p);
    p.fillRect(8, 0, 3, 20, metalDark);
    p.fillRect(21, 0, 3, 20, metalDark);
    p.fillRect(3, 20, 26, 14, metal);
    p.fillRect(3, 20, 26, 2, metalLight);
    p.fillRect(3, 32, 26, 2, metalDark);
    for (int x = 3; x < 29; x += 6)
        for (int r = 0; r < 6; ++r)
            p.fillRect(x + r / 2, 34 + r, 6 - r, 1, metal.darker(110));
}

void flippingFloor(QPainter &p, int) {
    slab(p);
    p.setPen(QPen(gold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(6, 32, 20, 20), 20 * 16, 140 * 16);
    for (int r = 0; r < 4; ++r)
        p.fillRect(22 + r, 38 + r, 8 - 2 * r, 1, gold);
    p.setPen(Qt::NoPen);
    p.setBrush(metalDark);
    p.drawEllipse(QPoint(16, 57), 3, 3);
}

void holeAbove(QPainter &p, int) {
    slab(p);
    block(p, QRect(0, 0, 10, 9));
    block(p, QRect(22, 0, 10, 9));
    p.fillRect(10, 0, 12, 9, black);
    const QColor dust(120, 118, 136);
    for (QPoint dot :
         {QPoint(13, 13), QPoint(18, 17), QPoint(12, 23), QPoint(19, 28), QPoint(15, 34)})
        p.fillRect(dot.x(), dot.y(), 1, 2, dust);
}

void water(QPainter &p, int) {
    pool(p, QColor(30, 74, 168), QColor(120, 172, 236), QColor(200, 230, 255));
}

void sinkingFloor(QPainter &p, int) {
    slab(p);
    const QColor sand(198, 164, 102);
    p.fillRect(3, FloorTop, 26, 6, QColor(44, 36, 40));
    p.fillRect(3, FloorTop + 5, 26, 3, sand);
    for (int x = 4; x < 28; x += 5)
        p.fillRect(x, FloorTop + 6, 1, 1, sand.darker(130));
    for (int top : {30, 38})
        mark(p, 16, top, false, sand);
}

void villain(QPainter &p, int) {
    slab(p);
    const QColor robe(110, 36, 136);
    figure(p, 6,
           {{'h', robe.darker(140)},
            {'s', QColor(150, 140, 160)},
            {'e', red},
            {'c', robe},
            {'b', gold},
            {'l', robe},
            {'f', black}});
    p.fillRect(7, 14, 2, 3, bone);
    p.fillRect(13, 14, 2, 3, bone);
    p.fillRect(27, 12, 2, FloorTop - 12, woodDark);
    p.fillRect(26, 9, 4, 4, green);
}

void stoneTile(QPainter &p, int) {
    slab(p);
    p.setPen(Qt::NoPen);
    p.setBrush(stoneDark);
    p.drawEllipse(QRect(4, 26, 25, 24));
    p.setBrush(stone);
    p.drawEllipse(QRect(4, 26, 22, 21));
    p.setBrush(stoneLight);
    p.drawEllipse(QRect(9, 30, 7, 5));
}

void bridge(QPainter &p, int) {
    planks(p, FloorTop, 5);
    const QColor rope(200, 174, 122);
    for (int x = 0; x < Width; ++x)
        p.fillRect(x, 34 + (x > 6 && x < 25 ? 2 : 0) + (x > 12 && x < 19 ? 1 : 0), 1, 1, rope);
    for (int x = 3; x < Width; x += 8)
        p.fillRect(x, 36, 1, FloorTop - 36, rope);
}

void ship(QPainter &p, int) {
    p.fillRect(0, 54, Width, Height - 54, QColor(30, 74, 168));
    p.fillRect(0, 54, Width, 1, QColor(120, 172, 236));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawPolygon(QPolygon({{1, 42}, {30, 42}, {26, 55}, {5, 55}}));
    p.fillRect(1, 42, 30, 2, woodLight);
    p.fillRect(15, 8, 2, 34, woodDark);
    p.setBrush(QColor(236, 232, 214));
    p.drawPolygon(QPolygon({{18, 10}, {18, 38}, {29, 36}}));
    p.fillRect(17, 6, 5, 3, red);
}

void window(QPainter &p, int) {
    bricks(p, QRect(0, 0, Width, Height));
    const QColor sky(30, 40, 88);
    p.fillRect(8, 17, 16, 29, stoneLight);
    p.fillRect(10, 14, 12, 3, stoneLight);
    p.fillRect(9, 18, 14, 27, sky);
    p.fillRect(11, 15, 10, 3, sky);
    p.fillRect(11, 20, 3, 3, QColor(236, 232, 196));
    p.fillRect(19, 26, 1, 1, QColor(236, 232, 196));
    p.fillRect(15, 15, 2, 30, woodDark);
    p.fillRect(9, 30, 14, 2, woodDark);
    block(p, QRect(6, 45, 20, 3));
}

void spider(QPainter &p, int) {
    slab(p);
    p.fillRect(16, 0, 1, 26, QColor(176, 176, 188));
    stamp(p, 4, 26, SpiderRows,
          {{'b', QColor(104, 70, 52)}, {'l', QColor(170, 136, 104)}, {'r', red}}, 2);
}

void unknownKind(QPainter &p, int) {
    slab(p);
    p.fillRect(14, 30, 4, FloorTop - 30, wood);
    p.fillRect(4, 6, 24, 26, woodDark);
    p.fillRect(5, 7, 22, 24, woodLight);
    stamp(p, 11, 12, QuestionRows, {{'#', black}}, 2);
}

void plainBlock(QPainter &p, int) {
    p.fillRect(0, 0, Width, Height, QColor(72, 80, 100));
    p.fillRect(0, 0, Width, 2, QColor(118, 128, 150));
    p.fillRect(0, 0, 2, Height, QColor(118, 128, 150));
    p.fillRect(0, Height - 2, Width, 2, QColor(40, 44, 58));
    p.fillRect(Width - 2, 0, 2, Height, QColor(40, 44, 58));
}

void flameTile(QPainter &p, int) {
    slab(p);
    p.fillRect(5, FloorTop - 3, 22, 3, fireEdge.darker(160));
    flame(p, 16, FloorTop - 2, 38);
}

void drawbridge(QPainter &p, int) {
    planks(p, FloorTop - 2, 7);
    for (int x = 2; x < Width; x += 10)
        p.fillRect(x, FloorTop - 1, 2, 5, metalDark);
    for (int i = 0; i < 16; ++i)
        p.fillRect(28 - i * 3 / 2, FloorTop - 4 - i * 3, 2, 2, i % 2 ? metal : metalDark);
}

constexpr TileArt Arts[] = {
    {0x00, 0, 0, nothing, false},
    {0x01, 0, 0, floorTile, false},
    {0x02, 1, 1, spikes, false},
    {0x03, 0, 0, pillar, false},
    {0x04, 1, 0, gate, false},
    {0x05, 0, 0, openingPlate, false},
    {0x06, 0, 0, closingPlate, false},
    {0x07, 0, 0, wallWithHole, false},
    {0x08, 0, 0, bigPillarBottom, false},
    {0x09, 0, 0, bigPillarTop, false},
    {0x0A, 3, 0, potion, false},
    {0x0B, 0, 0, looseFloor, false},
    {0x0C, 0, 0, blade, false},
    {0x0D, 0, 0, blade, true},
    {0x0E, 0, 0, rubbleTile, false},
    {0x0F, 0, 0, weakLooseFloor, false},
    {0x10, 1, 0, exitDoor, false},
    {0x11, 1, 0, exitDoor, true},
    {0x12, 0, 0, carpet, false},
    {0x13, 1, 1, torchTile, false},
    {0x14, 0, 0, wall, false},
    {0x15, 0, 0, skeleton, false},
    {0x16, 0, 0, sword, false},
    {0x17, 0, 0, lava, false},
    {0x18, 0, 0, lava, true},
    {0x19, 0, 0, crusher, false},
    {0x1A, 0, 0, flippingFloor, false},
    {0x1B, 0, 0, holeAbove, false},
    {0x1C, 0, 0, water, true},
    {0x1D, 0, 0, water, false},
    {0x1E, 0, 0, sinkingFloor, false},
    {0x1F, 0, 0, villain, false},
    {0x20, 1, 1, torchWithRubble, false},
    {0x21, 1, 0, skullDoor, false},
    {0x22, 0, 0, openingClosingPlate, false},
    {0x23, 1, 0, skullDoor, true},
    {0x24, 0, 0, stoneTile, false},
    {0x25, 0, 0, bridge, false},
    {0x26, 0, 0, ship, false},
    {0x27, 0, 0, window, false},
    {0x28, 0, 0, spider, false},
    {0x29, 0, 0, unknownKind, false},
    {0x2A, 0, 0, plainBlock, false},
    {0x2B, 0, 0, flameTile, false},
    {0x2C, 0, 0, drawbridge, false},
};

} // namespace

std::span<const TileArt> tileArts() {
    return Arts;
}

QImage drawTile(const TileArt &art, int selector) {
    QImage picture = blankTile();
    QPainter p(&picture);
    art.draw(p, selector);
    p.end();
    return art.mirror ? mirrored(picture) : picture;
}

} // namespace qv2::art

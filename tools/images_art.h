#pragma once

// Drawing helpers shared by the tile, marker and arrow pictures: one palette, a few stone, metal
// and fire shapes, and small pixel sprites written as text rows.

#include <QColor>
#include <QImage>
#include <QPainter>

#include <initializer_list>
#include <span>

namespace qv2::art {

// Every picture is one tile cell.
constexpr int Width = 32;
constexpr int Height = 64;
// Top row of the floor slab: things standing on the floor end just above it.
constexpr int FloorTop = 50;

namespace colour {
inline const QColor night{22, 20, 36}; // the empty space behind every tile
inline const QColor key{255, 0, 255};  // markers' transparent colour, never used in a figure
inline const QColor stoneLight{186, 174, 150};
inline const QColor stone{142, 130, 110};
inline const QColor stoneDark{92, 82, 70};
inline const QColor mortar{58, 50, 44};
inline const QColor brick{140, 92, 66};
inline const QColor brickLight{170, 118, 86};
inline const QColor metalLight{206, 212, 224};
inline const QColor metal{150, 156, 172};
inline const QColor metalDark{82, 86, 102};
inline const QColor woodLight{168, 118, 66};
inline const QColor wood{128, 84, 44};
inline const QColor woodDark{80, 52, 28};
inline const QColor fireCore{255, 236, 120};
inline const QColor fire{250, 150, 30};
inline const QColor fireEdge{206, 58, 20};
inline const QColor bone{232, 226, 204};
inline const QColor black{12, 10, 16};
inline const QColor gold{232, 190, 60};
inline const QColor green{60, 196, 84};
inline const QColor red{214, 46, 46};
} // namespace colour

// One character of a sprite row and the colour it stands for; '.' (or any character without an
// ink) leaves the pixel as it was.
struct Ink {
    char key;
    QColor colour;
};
using Sprite = std::span<const char *const>;

// A tile filled with the empty background, and a marker filled with the key colour.
QImage blankTile();
QImage blankMarker();
// The picture mirrored left to right: left/right pairs and facings are drawn once.
QImage mirrored(const QImage &picture);
// Keeps only a one-pixel line around the figure's shape, in the given colour, on the key colour.
QImage outlined(const QImage &marker, const QColor &line);

void stamp(QPainter &p, int x, int y, Sprite rows, std::initializer_list<Ink> inks, int scale = 1);
// A decimal digit 0..9 in a 3 x 5 pixel face, each pixel scale x scale.
void digit(QPainter &p, int value, int x, int y, const QColor &colour, int scale = 1);

// A stone floor slab from row `top` to the bottom of the cell.
void slab(QPainter &p, int top = FloorTop, const QColor &face = colour::stone,
          const QColor &surface = colour::stoneLight);
// A dressed stone block: light top and left edge, dark bottom and right edge.
void block(QPainter &p, const QRect &r, const QColor &face = colour::stone);
// A round column shaft: lit on the left, shaded on the right, with one flute line.
void shaft(QPainter &p, int left, int width, int top, int bottom);
// A pointed metal triangle of rows from `base` upwards, `width` wide at the base.
void spike(QPainter &p, int left, int base, int width, int height);
// Wooden planks across the cell, from row `top` down `depth` rows, on a dark beam.
void planks(QPainter &p, int top, int depth);
// Staggered bricks with mortar filling the rectangle.
void bricks(QPainter &p, const QRect &area);
// Gate bars hanging from the top beam down to row `bottom`, with pointed ends.
void bars(QPainter &p, int bottom);
// A flame with its base centred at (cx, baseY), `height` rows high.
void flame(QPainter &p, int cx, int baseY, int height);
// A few broken stones lying on the floor.
void rubble(QPainter &p);
// A wall torch; a burning one carries a flame.
void torch(QPainter &p, bool burning);
// A small skull, 8 x 7 pixels, top-left at (x, y).
void skull(QPainter &p, int x, int y);

// A standing figure facing right, feet on the floor, in the colours of the inks: h headgear or
// hair, s skin, e eye, c clothes, b belt, l legs, f feet.
void figure(QPainter &p, int x, std::initializer_list<Ink> inks);

} // namespace qv2::art

#include "images_art.h"

#include <algorithm>

namespace qv2::art {

namespace {

// A standing figure seen from the side, facing right: the arm reaches forward at chest height and
// the legs are in mid-stride, so the facing reads even in outline.
constexpr const char *FigureRows[] = {
    "....hhhh....", //
    "...hhhhhhh..", //
    "..hhhhhhhh..", //
    "..hhhsssss..", //
    "..hhssssess.", //
    "..hhssssss..", //
    "...ssssssss.", //
    "....ssssss..", //
    ".....ssss...", //
    ".....sss....", //
    "...ccccccc..", //
    "..ccccccccc.", //
    "..cccccccccc", //
    "..ccccccccss", //
    "..cccccc....", //
    "..cccccc....", //
    "..scccccc...", //
    "..ccccccc...", //
    "..ccccccc...", //
    "..ccccccc...", //
    "..bbbbbbb...", //
    "..ccccccc...", //
    "..cccccccc..", //
    "..llllllll..", //
    "..llll.lll..", //
    "..lll...lll.", //
    ".lll....lll.", //
    ".lll.....ll.", //
    ".ll......ll.", //
    ".ll......ll.", //
    "ll.......ll.", //
    "ll.......ll.", //
    "ll.......ll.", //
    "ff.......fff", //
    "fff......fff", //
};

constexpr const char *SkullRows[] = {
    "..####..", //
    ".######.", //
    "#oo##oo#", //
    "#oo##oo#", //
    ".###o##.", //
    "..####..", //
    "..#.#.#.", //
};

constexpr const char *DigitRows[10][5] = {
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"}, {"###", "..#", ".##", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", "..#", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "###"},
};

// One colour layer of a flame: widest a third of the way up, narrowing to a tip that leans right.
void flameLayer(QPainter &p, int cx, int baseY, int height, int maxHalf, const QColor &colour) {
    for (int r = 0; r < height; ++r) {
        const double t = static_cast<double>(r) / height;
        const double share = t < 0.3 ? 0.7 + t : (1.0 - t) / 0.7;
        const int half = static_cast<int>(maxHalf * share + 0.5);
        const int lean = t > 0.6 ? 1 : 0;
        const int width = std::max(1, 2 * half);
        p.fillRect(cx - width / 2 + lean, baseY - r, width, 1, colour);
    }
}

} // namespace

QImage blankTile() {
    QImage picture(Width, Height, QImage::Format_RGB32);
    picture.fill(colour::night);
    return picture;
}

QImage blankMarker() {
    QImage picture(Width, Height, QImage::Format_RGB32);
    picture.fill(colour::key);
    return picture;
}

QImage mirrored(const QImage &picture) {
    return picture.mirrored(true, false);
}

QImage outlined(const QImage &marker, const QColor &line) {
    const QRgb key = colour::key.rgb();
    auto inFigure = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < marker.width() && y < marker.height() &&
               marker.pixel(x, y) != key;
    };
    QImage result = blankMarker();
    for (int y = 0; y < marker.height(); ++y)
        for (int x = 0; x < marker.width(); ++x)
            if (!inFigure(x, y) && (inFigure(x - 1, y) || inFigure(x + 1, y) ||
                                    inFigure(x, y - 1) || inFigure(x, y + 1)))
                result.setPixel(x, y, line.rgb());
    return result;
}

void stamp(QPainter &p, int x, int y, Sprite rows, std::initializer_list<Ink> inks, int scale) {
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; rows[r][c] != '\0'; ++c)
            for (const Ink &ink : inks)
                if (ink.key == rows[r][c])
                    p.fillRect(x + c * scale, y + r * scale, scale, scale, ink.colour);
}

void digit(QPainter &p, int value, int x, int y, const QColor &colour, int scale) {
    stamp(p, x, y, DigitRows[value % 10], {{'#', colour}}, scale);
}

void slab(QPainter &p, int top, const QColor &face, const QColor &surface) {
    const int depth = Height - top;
    p.fillRect(0, top, Width, depth, face);
    p.fillRect(0, top, Width, 3, surface);
    p.fillRect(0, top + 3, Width, 1, face.darker(130));
    // Mortar joints: one course line, joints staggered above and below it, and the cell's edge.
    const int course = top + 3 + (depth - 3) / 2;
    p.fillRect(0, course, Width, 1, colour::mortar);
    p.fillRect(12, top + 4, 1, course - top - 4, colour::mortar);
    p.fillRect(24, course + 1, 1, Height - course - 2, colour::mortar);
    p.fillRect(Width - 1, top + 3, 1, depth - 3, colour::mortar);
    p.fillRect(0, Height - 1, Width, 1, colour::stoneDark);
}

void block(QPainter &p, const QRect &r, const QColor &face) {
    p.fillRect(r, face);
    p.fillRect(r.left(), r.top(), r.width(), 1, colour::stoneLight);
    p.fillRect(r.left(), r.top(), 1, r.height(), colour::stoneLight);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, colour::stoneDark);
    p.fillRect(r.right(), r.top(), 1, r.height(), colour::stoneDark);
}

void shaft(QPainter &p, int left, int width, int top, int bottom) {
    p.fillRect(left, top, width, bottom - top, colour::stone);
    p.fillRect(left + 1, top, 2, bottom - top, colour::stoneLight);
    p.fillRect(left + width - 3, top, 3, bottom - top, colour::stoneDark);
    p.fillRect(left + width / 2, top, 1, bottom - top, colour::stone.darker(120));
}

void spike(QPainter &p, int left, int base, int width, int height) {
    for (int r = 0; r < height; ++r) {
        const int w = std::max(1, width - r * width / height);
        const int x = left + (width - w) / 2;
        p.fillRect(x, base - r, w, 1, colour::metal);
        p.fillRect(x, base - r, 1, 1, colour::metalLight);
    }
}

void planks(QPainter &p, int top, int depth) {
    p.fillRect(0, top, Width, depth, colour::wood);
    p.fillRect(0, top, Width, 1, colour::woodLight);
    for (int x = 7; x < Width; x += 8)
        p.fillRect(x, top + 1, 1, depth - 1, colour::woodDark);
    p.fillRect(0, top + depth, Width, 2, colour::woodDark);
}

void bricks(QPainter &p, const QRect &area) {
    p.save();
    p.setClipRect(area);
    p.fillRect(area, colour::mortar);
    constexpr int BrickW = 16;
    constexpr int BrickH = 8;
    for (int row = 0; area.top() + row * BrickH <= area.bottom(); ++row) {
        const int y = area.top() + row * BrickH;
        const int offset = row % 2 == 0 ? 0 : -BrickW / 2;
        for (int col = 0; area.left() + offset + col * BrickW <= area.right(); ++col) {
            const int x = area.left() + offset + col * BrickW;
            const QColor face =
                (row * 2 + col) % 3 == 0 ? colour::brick.darker(115) : colour::brick;
            p.fillRect(x, y, BrickW - 1, BrickH - 1, face);
            p.fillRect(x, y, BrickW - 1, 1, colour::brickLight);
            p.fillRect(x, y, 1, BrickH - 1, colour::brickLight);
        }
    }
    p.restore();
}

void bars(QPainter &p, int bottom) {
    p.fillRect(0, 0, Width, 5, colour::metalDark);
    p.fillRect(0, 0, Width, 1, colour::metal);
    for (int x = 3; x < Width; x += 6) {
        p.fillRect(x, 5, 2, bottom - 5, colour::metal);
        p.fillRect(x, 5, 1, bottom - 5, colour::metalLight);
        p.fillRect(x, bottom, 1, 2, colour::metalLight);
    }
    for (int y : {18, 34})
        if (y + 2 < bottom)
            p.fillRect(1, y, Width - 2, 2, colour::metalDark);
}

void flame(QPainter &p, int cx, int baseY, int height) {
    const int half = std::max(2, height / 4);
    flameLayer(p, cx, baseY, height, half, colour::fireEdge);
    flameLayer(p, cx, baseY, height * 4 / 5, std::max(1, half - 1), colour::fire);
    flameLayer(p, cx, baseY, height / 2, std::max(1, half - 2), colour::fireCore);
}

void rubble(QPainter &p) {
    const QRect stones[] = {{2, 45, 7, 5}, {10, 47, 5, 3}, {16, 43, 8, 7}, {25, 46, 6, 4}};
    for (const QRect &s : stones) {
        p.fillRect(s, colour::stone);
        p.fillRect(s.left(), s.top(), s.width(), 1, colour::stoneLight);
        p.fillRect(s.right(), s.top() + 1, 1, s.height() - 1, colour::stoneDark);
    }
}

void torch(QPainter &p, bool burning) {
    if (burning) {
        // A dim warm glow on the wall behind the flame.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 30, 40));
        p.drawEllipse(QPoint(16, 14), 9, 11);
    }
    p.fillRect(12, 31, 9, 3, colour::metalDark);
    p.fillRect(15, 20, 3, 12, colour::wood);
    p.fillRect(14, 18, 5, 3, colour::metal);
    if (burning) {
        flame(p, 16, 18, 15);
    } else {
        p.fillRect(15, 17, 3, 2, colour::black);
        const QColor smoke(112, 112, 124);
        for (QPoint dot : {QPoint(16, 14), QPoint(15, 11), QPoint(17, 8), QPoint(16, 5)})
            p.fillRect(dot.x(), dot.y(), 1, 2, smoke);
    }
}

void skull(QPainter &p, int x, int y) {
    stamp(p, x, y, SkullRows, {{'#', colour::bone}, {'o', colour::black}});
}

void figure(QPainter &p, int x, std::initializer_list<Ink> inks) {
    const int rows = static_cast<int>(std::size(FigureRows));
    stamp(p, x, FloorTop + 1 - rows, FigureRows, inks);
}

} // namespace qv2::art

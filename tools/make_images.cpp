// Draws every picture the room view can name into the folder given as the only argument: the tile
// kinds (with one picture per selector value where the back lists select by an attribute field),
// the neighbour arrows and the markers. All are 32 x 64 pixel, 24-bit .bmp files. Drawing on
// QImage needs no display and no application object.

#include "images_art.h"
#include "images_tiles.h"

#include <QDir>
#include <QPolygon>
#include <QString>

#include <cstdio>

namespace {

using namespace qv2::art;

const std::initializer_list<Ink> PlayerInks = {
    {'h', QColor(70, 44, 22)},    {'s', QColor(234, 184, 140)}, {'e', colour::black},
    {'c', QColor(238, 236, 226)}, {'b', colour::gold},          {'l', QColor(206, 204, 196)},
    {'f', QColor(110, 70, 36)}};

const std::initializer_list<Ink> GuardInks = {
    {'h', QColor(196, 36, 36)}, {'s', QColor(198, 146, 100)}, {'e', colour::black},
    {'c', QColor(48, 84, 184)}, {'b', colour::gold},          {'l', QColor(34, 38, 88)},
    {'f', colour::black}};

// The player's start marker.
QImage start(bool facesRight) {
    QImage picture = blankMarker();
    QPainter p(&picture);
    figure(p, 10, PlayerInks);
    p.end();
    return facesRight ? picture : mirrored(picture);
}

// An enemy with a drawn sword held out in front.
QImage guard(bool facesRight) {
    QImage picture = blankMarker();
    QPainter p(&picture);
    figure(p, 4, GuardInks);
    p.fillRect(16, 25, 2, 8, colour::gold);
    p.fillRect(18, 28, 11, 2, colour::metal);
    p.fillRect(18, 28, 11, 1, colour::metalLight);
    p.fillRect(29, 29, 1, 1, colour::metalLight);
    p.end();
    return facesRight ? picture : mirrored(picture);
}

// A guard still to come: only its outline, with the column it will appear in.
QImage coming(int column) {
    QImage picture = outlined(guard(true), QColor(168, 226, 250));
    QPainter p(&picture);
    p.fillRect(0, 0, 9, 13, colour::black);
    digit(p, column, 1, 1, QColor(250, 250, 250), 2);
    return picture;
}

// A restart point: a flag on a pole, standing in a glowing ring.
QImage restart() {
    QImage picture = blankMarker();
    QPainter p(&picture);
    p.setPen(QPen(colour::gold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(3, 44, 26, 8));
    p.setPen(Qt::NoPen);
    p.fillRect(9, 12, 2, 38, colour::woodDark);
    p.setBrush(colour::green);
    p.drawPolygon(QPolygon({{11, 12}, {28, 18}, {11, 25}}));
    p.fillRect(11, 12, 2, 13, colour::green.lighter(130));
    p.fillRect(8, 10, 4, 3, colour::gold);
    return picture;
}

// Arrows are opaque: a dark arrow in the upper half of a light card with a thin frame. The room
// view writes the neighbour's number at (16, 32) of the card, so the lower half stays plain.
QImage arrow(const QPolygon &shape) {
    QImage picture(Width, Height, QImage::Format_RGB32);
    picture.fill(QColor(236, 232, 214));
    QPainter p(&picture);
    p.setPen(QColor(128, 122, 104));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, Width - 1, Height - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(38, 62, 150));
    p.drawPolygon(shape);
    return picture;
}

QImage arrowRight() {
    return arrow(QPolygon({{3, 12}, {18, 12}, {18, 5}, {29, 16}, {18, 27}, {18, 20}, {3, 20}}));
}

QImage arrowUp() {
    return arrow(QPolygon({{12, 30}, {12, 16}, {3, 16}, {16, 3}, {29, 16}, {20, 16}, {20, 30}}));
}

QImage arrowDown() {
    return arrow(QPolygon({{12, 2}, {20, 2}, {20, 16}, {29, 16}, {16, 29}, {3, 16}, {12, 16}}));
}

bool save(const QImage &picture, const QDir &folder, const QString &name) {
    const QString path = folder.filePath(name + QStringLiteral(".bmp"));
    if (picture.convertToFormat(QImage::Format_RGB888).save(path, "BMP"))
        return true;
    std::fprintf(stderr, "make_images: cannot write %s\n", qPrintable(path));
    return false;
}

QString hex2(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_images OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_images: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (const TileArt &art : tileArts()) {
        ok &= save(drawTile(art, art.plainSelector), folder, hex2(art.kind));
        for (int value = 0; value < (1 << art.selectorWidth) && art.selectorWidth > 0; ++value)
            ok &= save(drawTile(art, value), folder, hex2(art.kind) + '_' + hex2(value));
    }
    const QImage right = arrowRight();
    ok &= save(right, folder, QStringLiteral("right"));
    ok &= save(mirrored(right), folder, QStringLiteral("left"));
    ok &= save(arrowUp(), folder, QStringLiteral("up"));
    ok &= save(arrowDown(), folder, QStringLiteral("down"));
    ok &= save(start(true), folder, QStringLiteral("start00"));
    ok &= save(start(false), folder, QStringLiteral("startFF"));
    ok &= save(guard(true), folder, QStringLiteral("guard00"));
    ok &= save(guard(false), folder, QStringLiteral("guardFF"));
    for (int column = 0; column < 10; ++column)
        ok &= save(coming(column), folder, QStringLiteral("coming") + hex2(column));
    ok &= save(restart(), folder, QStringLiteral("restart"));
    return ok ? 0 : 1;
}

#include "view/room_painter.h"

#include "level/level_layout.h"
#include "view/picture_file.h"
#include "view/picture_text.h"
#include "view/tile_picture_name.h"

#include <QPainter>

#include <algorithm>

namespace qv2 {

namespace {

QPoint TileCorner(int row, int column) {
    return {kGridLeft + kTileWidth * column, kGridTop + kTileHeight * row};
}

QPoint PlaceCorner(int place) {
    return TileCorner(place / kColumns, place % kColumns);
}

bool InsideRoom(int place) {
    return place >= 0 && place < kTilesPerRoom;
}

// The tile frame is 33 x 65 so that neighbouring frames share their border line. Its four sides
// are filled as one-pixel rectangles: a stroked outline costs many times as much.
void DrawTileFrame(QPainter &painter, int row, int column, const QColor &colour) {
    const QPoint corner = TileCorner(row, column);
    painter.fillRect(QRect(corner, QSize(kTileWidth + 1, 1)), colour);
    painter.fillRect(QRect(corner + QPoint(0, kTileHeight), QSize(kTileWidth + 1, 1)), colour);
    painter.fillRect(QRect(corner, QSize(1, kTileHeight + 1)), colour);
    painter.fillRect(QRect(corner + QPoint(kTileWidth, 0), QSize(1, kTileHeight + 1)), colour);
}

// The frames of all tiles together, which share their borders: the lines of the grid.
void DrawTileGrid(QPainter &painter, const QColor &colour) {
    const QPoint corner = TileCorner(0, 0);
    for (int row = 0; row <= kRows; ++row)
        painter.fillRect(
            QRect(corner + QPoint(0, kTileHeight * row), QSize(kTileWidth * kColumns + 1, 1)),
            colour);
    for (int column = 0; column <= kColumns; ++column)
        painter.fillRect(
            QRect(corner + QPoint(kTileWidth * column, 0), QSize(1, kTileHeight * kRows + 1)),
            colour);
}

// Copies every pixel, whatever alpha the file has: tiles and arrows are opaque.
void DrawOpaque(QPainter &painter, QPoint at, const QImage &image) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, image.convertToFormat(QImage::Format_RGB32));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// The colour of the lower-left pixel is the marker's transparent colour. Premultiplied, which is
// the form the painter blends without converting it first.
void DrawTransparent(QPainter &painter, QPoint at, const QImage &image) {
    if (image.isNull())
        return;
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = keyed.width();
    const QRgb key = reinterpret_cast<const QRgb *>(keyed.constScanLine(keyed.height() - 1))[0];
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        std::replace(line, line + width, key, qRgba(0, 0, 0, 0));
    }
    painter.drawImage(at, keyed);
}

QImage RequirePicture(const PictureLoader &loadPicture, const QString &name) {
    auto image = loadPicture(name);
    if (!image)
        throw MissingPicture(name);
    return *image;
}

struct Arrow {
    const char *picture;
    QPoint place;
    QPoint numberPlace;
};

// In the order left, right, up, down: the sides of the room neighbours table.
constexpr Arrow kArrows[] = {
    {"left", {80, 128}, {96, 160}},
    {"right", {496, 128}, {512, 160}},
    {"up", {304, 0}, {320, 32}},
    {"down", {304, 256}, {320, 288}},
};

void PaintArrows(QPainter &painter, const LevelStore &level, int room,
                 const PictureLoader &loadPicture) {
    for (int side = SideLeft; side <= SideDown; ++side) {
        const Arrow &arrow = kArrows[side];
        DrawOpaque(painter, arrow.place,
                   RequirePicture(loadPicture, QString::fromLatin1(arrow.picture)));
        WriteText(painter, arrow.numberPlace, QString::number(level.byte(NeighbourAt(room, side))));
    }
}

// Markers are tile-sized: one that lies outside the part being drawn is not even loaded.
bool Touches(const QRect &clip, QPoint corner) {
    return clip.intersects(QRect(corner, QSize(kTileWidth, kTileHeight)));
}

void PaintStartMarker(QPainter &painter, const LevelStore &level, int room,
                      const PictureLoader &loadPicture, const QRect &clip) {
    const int place = level.byte(kStartTileOffset);
    if (level.byte(kStartRoomOffset) != room || !InsideRoom(place) ||
        !Touches(clip, PlaceCorner(place)))
        return;
    if (auto image =
            loadPicture(QStringLiteral("start") + HexByte(level.byte(kStartDirectionOffset))))
        DrawTransparent(painter, PlaceCorner(place), *image);
}

void PaintEnemies(QPainter &painter, const LevelStore &level, int room,
                  const PictureLoader &loadPicture, const QRect &clip) {
    const int count = std::min<int>(level.byte(EnemyCountAt(room)), kMaxEnemies);
    for (int i = 0; i < count; ++i) {
        const std::size_t record = EnemyRecordAt(room, i);
        const int place = level.byte(record);
        if (!InsideRoom(place))
            continue;
        const QPoint corner = PlaceCorner(place);
        // The word is the enemy's pixel column in the room picture, used as it stands.
        const QRect line(level.word(record + 1), corner.y(), 1, kTileHeight);
        if (!Touches(clip, corner) && !clip.intersects(line))
            continue;
        const auto image = loadPicture(QStringLiteral("guard") + HexByte(level.byte(record + 3)));
        if (!image)
            continue;
        DrawTransparent(painter, corner, *image);
        painter.fillRect(line, Qt::red);
    }
}

void PaintComingGuards(QPainter &painter, const LevelStore &level, int room,
                       const PictureLoader &loadPicture, const QRect &clip) {
    const int count = std::min<int>(level.byte(ComingGuardCountAt(room)), kMaxComingGuards);
    for (int i = 0; i < count; ++i) {
        const std::size_t record = ComingGuardRecordAt(room, i);
        const int row = level.byte(record + 1);
        const int column = level.byte(record + 2);
        if (row >= kRows || column >= kColumns || !Touches(clip, TileCorner(row, column)))
            continue;
        if (auto image =
                loadPicture(QStringLiteral("coming") + HexByte(static_cast<std::uint8_t>(column))))
            DrawTransparent(painter, TileCorner(row, column), *image);
    }
}

void PaintRestartPoints(QPainter &painter, const LevelStore &level, int room,
                        const PictureLoader &loadPicture, const QRect &clip) {
    for (int i = 0; i < kRestartPointCount; ++i) {
        const int place = level.byte(RestartPointAt(i) + 1);
        if (level.byte(RestartPointAt(i)) != room || !InsideRoom(place) ||
            !Touches(clip, PlaceCorner(place)))
            continue;
        DrawTransparent(painter, PlaceCorner(place),
                        RequirePicture(loadPicture, QStringLiteral("restart")));
    }
}

// The markers that stand on tiles (everything but the arrows) that reach into `clip`.
void PaintTileMarkers(QPainter &painter, const LevelStore &level, int room,
                      const PictureLoader &loadPicture, const QRect &clip) {
    PaintStartMarker(painter, level, room, loadPicture, clip);
    PaintEnemies(painter, level, room, loadPicture, clip);
    PaintComingGuards(painter, level, room, loadPicture, clip);
    PaintRestartPoints(painter, level, room, loadPicture, clip);
}

void DrawTile(QPainter &painter, const LevelStore &level, int room, int row, int column,
              const IniFile &background, const PictureLoader &loadPicture) {
    const QString name = TilePictureName(level.byte(TileKindAt(room, row, column)),
                                         TileAttributes(level, room, row, column), background);
    const QPoint corner = TileCorner(row, column);
    if (auto image = loadPicture(name)) {
        DrawOpaque(painter, corner, *image);
    } else {
        painter.fillRect(QRect(corner, QSize(kTileWidth, kTileHeight)), Qt::black);
        WriteText(painter, corner, name);
    }
}

// The red frame of the selected tile, and around a selected rectangle of tiles a frame two
// lines wide.
void DrawSelection(QPainter &painter, const RoomSelection &selection) {
    DrawTileFrame(painter, selection.row, selection.column, Qt::red);
    if (!selection.area)
        return;
    const TileArea &area = *selection.area;
    const QRect outer(TileCorner(area.top, area.left),
                      TileCorner(area.bottom, area.right) + QPoint(kTileWidth, kTileHeight));
    for (const QRect &frame : {outer, outer.adjusted(1, 1, -1, -1)}) {
        painter.fillRect(QRect(frame.topLeft(), QSize(frame.width(), 1)), Qt::red);
        painter.fillRect(QRect(frame.bottomLeft(), QSize(frame.width(), 1)), Qt::red);
        painter.fillRect(QRect(frame.topLeft(), QSize(1, frame.height())), Qt::red);
        painter.fillRect(QRect(frame.topRight(), QSize(1, frame.height())), Qt::red);
    }
}

} // namespace

PictureLoader PicturesFromFolder(const QString &imagesDir) {
    return [imagesDir](const QString &name) -> std::optional<QImage> {
        QImage image = ReadPictureFile(imagesDir + name + QStringLiteral(".bmp"), "bmp");
        if (image.isNull())
            return std::nullopt;
        return image;
    };
}

void PaintRoomTiles(QImage &picture, const LevelStore &level, const RoomSelection &selection,
                    const IniFile &background, const PictureLoader &loadPicture) {
    // The part below the room view is never shown; it is cleared too so that it holds no garbage.
    // The last refresh's picture is drawn over when it has the size: allocating anew costs more.
    if (picture.size() != QSize(kRoomPictureWidth, kRoomPictureHeight) ||
        picture.format() != QImage::Format_RGB32)
        picture = QImage(kRoomPictureWidth, kRoomPictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column)
            DrawTile(painter, level, selection.room, row, column, background, loadPicture);
    }
    DrawTileGrid(painter, Qt::blue);
    DrawSelection(painter, selection);
}

void PaintRoomMarkers(QImage &picture, const LevelStore &level, int room,
                      const PictureLoader &loadPicture) {
    QPainter painter(&picture);
    PaintArrows(painter, level, room, loadPicture);
    PaintTileMarkers(painter, level, room, loadPicture, picture.rect());
}

void PaintRoomTile(QImage &picture, const LevelStore &level, const RoomSelection &selection,
                   const IniFile &background, const PictureLoader &loadPicture, int row,
                   int column) {
    QPainter painter(&picture);
    // The cell without its right and bottom lines, which belong to the next cells or to the
    // grid's edge and never change with a tile.
    const QRect cell(TileCorner(row, column), QSize(kTileWidth, kTileHeight));
    painter.setClipRect(cell);
    DrawTile(painter, level, selection.room, row, column, background, loadPicture);
    DrawTileGrid(painter, Qt::blue);
    DrawSelection(painter, selection);
    PaintTileMarkers(painter, level, selection.room, loadPicture, cell);
}

QImage ComposeRoom(const LevelStore &level, const RoomSelection &selection,
                   const IniFile &background, const PictureLoader &loadPicture) {
    QImage picture;
    PaintRoomTiles(picture, level, selection, background, loadPicture);
    PaintRoomMarkers(picture, level, selection.room, loadPicture);
    return picture;
}

} // namespace qv2

#include "editors/background_picture.h"

#include "view/background_list.h"
#include "view/picture_text.h"

#include <QPainter>

namespace qv2 {

namespace {

constexpr int kCellWidth = kBackgroundCellWidth;
constexpr int kCellHeight = kBackgroundCellHeight;
constexpr int kNumberPixelSize = 10;
constexpr QColor kOutline(0, 0, 255);
constexpr QColor kSelection(255, 0, 0);

// The cell's top-left corner in the picture.
QPoint CellCorner(int place) {
    return {kCellWidth * (place % kColumns), kCellHeight * (place / kColumns)};
}

// A one-pixel outline of the pixels from (left, top) up to, not including, (right, bottom); an
// empty or inverted rectangle draws nothing.
void Outline(QPainter &painter, int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    painter.setPen(kOutline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(left, top, right - 1 - left, bottom - 1 - top);
}

// A red frame two pixels wide, two pixels inside the cell.
void FrameSelection(QPainter &painter, const QRect &cell) {
    const QRect outer = cell.adjusted(2, 2, -2, -2);
    const QRect inner = outer.adjusted(2, 2, -2, -2);
    painter.fillRect(outer, kSelection);
    painter.fillRect(inner, Qt::black);
}

} // namespace

RoomBackground ReadRoomBackground(const LevelStore &level, int room) {
    RoomBackground background;
    for (int place = 0; place < kTilesPerRoom; ++place) {
        const int row = place / kColumns;
        const int column = place % kColumns;
        background.pictures[place] = level.byte(TileAttributeAt(room, row, column, 2));
        background.flags[place] = level.byte(TileAttributeAt(room, row, column, 3));
    }
    return background;
}

std::optional<int> BackgroundPlaceAt(QPoint point) {
    if (point.x() < 0 || point.y() < 0)
        return std::nullopt;
    const int column = point.x() / kCellWidth;
    const int row = point.y() / kCellHeight;
    if (column >= kColumns || row >= kRows)
        return std::nullopt;
    return row * kColumns + column;
}

QImage DrawRoomBackground(const RoomBackground &background, const IniFile &list,
                          std::optional<int> selectedPlace) {
    QImage picture(kBackgroundPictureWidth, kBackgroundPictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    // First, so that the number in the cell and the outlines along its edges stay whole.
    if (selectedPlace)
        FrameSelection(painter, QRect(CellCorner(*selectedPlace), QSize(kCellWidth, kCellHeight)));
    // Small enough for two digits between the cell's middle and its right edge.
    QFont font = painter.font();
    font.setPixelSize(kNumberPixelSize);
    painter.setFont(font);
    for (int place = 0; place < kTilesPerRoom; ++place) {
        WriteText(painter, CellCorner(place) + QPoint(kCellWidth / 2, kCellHeight / 2),
                  QString::asprintf("%02X", background.pictures[place]));
    }
    for (int place = 0; place < kTilesPerRoom; ++place) {
        if (background.flags[place] != 0)
            continue;
        const QSize size = BackgroundPictureSize(list, background.pictures[place]);
        const QPoint cell = CellCorner(place);
        Outline(painter, cell.x(), cell.y() - kCellHeight * (size.height() - 1),
                cell.x() + kCellWidth * size.width() - 1, cell.y() + kCellHeight - 1);
    }
    return picture;
}

} // namespace qv2

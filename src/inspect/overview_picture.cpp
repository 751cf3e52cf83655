#include "inspect/overview_picture.h"

#include <QPainter>

namespace qv2 {

QImage DrawOverview(const OverviewMap &map) {
    QImage picture(kOverviewCells * kOverviewCellWidth, kOverviewCells * kOverviewCellHeight,
                   QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    for (int y = 0; y < kOverviewCells; ++y) {
        for (int x = 0; x < kOverviewCells; ++x) {
            const std::uint32_t room = map[y][x];
            if (room == 0)
                continue;
            const QPoint corner(x * kOverviewCellWidth, y * kOverviewCellHeight);
            // With a one-pixel pen the outline covers width + 1 pixels, so one less frames the
            // cell exactly.
            painter.setPen(Qt::black);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(corner, QSize(kOverviewCellWidth - 1, kOverviewCellHeight - 1)));
            painter.drawText(QRect(corner + QPoint(1, 1),
                                   QSize(kOverviewCellWidth - 2, kOverviewCellHeight - 2)),
                             Qt::AlignLeft | Qt::AlignTop, QString::number(room));
        }
    }
    return picture;
}

void FrameRoom(QImage &picture, const OverviewMap &map, int room) {
    QPainter painter(&picture);
    for (int y = 0; y < kOverviewCells; ++y) {
        for (int x = 0; x < kOverviewCells; ++x) {
            if (room <= 0 || map[y][x] != static_cast<std::uint32_t>(room))
                continue;
            const QRect cell(x * kOverviewCellWidth, y * kOverviewCellHeight, kOverviewCellWidth,
                             kOverviewCellHeight);
            // Two red lines inside the black frame, clear of the number in the corner.
            painter.fillRect(cell.adjusted(1, 1, -1, -1), Qt::red);
            painter.fillRect(cell.adjusted(3, 3, -3, -3), Qt::white);
            painter.setPen(Qt::black);
            painter.drawText(cell.adjusted(1, 1, -1, -1), Qt::AlignCenter, QString::number(room));
        }
    }
}

std::optional<int> RoomAtPixel(const OverviewMap &map, QPoint pixel) {
    const int x = pixel.x() / kOverviewCellWidth;
    const int y = pixel.y() / kOverviewCellHeight;
    if (pixel.x() < 0 || pixel.y() < 0 || x >= kOverviewCells || y >= kOverviewCells)
        return std::nullopt;
    const std::uint32_t room = map[y][x];
    if (room == 0 || room > 32)
        return std::nullopt;
    return static_cast<int>(room);
}

} // namespace qv2

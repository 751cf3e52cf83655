#pragma once

#include "inspect/overview_map.h"

#include <QImage>
#include <QPoint>

#include <optional>

namespace qv2 {

inline constexpr int kOverviewCellWidth = 32;
inline constexpr int kOverviewCellHeight = 20;

// The map as a 1024 x 640 picture on white: each room a black frame round its 32 x 20 cell with
// its number written inside, from the cell's top-left corner plus one pixel.
QImage DrawOverview(const OverviewMap &map);

// Marks the room shown in the main window: a red frame inside every cell that holds it, with its
// number in the middle.
void FrameRoom(QImage &picture, const OverviewMap &map, int room);

// The room under a pixel of the picture; nothing on an empty cell or a number that is no room.
std::optional<int> RoomAtPixel(const OverviewMap &map, QPoint pixel);

} // namespace qv2

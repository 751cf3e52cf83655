#pragma once

#include "level/level_layout.h"
#include "level/level_store.h"
#include "text/ini_file.h"

#include <QImage>
#include <QPoint>

#include <array>
#include <cstdint>
#include <optional>

// The picture of the background editor: one 32 x 64 cell per tile of the room, with the tile's
// background picture number and the outlines of the background pictures.
namespace qv2 {

inline constexpr int kBackgroundPictureWidth = 320;
inline constexpr int kBackgroundPictureHeight = 200;
inline constexpr int kBackgroundCellWidth = 32;
inline constexpr int kBackgroundCellHeight = 64;

// Attribute bytes 2 and 3 of a room's tiles, by tile place.
struct RoomBackground {
    std::array<std::uint8_t, kTilesPerRoom> pictures{}; // background picture number
    std::array<std::uint8_t, kTilesPerRoom> flags{};    // 0: a background picture starts here
};

RoomBackground ReadRoomBackground(const LevelStore &level, int room);

// The tile place of the cell under a point of the picture; nothing below the three rows.
std::optional<int> BackgroundPlaceAt(QPoint point);

// Black cells with the picture numbers as two hexadecimal digits; for each tile whose flag is 0,
// a blue outline reaching from its cell over the picture's width to the right and its height
// upwards, clipped by the picture's edges (a size of 0 draws none); the selected tile framed in
// red inside its cell.
QImage DrawRoomBackground(const RoomBackground &background, const IniFile &list,
                          std::optional<int> selectedPlace);

} // namespace qv2

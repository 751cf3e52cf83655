#pragma once

#include "level/level_store.h"
#include "text/ini_file.h"

#include <QString>

#include <array>
#include <cstdint>

namespace qv2 {

// A byte as two upper-case hexadecimal digits: the form of section names and picture names.
QString HexByte(std::uint8_t value);

// The four attribute bytes of the tile at row, column of the room.
std::array<std::uint8_t, 4> TileAttributes(const LevelStore &level, int room, int row, int column);

// The picture of a tile: its kind as two hex digits, followed by "_" and the value of the kind's
// `aff` selector in the background list when that entry is a valid bit field ("1A" or "1A_07").
// The only place where tile pictures are named.
QString TilePictureName(std::uint8_t kind, const std::array<std::uint8_t, 4> &attributes,
                        const IniFile &background);

} // namespace qv2

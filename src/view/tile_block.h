#pragma once

#include "level/level_store.h"
#include "ui/editor_state.h"

#include <array>
#include <cstdint>
#include <vector>

// Whole tiles (kind and the four attribute bytes) read and written in the rooms of a level: what
// the brush holds, what the tile tools write and what a copied rectangle carries.
namespace qv2 {

struct Tile {
    std::uint8_t kind = 0;
    std::array<std::uint8_t, 4> attributes{};
    bool operator==(const Tile &) const = default;
};

Tile ReadTile(const LevelStore &level, int room, int row, int column);
void WriteTile(LevelStore &level, int room, int row, int column, const Tile &tile);

// A rectangle of tiles, row by row.
struct TileBlock {
    int rows = 0;
    int columns = 0;
    std::vector<Tile> tiles;
    bool operator==(const TileBlock &) const = default;
};

TileBlock CopyTiles(const LevelStore &level, const TileArea &area);
// Writes the block with its top-left tile at (row, column); what reaches past the room's edge is
// left out.
void PasteTiles(LevelStore &level, int room, int row, int column, const TileBlock &block);
void FillTiles(LevelStore &level, const TileArea &area, const Tile &tile);

// Writes `tile` into the tile at (row, column) and every tile joined to it through its four sides
// inside the room that is equal to it in kind and attributes. Returns the places written, as
// row * 10 + column.
std::vector<int> FloodFill(LevelStore &level, int room, int row, int column, const Tile &tile);

} // namespace qv2

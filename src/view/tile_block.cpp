#include "view/tile_block.h"

#include "level/level_layout.h"

#include <algorithm>

namespace qv2 {

Tile ReadTile(const LevelStore &level, int room, int row, int column) {
    Tile tile;
    tile.kind = level.byte(TileKindAt(room, row, column));
    for (int k = 0; k < 4; ++k)
        tile.attributes[static_cast<std::size_t>(k)] =
            level.byte(TileAttributeAt(room, row, column, k));
    return tile;
}

void WriteTile(LevelStore &level, int room, int row, int column, const Tile &tile) {
    level.setByte(TileKindAt(room, row, column), tile.kind);
    for (int k = 0; k < 4; ++k)
        level.setByte(TileAttributeAt(room, row, column, k),
                      tile.attributes[static_cast<std::size_t>(k)]);
}

TileBlock CopyTiles(const LevelStore &level, const TileArea &area) {
    TileBlock block{area.rows(), area.columns(), {}};
    for (int row = area.top; row <= area.bottom; ++row) {
        for (int column = area.left; column <= area.right; ++column)
            block.tiles.push_back(ReadTile(level, area.room, row, column));
    }
    return block;
}

void PasteTiles(LevelStore &level, int room, int row, int column, const TileBlock &block) {
    const int rows = std::min(block.rows, kRows - row);
    const int columns = std::min(block.columns, kColumns - column);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            const auto i = static_cast<std::size_t>(y * block.columns + x);
            if (i < block.tiles.size())
                WriteTile(level, room, row + y, column + x, block.tiles[i]);
        }
    }
}

void FillTiles(LevelStore &level, const TileArea &area, const Tile &tile) {
    for (int row = area.top; row <= area.bottom; ++row) {
        for (int column = area.left; column <= area.right; ++column)
            WriteTile(level, area.room, row, column, tile);
    }
}

std::vector<int> FloodFill(LevelStore &level, int room, int row, int column, const Tile &tile) {
    const Tile target = ReadTile(level, room, row, column);
    std::vector<int> written;
    // Filling with what is there already would find its own tiles again without end.
    if (target == tile)
        return written;
    std::vector<int> pending{row * kColumns + column};
    while (!pending.empty()) {
        const int place = pending.back();
        pending.pop_back();
        const int y = place / kColumns;
        const int x = place % kColumns;
        if (ReadTile(level, room, y, x) != target)
            continue;
        WriteTile(level, room, y, x, tile);
        written.push_back(place);
        if (x > 0)
            pending.push_back(place - 1);
        if (x + 1 < kColumns)
            pending.push_back(place + 1);
        if (y > 0)
            pending.push_back(place - kColumns);
        if (y + 1 < kRows)
            pending.push_back(place + kColumns);
    }
    return written;
}

} // namespace qv2

#pragma once

#include "level/level_store.h"

#include <array>
#include <cstdint>

namespace qv2 {

inline constexpr int kOverviewCells = 32; // rows and columns of the map
inline constexpr int kOverviewCentre = 16;

// The whole-level map: [row][column], row 0 at the top; each cell holds a room number, 0 = empty.
using OverviewMap = std::array<std::array<std::uint32_t, kOverviewCells>, kOverviewCells>;

// Puts the start room in the centre cell, then 32 times scans the map row by row and writes each
// room's four neighbours into the cells beside it: a later write wins, a 0 clears a cell, a room
// written ahead of the scan is expanded in the same pass, and nothing wraps past the map's edges.
// A number beyond 32 is placed like a room but has no neighbours to follow.
OverviewMap BuildOverviewMap(const LevelStore &level);

} // namespace qv2

#pragma once

#include "level/level_store.h"

#include <vector>

namespace qv2 {

// The rooms that a chain of neighbour links joins to the start room, the start room included, in
// ascending order. A start room or neighbour number outside 1..32 names no room.
std::vector<int> ReachableRooms(const LevelStore &level);

} // namespace qv2

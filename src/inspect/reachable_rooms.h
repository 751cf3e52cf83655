#pragma once

#include "level/level_store.h"

#include <vector>

namespace qv2 {

// The rooms that a chain of neighbour links joins to the start room, the start room included, in
// ascending order. A start room or neighbour number outside 1..32 names no room.
std::vector<int> ReachableRooms(const LevelStore &level);

// A neighbour number above the last room: the game would walk into bytes that are no room.
struct StrayNeighbour {
    int room;   // 1..32
    int side;   // Side
    int number; // 33..255
};

// Every stray neighbour of rooms 1..32, by room, then side (left, right, up, down).
std::vector<StrayNeighbour> StrayNeighbours(const LevelStore &level);

} // namespace qv2

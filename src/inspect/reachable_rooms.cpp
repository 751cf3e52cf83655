#include "inspect/reachable_rooms.h"

#include "level/level_layout.h"

#include <array>

namespace qv2 {

namespace {

bool IsRoom(int number) {
    return number >= 1 && number <= kRoomCount;
}

} // namespace

std::vector<int> ReachableRooms(const LevelStore &level) {
    std::array<bool, kRoomCount + 1> marked{};
    std::vector<int> waiting;
    const int start = level.byte(kStartRoomOffset);
    if (IsRoom(start)) {
        marked[static_cast<std::size_t>(start)] = true;
        waiting.push_back(start);
    }
    while (!waiting.empty()) {
        const int room = waiting.back();
        waiting.pop_back();
        for (int side = SideLeft; side <= SideDown; ++side) {
            const int next = level.byte(NeighbourAt(room, side));
            if (IsRoom(next) && !marked[static_cast<std::size_t>(next)]) {
                marked[static_cast<std::size_t>(next)] = true;
                waiting.push_back(next);
            }
        }
    }
    std::vector<int> rooms;
    for (int room = 1; room <= kRoomCount; ++room) {
        if (marked[static_cast<std::size_t>(room)])
            rooms.push_back(room);
    }
    return rooms;
}

std::vector<StrayNeighbour> StrayNeighbours(const LevelStore &level) {
    std::vector<StrayNeighbour> stray;
    for (int room = 1; room <= kRoomCount; ++room) {
        for (int side = SideLeft; side <= SideDown; ++side) {
            const int number = level.byte(NeighbourAt(room, side));
            if (number > kRoomCount)
                stray.push_back({room, side, number});
        }
    }
    return stray;
}

} // namespace qv2

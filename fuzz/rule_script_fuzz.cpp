// Any bytes as the rule script, run against one fixed level whose rooms link up in a ring, with
// borders to nowhere and to numbers that are no room: see CheckRuleRun.
#include "level/level_layout.h"
#include "rule_properties.h"

#include <cstddef>
#include <cstdint>

namespace qv2 {
namespace {

LevelStore MakeFixedLevel() {
    LevelStore level(Bytes(kFullLevelSize, 0));
    for (int room = 1; room <= kRoomCount; ++room) {
        for (int place = 0; place < kTilesPerRoom; ++place)
            level.setByte(TileKindAt(room, place / kColumns, place % kColumns),
                          static_cast<std::uint8_t>((room * 7 + place * 3) % 0x2D));
    }
    // Rooms 1..6 in a ring left to right, 1 over 2 over 3; room 6 leads down to 40, no room.
    for (int room = 1; room <= 6; ++room) {
        level.setByte(NeighbourAt(room, SideRight), static_cast<std::uint8_t>(room % 6 + 1));
        level.setByte(NeighbourAt(room % 6 + 1, SideLeft), static_cast<std::uint8_t>(room));
    }
    level.setByte(NeighbourAt(1, SideDown), 2);
    level.setByte(NeighbourAt(2, SideUp), 1);
    level.setByte(NeighbourAt(2, SideDown), 3);
    level.setByte(NeighbourAt(6, SideDown), 40);
    level.setByte(kStartRoomOffset, 1);
    level.setByte(kLevelTypeOffset, 3);
    return level;
}

} // namespace
} // namespace qv2

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const qv2::LevelStore level = qv2::MakeFixedLevel();
    qv2::CheckRuleRun(level, qv2::Bytes(data, data + size));
    return 0;
}

// Any byte image as the level, however short: the whole-level map holds only the start room and
// numbers that some room's neighbour bytes name, holds the start number alone when it is no room,
// and is the same when built twice.
#include "fuzz_check.h"
#include "inspect/overview_map.h"
#include "level/level_layout.h"

#include <bitset>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace qv2;
    const LevelStore level(Bytes(data, data + size));
    const OverviewMap map = BuildOverviewMap(level);

    const int start = level.byte(kStartRoomOffset);
    std::bitset<256> named;
    named.set(static_cast<std::size_t>(start));
    named.set(0);
    for (int room = 1; room <= kRoomCount; ++room) {
        for (int side = SideLeft; side <= SideDown; ++side)
            named.set(level.byte(NeighbourAt(room, side)));
    }
    const bool startIsRoom = start >= 1 && start <= kRoomCount;
    for (int y = 0; y < kOverviewCells; ++y) {
        for (int x = 0; x < kOverviewCells; ++x) {
            const std::uint32_t cell = map[y][x];
            FUZZ_CHECK(cell < named.size() && named.test(cell));
            if (!startIsRoom)
                FUZZ_CHECK(cell == (y == kOverviewCentre && x == kOverviewCentre ? start : 0u));
        }
    }
    FUZZ_CHECK(BuildOverviewMap(level) == map);
    return 0;
}

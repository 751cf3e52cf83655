#include "inspect/overview_map.h"

#include "level/level_layout.h"

namespace qv2 {

OverviewMap BuildOverviewMap(const LevelStore &level) {
    OverviewMap map{};
    map[kOverviewCentre][kOverviewCentre] = level.byte(kStartRoomOffset);
    struct Step {
        Side side;
        int dy;
        int dx;
    };
    constexpr Step kSteps[] = {
        {SideLeft, 0, -1}, {SideRight, 0, 1}, {SideUp, -1, 0}, {SideDown, 1, 0}};
    for (int pass = 0; pass < 32; ++pass) {
        for (int y = 0; y < kOverviewCells; ++y) {
            for (int x = 0; x < kOverviewCells; ++x) {
                const std::uint32_t room = map[y][x];
                // A number beyond the rooms is shown where a link put it, but has no neighbours of
                // its own: its "neighbour bytes" would be other fields of the level.
                if (room < 1 || room > kRoomCount)
                    continue;
                for (const Step &step : kSteps) {
                    const int ty = y + step.dy;
                    const int tx = x + step.dx;
                    if (ty < 0 || ty >= kOverviewCells || tx < 0 || tx >= kOverviewCells)
                        continue;
                    map[ty][tx] = level.byte(NeighbourAt(static_cast<int>(room), step.side));
                }
            }
        }
    }
    return map;
}

} // namespace qv2

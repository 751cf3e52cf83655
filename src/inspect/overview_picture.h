#pragma once

#include "inspect/overview_map.h"

#include <QImage>

namespace qv2 {

inline constexpr int kOverviewCellWidth = 32;
inline constexpr int kOverviewCellHeight = 20;

// The map as a 1024 x 640 picture on white: each room a black frame round its 32 x 20 cell with
// its number written inside, from the cell's top-left corner plus one pixel.
QImage DrawOverview(const OverviewMap &map);

} // namespace qv2

#pragma once

#include <QIcon>

#include <array>

namespace qv2 {

// The main window's eight 16 x 16 action icons, in list order: open, save, start position,
// restart points, links, enemies, coming guards, neighbouring rooms.
std::array<QIcon, 8> MakeActionIcons();

} // namespace qv2

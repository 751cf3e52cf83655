#pragma once

#include <QIcon>

#include <array>

namespace qv2 {

inline constexpr int kActionIconCount = 10;

// The main window's 16 x 16 action icons, in list order: open, save, start position, restart
// points, links, enemies, coming guards, neighbouring rooms, undo, redo.
std::array<QIcon, kActionIconCount> MakeActionIcons();

inline constexpr int kToolIconCount = 3;

// The room view's tools: select, paint, fill.
std::array<QIcon, kToolIconCount> MakeToolIcons();

} // namespace qv2

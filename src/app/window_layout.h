#pragma once

#include <QRect>

class QMainWindow;

namespace qv2 {

// Where the first window goes when the user has none kept: the size it would like, but no larger
// than the screen's free area leaves room for (with some to spare for the window's frame), centred
// in that area.
QRect FirstWindowGeometry(QSize wanted, QRect available);

// Puts the window where the user left it, with its toolbars and docks as they were; the first time,
// at FirstWindowGeometry on its screen. Call it once every dock exists, before the window shows.
void RestoreWindowLayout(QMainWindow &window, QSize wanted);

// Keeps the window's size, place and the layout of its toolbars and docks for the next start.
void SaveWindowLayout(const QMainWindow &window);

} // namespace qv2

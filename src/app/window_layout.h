#pragma once

#include <QRect>

class QMainWindow;

namespace qv2 {

// Where the first window goes when the user has none kept: the size it would like, but no larger
// than the screen's free area leaves room for (with some to spare for the window's frame), centred
// in that area.
QRect FirstWindowGeometry(QSize wanted, QRect available);

// The window's size at which its central widget gets `central`, the bars and docks keeping theirs.
QSize SizeAroundCentralWidget(QMainWindow &window, QSize central);

// Widens the window by `grown` pixels (narrows it for a negative number) for its central widget,
// moving it left where the screen ends; on a screen too narrow for that the docks beside the
// central widget give up the rest. A maximized or full-screen window keeps its size.
void WidenWindow(QMainWindow &window, int grown);

// Puts the window where the user left it, with its toolbars and docks as they were; the first time,
// at FirstWindowGeometry on its screen, where on a screen too small for `wanted` the docks give up
// the missing room first, down to their smallest. Call it once every dock exists, before the window
// shows.
void RestoreWindowLayout(QMainWindow &window, QSize wanted);

// Keeps the window's size, place and the layout of its toolbars and docks for the next start.
void SaveWindowLayout(const QMainWindow &window);

} // namespace qv2

#pragma once

#include "ui/editor_state.h"

#include <QImage>
#include <QString>

#include <array>

class QComboBox;
class QLineEdit;
class QStatusBar;

namespace qv2 {

class PaintBox;
class PropertyPanel;

// The main window's parts that the room refresh brings up to date.
struct RoomWidgets {
    QImage &picture;
    PaintBox &view;                             // the room view
    QComboBox &tileKinds;                       // ComboBox1
    std::array<QLineEdit *, 4> attributeFields; // Edit1..Edit4
    QStatusBar &statusBar;
    PropertyPanel &panel;
};

// Redraws the room picture, puts the selected tile's kind and attribute bytes into the toolbar,
// writes the status line and rebuilds the property panel. Does nothing while no level is open.
// A missing arrow or restart picture ends it with an AppError naming the file, after the toolbar
// was updated and before the status line and the panel are.
void UpdateRoomWidgets(EditorState &state, RoomWidgets &widgets);

} // namespace qv2

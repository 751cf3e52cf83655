#pragma once

#include "ui/editor_state.h"

namespace qv2 {

// Shows the nine restart points (room and tile place) in a grid dialog; OK stores the 18 bytes
// in order, each through the number entry rule, and redraws the room.
void editRestartPoints(EditorState &state, Services &services);

} // namespace qv2

#pragma once

#include "ui/editor_state.h"

// Commands on the whole shown room.
namespace qv2 {

// Asks for a room number (1..32, preset with the current room) and shows that room; the selected
// tile stays. A refused number keeps the current room; either way the room is redrawn.
void jumpToRoom(EditorState &state, Services &services);

// After a yes, empties the current room: its tile kinds and attribute bytes and its enemy and
// coming-guard counts become 0. The records themselves, the neighbours, the start position, the
// restart points and the links stay as they are.
void deleteRoom(EditorState &state, Services &services);

} // namespace qv2

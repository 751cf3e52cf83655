#pragma once

#include "ui/editor_state.h"

namespace qv2 {

// Shows the current room's coming-guard count (0..3) and the 10 bytes of each of its three
// records in a grid dialog, one column per record. OK stores the count, then the 30 record bytes
// through the number entry rule, and redraws the room.
void editComingGuards(EditorState &state, Services &services);

} // namespace qv2

#pragma once

#include "level/level_store.h"
#include "ui/editor_state.h"

// Copying a whole room onto another one, also in a level opened later.
namespace qv2 {

// What a room holds of its own: its tile kinds, attribute bytes, enemy block and coming-guard
// block, one after the other. Neighbours, the start position, restart points and links are
// level-wide and not part of it.
struct RoomCopy {
    Bytes bytes;
};

RoomCopy CopyRoom(const LevelStore &level, int room);
// Writes the copy over room `room`.
void WriteRoomCopy(LevelStore &level, int room, const RoomCopy &copy);

// The paste command: writes the copy over the shown room and redraws it.
void pasteRoom(EditorState &state, Services &services, const RoomCopy &copy);

} // namespace qv2

#include "view/room_copy.h"

#include "level/level_layout.h"

#include <array>

namespace qv2 {

namespace {

struct Run {
    std::size_t offset;
    std::size_t size;
};

std::array<Run, 4> RoomRuns(int room) {
    return {{{TileKindAt(room, 0, 0), kTilesPerRoom},
             {TileAttributeAt(room, 0, 0, 0), kTilesPerRoom * 4},
             {EnemyCountAt(room), kEnemyBlockSize},
             {ComingGuardCountAt(room), kComingGuardBlockSize}}};
}

} // namespace

RoomCopy CopyRoom(const LevelStore &level, int room) {
    RoomCopy copy;
    for (const Run &run : RoomRuns(room)) {
        for (std::size_t i = 0; i < run.size; ++i)
            copy.bytes.push_back(level.byte(run.offset + i));
    }
    return copy;
}

void WriteRoomCopy(LevelStore &level, int room, const RoomCopy &copy) {
    std::size_t next = 0;
    for (const Run &run : RoomRuns(room)) {
        for (std::size_t i = 0; i < run.size && next < copy.bytes.size(); ++i)
            level.setByte(run.offset + i, copy.bytes[next++]);
    }
}

void pasteRoom(EditorState &state, Services &services, const RoomCopy &copy) {
    if (!state.levelOpen)
        return;
    WriteRoomCopy(state.level, state.room, copy);
    services.refreshRoom();
}

} // namespace qv2

#include "view/room_commands.h"

#include "level/level_layout.h"
#include "ui/modals.h"
#include "ui/number_entry.h"

namespace qv2 {

void jumpToRoom(EditorState &state, Services &services) {
    if (!state.levelOpen)
        return;
    const QString room = state.texts.text(QStringLiteral("room"));
    const auto typed = services.modals.inputLine(state.texts.text(QStringLiteral("jump")), room,
                                                 QString::number(state.room));
    if (!typed)
        return;
    state.room =
        ReadNumberInRange(*typed, 1, kRoomCount, state.room, room, state.texts, services.modals);
    services.refreshRoom();
}

void deleteRoom(EditorState &state, Services &services) {
    if (!state.levelOpen)
        return;
    if (!services.modals.askYesNo(state.texts.text(QStringLiteral("question")),
                                  state.texts.text(QStringLiteral("reallydel"))))
        return;
    const int room = state.room;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column)
            state.level.setByte(TileKindAt(room, row, column), 0);
    }
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            for (int k = 0; k < 4; ++k)
                state.level.setByte(TileAttributeAt(room, row, column, k), 0);
        }
    }
    state.level.setByte(EnemyCountAt(room), 0);
    state.level.setByte(ComingGuardCountAt(room), 0);
    services.refreshRoom();
}

} // namespace qv2

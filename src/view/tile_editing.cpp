#include "view/tile_editing.h"

#include "level/level_layout.h"
#include "ui/edit_history.h"
#include "ui/number_entry.h"

#include <QApplication>
#include <QWidget>

namespace qv2 {

namespace {

// Left, top, right, bottom; the right and bottom edges are outside.
struct Area {
    int left;
    int top;
    int right;
    int bottom;
    bool contains(QPoint p) const {
        return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom;
    }
};

constexpr Area kGrid{144, 64, 464, 256};

struct ArrowArea {
    Area area;
    Side side;
};

constexpr ArrowArea kArrowAreas[] = {
    {{80, 128, 112, 192}, SideLeft},
    {{496, 128, 528, 192}, SideRight},
    {{304, 0, 336, 64}, SideUp},
    {{304, 256, 336, 320}, SideDown},
};

} // namespace

void selectTileAt(EditorState &state, Services &services, QPoint point) {
    if (!state.levelOpen)
        return;
    // The room view takes no focus itself; clearing it here runs the focused field's exit handler,
    // so a typed value lands in the tile that was selected when it was typed.
    if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();

    if (kGrid.contains(point)) {
        state.row = (point.y() - kGrid.top) / 64;
        state.column = (point.x() - kGrid.left) / 32;
        services.refreshRoom();
        return;
    }
    for (const ArrowArea &arrow : kArrowAreas) {
        if (!arrow.area.contains(point))
            continue;
        const int neighbour = state.level.byte(NeighbourAt(state.room, arrow.side));
        // 0 is no room; a value above 32 is not a room either and is not followed.
        if (neighbour == 0 || neighbour > kRoomCount)
            return;
        state.room = neighbour;
        services.refreshRoom();
        return;
    }
}

void setTileKind(EditorState &state, Services &services, int index) {
    if (!state.levelOpen || index < 0 || index > 255)
        return;
    RecordEdit(services, QStringLiteral("stepkind"), [&] {
        state.level.setByte(TileKindAt(state.room, state.row, state.column),
                            static_cast<std::uint8_t>(index));
        services.refreshRoom();
    });
}

void markAttributeFieldEdited(EditorState &state) {
    if (state.levelOpen)
        state.attributeEditPending = true;
}

void storeAttributeField(EditorState &state, Services &services, int tag, const QString &text) {
    if (!state.levelOpen || !state.attributeEditPending || tag < 0 || tag > 3)
        return;
    RecordEdit(services, QStringLiteral("stepattribute"), [&] {
        const int value =
            ReadNumberInRange(text, 0, 255, -1, QString(), state.texts, services.modals);
        if (value != -1)
            state.level.setByte(TileAttributeAt(state.room, state.row, state.column, tag),
                                static_cast<std::uint8_t>(value));
        // The refresh writes the stored bytes back into the fields; clearing the flag only
        // afterwards keeps that rewriting from counting as an edit.
        services.refreshRoom();
        state.attributeEditPending = false;
    });
}

} // namespace qv2

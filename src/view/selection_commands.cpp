#include "view/selection_commands.h"

#include "ui/modals.h"
#include "view/room_commands.h"
#include "view/tile_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace qv2 {

namespace {

ClipboardContent ReadClipboard() {
    return ReadClipboardText(QGuiApplication::clipboard()->text());
}

} // namespace

void copySelection(const EditorState &state) {
    if (!state.levelOpen)
        return;
    const std::optional<TileArea> area = state.shownArea();
    QGuiApplication::clipboard()->setText(area ? TilesToText(CopyTiles(state.level, *area))
                                               : RoomToText(CopyRoom(state.level, state.room)));
}

void pasteClipboard(EditorState &state, Services &services) {
    if (!state.levelOpen)
        return;
    const ClipboardContent content = ReadClipboard();
    if (const auto *tiles = std::get_if<TileBlock>(&content)) {
        PasteTiles(state.level, state.room, state.row, state.column, *tiles);
        services.refreshRoom();
    } else if (const auto *room = std::get_if<RoomCopy>(&content)) {
        pasteRoom(state, services, *room);
    } else {
        services.modals.message(state.texts.text(QStringLiteral("notcopy")));
    }
}

void deleteSelection(EditorState &state, Services &services) {
    const std::optional<TileArea> area = state.shownArea();
    if (!state.levelOpen || !area) {
        deleteRoom(state, services);
        return;
    }
    if (!services.modals.askYesNo(state.texts.text(QStringLiteral("question")),
                                  state.texts.text(QStringLiteral("reallydeltiles"))))
        return;
    FillTiles(state.level, *area, Tile{});
    services.refreshRoom();
}

QString CopyCaptionKey(const EditorState &state) {
    return state.shownArea() ? QStringLiteral("copytiles") : QStringLiteral("copyroom");
}

QString DeleteCaptionKey(const EditorState &state) {
    return state.shownArea() ? QStringLiteral("deletetiles") : QStringLiteral("delete");
}

QString PasteCaptionKey() {
    return std::holds_alternative<TileBlock>(ReadClipboard()) ? QStringLiteral("pastetiles")
                                                              : QStringLiteral("pasteroom");
}

} // namespace qv2

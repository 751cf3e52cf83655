#pragma once

#include "view/room_copy.h"
#include "view/tile_block.h"

#include <QString>

#include <variant>

// Copied tiles and rooms as text for the system clipboard, so that they move between two running
// editors and can be read by a person: a header line that says what follows, then one line per
// tile (kind and the four attribute bytes in hexadecimal), row by row; a room adds its enemy and
// coming-guard blocks on one line each.
namespace qv2 {

QString TilesToText(const TileBlock &block);
QString RoomToText(const RoomCopy &room);

// A text that is none of the above, or is cut short or damaged, gives std::monostate.
using ClipboardContent = std::variant<std::monostate, TileBlock, RoomCopy>;
ClipboardContent ReadClipboardText(const QString &text);

} // namespace qv2

#pragma once

#include "ui/editor_state.h"

#include <QString>

// Copy, Paste and Delete on what is selected in the room view: the rectangle of tiles when one is
// selected, otherwise the whole shown room. Copies go to the system clipboard as text.
namespace qv2 {

void copySelection(const EditorState &state);

// Pastes copied tiles with their top-left tile at the selected tile (what reaches past the room's
// edge is left out), or a copied room over the shown room. Text on the clipboard that is no copy
// is refused with the "notcopy" message and changes nothing.
void pasteClipboard(EditorState &state, Services &services);

// The rectangle's tiles become as a deleted room's tiles are (kind and attributes 0) after one
// question; without a rectangle the room is deleted.
void deleteSelection(EditorState &state, Services &services);

// The captions' keys in [main] that say what the commands act on now.
QString CopyCaptionKey(const EditorState &state);
QString DeleteCaptionKey(const EditorState &state);
QString PasteCaptionKey();

} // namespace qv2

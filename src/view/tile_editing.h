#pragma once

#include "ui/editor_state.h"

#include <QPoint>
#include <QString>

// Editing the shown room in the main window: clicks on the room view, the toolbar's tile-kind
// list and its four attribute fields. Every change is written at once, recorded as one step of the
// undo history and followed by the refresh.
namespace qv2 {

// A press on the room view: selects the tile under the point, or follows the neighbour arrow under
// it. A field that had the focus stores its pending value first.
void selectTileAt(EditorState &state, Services &services, QPoint point);

// The user chose item `index` of the tile-kind list: it becomes the selected tile's kind byte.
void setTileKind(EditorState &state, Services &services, int index);

// A toolbar attribute field was edited.
void markAttributeFieldEdited(EditorState &state);

// The toolbar attribute field `tag` (attribute byte 0..3) lost the focus with this text.
void storeAttributeField(EditorState &state, Services &services, int tag, const QString &text);

} // namespace qv2

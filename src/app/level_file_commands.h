#pragma once

#include <QString>

#include <cstdint>

namespace qv2 {

struct EditorState;
class Modals;

// Reads level `id` of the archive at `path` into the state: the level bytes, the start room with
// row 0 and column 0 selected, the level-open flag and the background list of the level's type.
// Failures are shown from the message texts; then nothing of the state changes. Returns whether a
// level was opened (a bad checksum or a short level is reported but still opens).
bool loadLevel(EditorState &state, Modals &modals, const QString &path, std::uint16_t id);

// Writes the open level into slot `id` of the archive at `path` with a fresh checksum byte.
// Failures are shown; the file is then left as it was. Returns whether the level was written.
bool saveLevel(const EditorState &state, Modals &modals, const QString &path, std::uint16_t id);

} // namespace qv2

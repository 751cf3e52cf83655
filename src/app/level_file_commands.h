#pragma once

#include "level/file_stamp.h"
#include "level/level_store.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

namespace qv2 {

struct EditorState;
class Modals;

// What the slot of the level shown held when the level was opened from it or last saved into it,
// and which file the archive was then: a Save that finds the slot changed since was written by
// another program meanwhile.
struct SlotMemory {
    std::string file; // the archive, its links resolved
    FileStamp stamp;
    std::uint16_t id = 0;
    Bytes data; // the slot's level bytes
};

// Reads level `id` of the archive at `path` into the state: the level bytes, the start room with
// row 0 and column 0 selected, the level-open flag and the background list of the level's type.
// Failures are shown from the message texts; then nothing of the state changes. Returns whether a
// level was opened (a bad checksum or a short level is reported but still opens); then `memory`
// holds the slot opened.
bool loadLevel(EditorState &state, Modals &modals, const QString &path, std::uint16_t id,
               std::optional<SlotMemory> &memory);

// Writes the open level into slot `id` of the archive at `path` with a fresh checksum byte. When
// that is the slot `memory` holds and another program has written it since, the user is asked
// first whether to overwrite it. Failures are shown; the file is then left as it was. Returns
// whether the level was written; then `memory` holds the slot written.
bool saveLevel(const EditorState &state, Modals &modals, const QString &path, std::uint16_t id,
               std::optional<SlotMemory> &memory);

} // namespace qv2

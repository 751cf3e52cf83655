#pragma once

#include "level/level_store.h"
#include "text/ini_file.h"

#include <QString>

#include <cstdint>
#include <string>

// The levels and files the benchmarks work on, made from the sample archive of the program folder
// (the parent of bench/ in the build tree), so that they draw the program's own pictures and are
// checked with its own rule script.
namespace qv2bench {

QString ProgramDir(); // with a trailing '/'

// A level of the sample archive; ends the program with a message when the build tree lacks it.
qv2::LevelStore SampleLevel(std::uint16_t id);

// Fills the start room with every marker a room can hold besides the start marker: five enemies,
// three coming guards and all nine restart points. Returns the room.
int FillStartRoomWithMarkers(qv2::LevelStore &level);

// Gives every tile of `room` a kind whose picture the background list chooses by an `aff`
// selector, with attribute bytes that vary the choice.
void FillRoomWithSelectorTiles(qv2::LevelStore &level, int room, const qv2::IniFile &background);

// Makes all 32 rooms reachable: room r gets the tiles of room (r - 1) mod `designs` + 1 of the
// level as it was, and the rooms are joined as a grid of 8 columns by 4 rows.
void JoinAllRooms(qv2::LevelStore &level, int designs);

// Writes an archive of about `size` bytes: filler resources first, then the level's slot with id
// 2000 near the end, followed only by the index and tables.
void WriteLargeArchive(const std::string &path, std::size_t size, const qv2::LevelStore &level);

} // namespace qv2bench

#pragma once

namespace qv2 {

class MainWindow;

// For the start-up benchmark, which times the program from its start to the first painted room:
// when the environment variable QV2LEVED_QUIT_AFTER_ROOM_PAINT is set, the program prints
// "painted" on its output and ends normally right after the room view first paints an opened
// room. Without the variable nothing changes.
void QuitAfterFirstRoomPaintIfAsked(MainWindow &window);

} // namespace qv2

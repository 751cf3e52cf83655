#pragma once

#include "level/level_store.h"
#include "text/ini_file.h"
#include "text/message_texts.h"

#include <QString>

#include <functional>
#include <optional>

namespace qv2 {

class EditHistory;
class Modals;

// A rectangle of tiles in one room, its corner rows and columns included.
struct TileArea {
    int room;
    int top;
    int left;
    int bottom;
    int right;

    int rows() const { return bottom - top + 1; }
    int columns() const { return right - left + 1; }
    bool operator==(const TileArea &) const = default;
};

// The main window's editing state. Every command reads and writes it; the level bytes are edited
// in place, so a change made by one command is seen at once by all others.
struct EditorState {
    LevelStore level;
    int room = 1;   // 1..32
    int row = 0;    // 0..2
    int column = 0; // 0..9
    bool levelOpen = false;
    bool attributeEditPending = false; // a toolbar attribute field was edited
    bool panelEditPending = false;     // a property panel field was edited; never cleared
    IniFile background;                // texts/back%d.ini of the open level's type
    MessageTexts texts;
    QString programDir; // the program's folder with a trailing '/'
    QString languageName;

    // Tiles selected together (Shift and the mouse), shown while its room is.
    std::optional<TileArea> area;

    int tilePlace() const { return row * 10 + column; }
    // The area while its room is shown and it holds more than the one tile.
    std::optional<TileArea> shownArea() const {
        if (area && area->room == room && area->rows() * area->columns() > 1)
            return area;
        return std::nullopt;
    }
};

// What commands need besides the state: the dialogs, the room refresh and the undo history
// that records their changes (none in tests of a single command).
struct Services {
    Modals &modals;
    std::function<void()> refreshRoom;
    EditHistory *history = nullptr;
};

} // namespace qv2

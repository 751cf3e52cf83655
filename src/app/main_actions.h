#pragma once

#include <QKeySequence>
#include <QList>

// The main window's commands as data, one entry per MainWindow::Action in the same order.
namespace qv2 {

enum class MenuPlace { File, Edit, View, Level, Room };

// When a command can be chosen: always, once a level is open, or as its own feature decides
// (undo and redo by the history, paste once a room is copied, zoom within its range).
enum class Availability { Always, WithLevel, Managed };

struct ActionEntry {
    const char *objectName;        // the given name, or an English one where none was given
    const char *caption;           // the built-in caption, replaced from the language file
    const char *key;               // its key in section [main]
    QList<QKeySequence> shortcuts; // the first is the one the menu shows
    int icon;                      // index into the icon list, -1 for none
    MenuPlace menu;
    Availability availability;
};

const QList<ActionEntry> &MainActions();

// The items of the tile-kind list before the language file replaces them.
extern const char *const kBuiltInTiles[45];

} // namespace qv2

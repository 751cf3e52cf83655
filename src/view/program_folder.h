#pragma once

#include "level/level_store.h"
#include "text/ini_file.h"

#include <QString>

// Where the room view's data files lie in the program folder (a folder path ending with '/').
namespace qv2 {

// The tile and marker pictures: the program folder + "images/".
QString ImagesFolder(const QString &programDir);

// The background list of the level's type, texts/back<type>.ini; empty when there is none.
IniFile LoadBackgroundList(const QString &programDir, const LevelStore &level);

} // namespace qv2

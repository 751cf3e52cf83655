#pragma once

#include "level/level_store.h"
#include "text/ini_file.h"

#include <QSize>
#include <QString>

// The background list: the data of the level's type, texts/back<type>.ini in the program folder.
// It names the background pictures and gives their sizes, and the tile pictures that depend on
// the type.
namespace qv2 {

// The background list of the level's type; empty when there is none.
IniFile LoadBackgroundList(const QString &programDir, const LevelStore &level);

// The size in tiles of background picture `picture`: key `picture` of section bg holds it as two
// digits, width first, at the value's first and third characters. A missing key, or a value of
// another form, is 0 x 0.
QSize BackgroundPictureSize(const IniFile &list, int picture);

} // namespace qv2

#pragma once

#include "level/level_store.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// A level as JSON and back: every named field, the bytes that no field names and the bytes beyond
// the last field, so that a level converted to JSON and back has the same bytes.
namespace qv2 {

// Tile kinds are written as their names in `tileNames` (the language file's tile list); a kind
// without a name, or with a name that another kind shares, is written as its number. A level
// shorter than the full layout reads as zeros beyond its end.
QJsonObject LevelToJson(const LevelStore &level, const QStringList &tileNames);

struct LevelFromJson {
    Bytes bytes;   // the full layout and the bytes of "rest"; valid when `error` is empty
    QString error; // "path: what is wrong", naming the first field that is wrong
};

// Every field must be present, of its type and in its range, and nothing else may be there. A tile
// kind is a name of `tileNames` or a number.
LevelFromJson JsonToLevel(const QJsonObject &json, const QStringList &tileNames);

// The same from the JSON text: it must be one JSON object that names no field twice.
LevelFromJson JsonTextToLevel(const QByteArray &text, const QStringList &tileNames);

// The name of tile kind `kind` when it has one of its own, otherwise nothing (an empty string).
QString UniqueTileName(const QStringList &tileNames, int kind);

} // namespace qv2

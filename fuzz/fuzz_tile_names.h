#pragma once

#include <QStringList>

// The tile list of the JSON level fuzz target and its seeds: kind 1 is named twice, so neither
// kind 1 nor kind 3 has a name of its own and both are written as numbers.
inline const QStringList kFuzzTileNames = {"Empty", "Floor", "Spikes", "Floor"};

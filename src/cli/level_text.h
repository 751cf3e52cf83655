#pragma once

#include "level/level_store.h"

#include <QStringList>

#include <iosfwd>

// A level as readable text for diffs and grep: one line "path = value" per field, in the same order
// and under the same paths as the JSON dump, so a line found here names the field to change there.
namespace qv2 {

void WriteLevelText(const LevelStore &level, const QStringList &tileNames, std::ostream &out);

} // namespace qv2

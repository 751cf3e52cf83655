#pragma once

#include "ui/editor_state.h"

namespace qv2 {

// Runs the rule script texts/errors.txt over the open level and lists what it reports. OK on a
// line (or a double click, or Return) shows that tile's room with the tile selected; the line that
// says the script stopped at the limit belongs to no tile and jumps nowhere. Nothing found shows
// the "noerr" message; an unreadable or invalid script shows why and lists nothing.
void showRuleReports(EditorState &state, Services &services);

} // namespace qv2

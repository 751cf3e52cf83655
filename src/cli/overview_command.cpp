#include "cli/overview_command.h"

#include "cli/archive_commands.h"
#include "cli/command_line.h"
#include "cli/command_output.h"
#include "cli/drawing_setup.h"
#include "inspect/overview_map.h"
#include "inspect/overview_picture.h"

#include <ostream>

namespace qv2 {

int WriteOverview(const CommandArgs &args, std::ostream &out, std::ostream &err) {
    // The map needs no data files; --program-dir is taken so that every command that draws accepts
    // it.
    const CommandLine line("overview", args, out, err);
    if (line.finished())
        return *line.finished();
    const std::uint16_t id = line.levelId();
    LevelStore level;
    if (const int status = OpenLevelForCommand(line.operand(0), id, level, err);
        status != kExitDone)
        return status;

    const auto application = EnsureDrawingApplication();
    return WriteOutputFile(line.operand(2), PngBytes(DrawOverview(BuildOverviewMap(level))),
                           line.operand(0), err);
}

} // namespace qv2

#include "cli/overview_command.h"

#include "cli/command_setup.h"
#include "inspect/overview_map.h"
#include "inspect/overview_picture.h"

#include <ostream>

namespace qv2 {

int WriteOverview(const CommandArgs &args, std::ostream &, std::ostream &err) {
    // The map needs no data files; the option is taken so that every command that draws accepts it.
    const auto split = SplitOptions(args, {"--program-dir"});
    const std::optional<std::uint16_t> id = LevelIdArgument(split, 3);
    if (!id) {
        err << "usage: qv2lev overview ARCHIVE ID FILE.png [--program-dir DIR]\n  (ID 0..65535)\n";
        return kExitFailed;
    }
    LevelStore level;
    if (!OpenLevelForCommand(split->positional[0], *id, level, err))
        return kExitFailed;

    const auto application = EnsureApplication(/*forDrawing=*/true);
    const QString file = QString::fromStdString(split->positional[2]);
    if (!DrawOverview(BuildOverviewMap(level)).save(file, "PNG")) {
        err << "qv2lev: cannot write " << split->positional[2] << '\n';
        return kExitFailed;
    }
    return kExitDone;
}

} // namespace qv2

#include "cli/render_command.h"

#include "cli/archive_commands.h"
#include "cli/command_line.h"
#include "cli/command_output.h"
#include "cli/command_setup.h"
#include "cli/drawing_setup.h"
#include "level/archive_file.h"
#include "level/level_layout.h"
#include "text/ini_file.h"
#include "view/background_list.h"
#include "view/program_folder.h"
#include "view/room_painter.h"

#include <QDir>

#include <optional>
#include <ostream>

namespace qv2 {

int RenderRoom(const CommandArgs &args, std::ostream &out, std::ostream &err) {
    const CommandLine line("render", args, out, err);
    if (line.finished())
        return *line.finished();
    const std::uint16_t id = line.levelId();
    const std::optional<int> room = line.number(2, 1, kRoomCount, "room", err);
    if (!room)
        return kExitFailed;
    LevelStore level;
    if (const int status = OpenLevelForCommand(line.operand(0), id, level, err);
        status != kExitDone)
        return status;

    const auto application = EnsureDrawingApplication();
    const QString programDir = ProgramFolder(line.option("program-dir"));
    const IniFile background = LoadBackgroundList(programDir, level);
    const QString imagesDir = ImagesFolder(programDir);
    QImage picture;
    try {
        picture = ComposeRoom(level, RoomSelection{*room, 0, 0}, background,
                              PicturesFromFolder(imagesDir));
    } catch (const MissingPicture &missing) {
        err << "qv2lev: cannot load the picture " << (imagesDir + missing.name()).toStdString()
            << ".bmp\n";
        return kExitFailed;
    }
    return WriteOutputFile(line.operand(3), PngBytes(picture), line.operand(0), err);
}

} // namespace qv2

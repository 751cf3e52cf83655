#include "cli/render_command.h"

#include "cli/archive_commands.h"
#include "cli/command_setup.h"
#include "level/archive_file.h"
#include "level/level_layout.h"
#include "ui/ini_file.h"
#include "view/program_folder.h"
#include "view/room_painter.h"

#include <QDir>

#include <optional>
#include <ostream>

namespace qv2 {

namespace {

const char *const kUsage = "render ARCHIVE ID ROOM FILE.png [--program-dir DIR]";

} // namespace

int RenderRoom(const CommandArgs &args, std::ostream &, std::ostream &err) {
    const bool withFolder = args.size() == 6 && args[4] == "--program-dir";
    const auto id = args.size() >= 4 ? ParseDecimal(args[1], 0, 0xFFFF) : std::nullopt;
    const auto room = args.size() >= 4 ? ParseDecimal(args[2], 1, kRoomCount) : std::nullopt;
    if ((args.size() != 4 && !withFolder) || !id || !room) {
        err << "usage: qv2lev " << kUsage << "\n  (ID 0..65535, ROOM 1..32)\n";
        return kExitFailed;
    }
    LevelStore level;
    const auto levelId = static_cast<std::uint16_t>(*id);
    const ArchiveResult opened = OpenLevelFromArchive(args[0], levelId, level);
    const int status = ReportArchiveOutcome(opened, args[0], levelId, err);
    if (!opened.opened())
        return status;

    const auto application = EnsureApplication(/*forDrawing=*/true);
    const QString programDir =
        ProgramFolder(withFolder ? std::optional<std::string>(args[5]) : std::nullopt);
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
    const QString file = QString::fromStdString(args[3]);
    if (!picture.save(file, "PNG")) {
        err << "qv2lev: cannot write " << args[3] << '\n';
        return kExitFailed;
    }
    return kExitDone;
}

} // namespace qv2

#include "cli/dump_commands.h"

#include "cli/archive_commands.h"
#include "cli/command_line.h"
#include "cli/command_setup.h"
#include "cli/level_json.h"
#include "cli/level_text.h"
#include "level/archive_file.h"
#include "level/file_io.h"
#include "level/read_limits.h"
#include "text/text_catalogue.h"

#include <QJsonDocument>

#include <ostream>

namespace qv2 {

namespace {

// The tile list of the language that the program folder's start-up file names.
QStringList TileNames(const CommandLine &line) {
    return ProgramLanguage(ProgramFolder(line.option("program-dir")))
        .list(QStringLiteral("main"), QStringLiteral("tiles"));
}

} // namespace

int DumpLevel(const CommandArgs &args, std::ostream &out, std::ostream &err) {
    const CommandLine line("dump", args, out, err);
    if (line.finished())
        return *line.finished();
    const std::uint16_t id = line.levelId();
    LevelStore level;
    if (const int status = OpenLevelForCommand(line.operand(0), id, level, err);
        status != kExitDone)
        return status;

    const auto application = EnsureApplication();
    const QStringList tileNames = TileNames(line);
    if (line.isSet("json"))
        out << QJsonDocument(LevelToJson(level, tileNames)).toJson().toStdString();
    else
        WriteLevelText(level, tileNames, out);
    return kExitDone;
}

int UndumpLevel(const CommandArgs &args, std::ostream &out, std::ostream &err) {
    const CommandLine line("undump", args, out, err);
    if (line.finished())
        return *line.finished();
    const std::uint16_t id = line.levelId();
    const std::string &archive = line.operand(0);
    const std::string &path = line.operand(2);

    const auto application = EnsureApplication();
    Bytes text;
    const std::string readError = ReadWholeFile(path, kLevelTextLimit, text);
    if (!readError.empty()) {
        err << "qv2lev: cannot read " << path << ": " << readError << '\n';
        return kExitFailed;
    }
    LevelFromJson level =
        JsonTextToLevel(QByteArray::fromRawData(reinterpret_cast<const char *>(text.data()),
                                                static_cast<qsizetype>(text.size())),
                        TileNames(line));
    if (!level.error.isEmpty()) {
        err << "qv2lev: " << path << ": " << level.error.toStdString() << "\n"
            << "qv2lev: " << archive << " is left unchanged\n";
        return kExitFailed;
    }
    return SaveLevelFile(archive, id, std::move(level.bytes), path, err, LevelFileKind::Layout);
}

} // namespace qv2

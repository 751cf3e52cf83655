#include "cli/command_setup.h"

#include "cli/archive_commands.h"
#include "level/archive_file.h"

#include <QGuiApplication>

#include <algorithm>

namespace qv2 {

std::unique_ptr<QCoreApplication> EnsureApplication(bool forDrawing) {
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "qv2lev";
    static char *argv[] = {name, nullptr};
    if (!forDrawing)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

QString ProgramFolder(const std::optional<std::string> &given) {
    const QString folder =
        given ? QString::fromStdString(*given) : QCoreApplication::applicationDirPath();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

LanguageFile ProgramLanguage(const QString &programDir) {
    return ReadLanguageFile(LanguageFilePath(programDir, ReadLanguageName(programDir)))
        .value_or(LanguageFile());
}

std::optional<std::string> SplitArgs::option(std::string_view name) const {
    const auto found = options.find(name);
    if (found == options.end())
        return std::nullopt;
    return found->second;
}

std::optional<SplitArgs> SplitOptions(const CommandArgs &args,
                                      std::initializer_list<std::string_view> allowed) {
    SplitArgs split;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!args[i].starts_with("--")) {
            split.positional.push_back(args[i]);
            continue;
        }
        const bool known = std::find(allowed.begin(), allowed.end(), args[i]) != allowed.end();
        if (!known || i + 1 == args.size() || !split.options.emplace(args[i], args[i + 1]).second)
            return std::nullopt;
        ++i;
    }
    return split;
}

std::optional<std::uint16_t> LevelIdArgument(const std::optional<SplitArgs> &split,
                                             std::size_t count) {
    if (!split || split->positional.size() != count)
        return std::nullopt;
    const std::optional<int> id = ParseDecimal(split->positional[1], 0, 0xFFFF);
    if (!id)
        return std::nullopt;
    return static_cast<std::uint16_t>(*id);
}

bool OpenLevelForCommand(const std::string &archive, std::uint16_t id, LevelStore &level,
                         std::ostream &err) {
    const ArchiveResult opened = OpenLevelFromArchive(archive, id, level);
    ReportArchiveOutcome(opened, archive, id, err);
    return opened.opened();
}

} // namespace qv2

#pragma once

#include "cli/cli_command.h"
#include "level/level_store.h"
#include "ui/text_catalogue.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// What the commands that work like the editor need: a GUI application for fonts, the program
// folder, "--name VALUE" options and the level opened as the editor opens it.
namespace qv2 {

// Text needs a font, and fonts need a GUI application (without a display the offscreen platform
// serves); finding the program's folder needs only the core one. An application that already
// exists (the tests') is used as it is.
std::unique_ptr<QCoreApplication> EnsureApplication(bool forDrawing);

// The folder given, or the folder of qv2lev, with a trailing '/'. Needs an application.
QString ProgramFolder(const std::optional<std::string> &given);

// The language file that the folder's start-up file names; empty when it cannot be read, so every
// text reads as empty, as in the editor.
LanguageFile ProgramLanguage(const QString &programDir);

struct SplitArgs {
    CommandArgs positional;
    std::map<std::string, std::string, std::less<>> options; // name (with "--") -> value
    std::optional<std::string> option(std::string_view name) const;
};

// Separates "--name VALUE" options of the allowed names from the other arguments; nothing when an
// option is not allowed, lacks its value or comes twice.
std::optional<SplitArgs> SplitOptions(const CommandArgs &args,
                                      std::initializer_list<std::string_view> allowed);

// The level id of arguments that begin ARCHIVE ID and hold `count` positional arguments in all;
// nothing when the count is wrong or ID is not a number 0..65535.
std::optional<std::uint16_t> LevelIdArgument(const std::optional<SplitArgs> &split,
                                             std::size_t count);

// Opens level `id` of the archive into `level`, telling on `err` what went wrong; false when it
// did not open (a bad checksum is only a warning).
bool OpenLevelForCommand(const std::string &archive, std::uint16_t id, LevelStore &level,
                         std::ostream &err);

} // namespace qv2

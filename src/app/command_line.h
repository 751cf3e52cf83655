#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The editor's command line: qv2leved [ARCHIVE [ID]], --help, --version and the hidden
// --screenshot FILE that the documentation's picture is made with.
namespace qv2 {

// The level an archive opens at when no id is named: the first of the game.
inline constexpr std::uint16_t kFirstLevel = 2000;

struct EditorRun {
    QString archive;                // empty: start without a level
    std::uint16_t id = kFirstLevel; // the level opened from ARCHIVE
    QString screenshot;             // when set: write a picture of the main window there, then quit
};

// Either a run of the editor, or an answer that ends the program at once: help or version text
// (status 0, for stdout) or a usage error (status 2, for stderr).
struct CommandLine {
    std::optional<EditorRun> run;
    int status = 0;
    QString text;
};

// `arguments` begins with the program's name, as QCoreApplication::arguments() does.
CommandLine ParseEditorCommandLine(const QStringList &arguments);

} // namespace qv2

#pragma once

#include "cli/cli_command.h"
#include "text/text_catalogue.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <optional>
#include <string>

// What the commands that read the program folder need: an application, the folder and its
// language file.
namespace qv2 {

// Finding the program's folder needs an application; the core one is enough for commands that
// draw nothing. An application that already exists (the tests') is used as it is.
template <class Application = QCoreApplication>
std::unique_ptr<QCoreApplication> EnsureApplication() {
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "qv2lev";
    static char *argv[] = {name, nullptr};
    return std::make_unique<Application>(argc, argv);
}

// The folder given, or the folder of qv2lev, with a trailing '/'. Needs an application.
QString ProgramFolder(const std::optional<std::string> &given);

// The language file that the folder's start-up file names; the built-in texts when it cannot be
// read, as in the editor, so that no message and no tile name is blank.
LanguageFile ProgramLanguage(const QString &programDir);

} // namespace qv2

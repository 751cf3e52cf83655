#pragma once

#include "cli/cli_command.h"
#include "level/level_store.h"
#include "ui/text_catalogue.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// What the commands that work like the editor need: a GUI application for fonts, the program
// folder and the level opened as the editor opens it.
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

// The picture as the bytes of a PNG file.
Bytes PngBytes(const QImage &picture);

} // namespace qv2

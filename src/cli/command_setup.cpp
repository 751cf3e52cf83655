#include "cli/command_setup.h"

#include <QBuffer>
#include <QGuiApplication>

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

Bytes PngBytes(const QImage &picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return Bytes(png.begin(), png.end());
}

} // namespace qv2

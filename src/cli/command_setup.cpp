#include "cli/command_setup.h"

namespace qv2 {

std::unique_ptr<QCoreApplication> EnsureApplication() {
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "qv2lev";
    static char *argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

QString ProgramFolder(const std::optional<std::string> &given) {
    const QString folder =
        given ? QString::fromStdString(*given) : QCoreApplication::applicationDirPath();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

LanguageFile ProgramLanguage(const QString &programDir) {
    return ReadLanguageFile(LanguageFilePath(programDir, ReadLanguageName(programDir)))
        .value_or(BuiltInLanguage());
}

} // namespace qv2

#include "cli/command_setup.h"

namespace qv2 {

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

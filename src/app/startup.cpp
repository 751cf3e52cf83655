#include "app/startup.h"

#include "ui/modals.h"

#include <QDir>

namespace qv2 {

namespace {

// The language of the built-in captions.
const char *const kBuiltInLocale = "hu";

// In English: without a language file there is nothing else to say it in.
QString missingLanguageMessage(const QString &languageName, const QString &path)
{
    if (languageName.isEmpty())
        return QStringLiteral("No language file is chosen: texts/Qv2LevEd.ini has no lang= line. "
                              "The built-in captions are shown.");
    return QStringLiteral("The language file %1 is missing or cannot be read. "
                          "The built-in captions are shown.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

Program::Program(Modals &modals, const QString &programDir)
    : mainWindow(modals, programDir), levelPicker(&mainWindow), m_modals(modals)
{
    mainWindow.setLevelPicker(&levelPicker);
}

std::vector<TextTarget *> Program::textTargets()
{
    // Main window first, then the dialogs in the order their sections come in the language file.
    return {&mainWindow, &levelPicker};
}

void Program::LoadStartupSettings()
{
    EditorState &state = mainWindow.state();
    state.languageName = ReadLanguageName(state.programDir);
    const QString path = LanguageFilePath(state.programDir, state.languageName);
    const std::optional<LanguageFile> language = ReadLanguageFile(path);
    if (!language) {
        m_qtTranslations.use(QString::fromLatin1(kBuiltInLocale));
        m_modals.message(missingLanguageMessage(state.languageName, path));
        return;
    }
    // Installed first: Qt's dialogs take the new texts, then our captions overwrite theirs.
    m_qtTranslations.use(language->text(QStringLiteral("language"), QStringLiteral("locale")));
    ApplyLanguageFile(*language, textTargets(), state.texts);
}

} // namespace qv2

#include "app/startup.h"

namespace qv2 {

Program::Program(Modals &modals, const QString &programDir)
    : mainWindow(modals, programDir), levelPicker(&mainWindow)
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
    ApplyLanguageFile(LanguageFilePath(state.programDir, state.languageName), textTargets(),
                      state.texts);
}

} // namespace qv2

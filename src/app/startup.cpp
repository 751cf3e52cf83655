#include "app/startup.h"

#include "inspect/level_check_command.h"

namespace qv2 {

Program::Program(Modals &modals, const QString &programDir)
    : mainWindow(modals, programDir), levelPicker(&mainWindow), overview(&mainWindow)
{
    mainWindow.setLevelPicker(&levelPicker);
    mainWindow.connectCommand(MainWindow::ActionHibakereses1,
                              [this] { checkLevel(mainWindow.state(), mainWindow.services()); });
    mainWindow.connectCommand(MainWindow::ActionASzintEgyben1, [this] {
        showLevelOverview(mainWindow.state(), mainWindow.services(), overview);
    });
}

std::vector<TextTarget *> Program::textTargets()
{
    // Main window first, then the dialogs in the order their sections come in the language file.
    return {&mainWindow, &overview, &levelPicker};
}

void Program::LoadStartupSettings()
{
    EditorState &state = mainWindow.state();
    state.languageName = ReadLanguageName(state.programDir);
    ApplyLanguageFile(LanguageFilePath(state.programDir, state.languageName), textTargets(),
                      state.texts);
}

} // namespace qv2

#include "app/startup.h"

namespace qv2 {

Program::Program(Modals &modals, const QString &programDir)
    : mainWindow(modals, programDir),
      levelPicker(&mainWindow),
      startPosition(&mainWindow),
      neighbours(&mainWindow),
      links(&mainWindow),
      enemies(&mainWindow),
      levelType(&mainWindow)
{
    mainWindow.setLevelPicker(&levelPicker);
    mainWindow.connectCommand(MainWindow::ActionKezdohely1, [this] {
        editStartPosition(mainWindow.state(), mainWindow.services(), startPosition);
    });
    mainWindow.connectCommand(MainWindow::ActionPalyak1, [this] {
        editNeighbours(mainWindow.state(), mainWindow.services(), neighbours);
    });
    mainWindow.connectCommand(MainWindow::ActionLink1, [this] {
        editLinks(mainWindow.state(), mainWindow.services(), links);
    });
    mainWindow.connectCommand(MainWindow::ActionEllensegek1, [this] {
        editEnemies(mainWindow.state(), mainWindow.services(), enemies);
    });
    mainWindow.connectCommand(MainWindow::ActionSzintfajta1, [this] {
        editLevelType(mainWindow.state(), mainWindow.services(), levelType);
    });
}

std::vector<TextTarget *> Program::textTargets()
{
    // Main window first, then the dialogs in the order their sections come in the language file.
    return {
        &mainWindow,
        &startPosition,
        &links,
        &levelPicker,
        &neighbours,
        &enemies,
        &levelType,
    };
}

void Program::LoadStartupSettings()
{
    EditorState &state = mainWindow.state();
    state.languageName = ReadLanguageName(state.programDir);
    ApplyLanguageFile(LanguageFilePath(state.programDir, state.languageName), textTargets(),
                      state.texts);
}

} // namespace qv2

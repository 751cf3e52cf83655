#pragma once

#include "app/level_picker.h"
#include "app/main_window.h"
#include "inspect/overview_window.h"

#include <QString>

#include <vector>

namespace qv2 {

class Modals;

// The program's windows, created once in start-up order: the main window first, then the dialogs.
// Each later dialog is added here and to textTargets(), in the order its texts are applied.
class Program {
public:
    Program(Modals &modals, const QString &programDir);

    // Reads the language name from texts/Qv2LevEd.ini and applies that language file to every
    // window and to the message list.
    void LoadStartupSettings();

    MainWindow mainWindow;
    LevelPicker levelPicker;
    OverviewWindow overview;

private:
    std::vector<TextTarget *> textTargets();
};

} // namespace qv2

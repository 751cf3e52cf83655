#pragma once

#include "app/level_picker.h"
#include "app/main_window.h"
#include "editors/background_editor.h"
#include "editors/enemy_dialog.h"
#include "editors/level_type_dialog.h"
#include "editors/link_dialog.h"
#include "editors/neighbour_dialog.h"
#include "editors/start_position_dialog.h"
#include "inspect/overview_window.h"
#include "ui/qt_translations.h"

#include <QString>

#include <optional>
#include <vector>

namespace qv2 {

class Modals;

// The program's windows, created once in start-up order: the main window first, then the dialogs.
// Each later dialog is added here and to textTargets(), in the order its texts are applied.
class Program {
public:
    Program(Modals &modals, const QString &programDir);

    // Applies the language the user chose in the Language menu, or else the one that
    // texts/Qv2LevEd.ini names, and lists the shipped languages in that menu.
    void LoadStartupSettings();

    // Applies the language file `name` of texts/ to every window and to the message list, with
    // Qt's own texts in the file's locale. Without a readable file the captions stay as they are
    // and the user is told which file is missing.
    void applyLanguage(const QString &name);

    MainWindow mainWindow;              // TForm1
    LevelPicker levelPicker;            // TForm2
    StartPositionDialog startPosition;  // TForm3
    NeighbourDialog neighbours;         // TForm4
    OverviewWindow overview;            // TForm5
    LinkDialog links;                   // TForm6
    BackgroundEditor backgroundEditor;  // TForm7, captioned from the message texts
    EnemyDialog enemies;                // TForm8
    LevelTypeDialog levelType;          // TForm9

private:
    std::vector<TextTarget *> textTargets();
    // A choice in the Language menu, kept for the next start.
    void chooseLanguage(const QString &name);
    // The same with the file `name` already read (nothing when it could not be).
    void applyLanguage(const QString &name, const std::optional<LanguageFile> &language);

    Modals &m_modals;
    QtTranslations m_qtTranslations;
};

} // namespace qv2

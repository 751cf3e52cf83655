#pragma once

#include "app/dialog_on_demand.h"
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

// The program's windows: the main window is made at start-up, the dialogs when a command first
// needs them. Each dialog is added here and to textTargets(), in the order its texts are applied.
class Program {
  public:
    Program(Modals &modals, const QString &programDir);

    // Applies the language the user chose in the Language menu, or else the one that
    // texts/Qv2LevEd.ini names; the Language menu lists the shipped languages whenever it opens.
    void LoadStartupSettings();

    // Applies the language file `name` of texts/ to every window and to the message list, with
    // Qt's own texts in the file's locale. Without a readable file the user is told which file is
    // missing, and the texts stay as they are: the language in use, or else the built-in one.
    void applyLanguage(const QString &name);

    MainWindow mainWindow; // TForm1

    LevelPicker &levelPicker() { return m_levelPicker.get(); }                // TForm2
    StartPositionDialog &startPosition() { return m_startPosition.get(); }    // TForm3
    NeighbourDialog &neighbours() { return m_neighbours.get(); }              // TForm4
    OverviewWindow &overview() { return m_overview.get(); }                   // TForm5
    LinkDialog &links() { return m_links.get(); }                             // TForm6
    BackgroundEditor &backgroundEditor() { return m_backgroundEditor.get(); } // TForm7
    EnemyDialog &enemies() { return m_enemies.get(); }                        // TForm8
    LevelTypeDialog &levelType() { return m_levelType.get(); }                // TForm9

  private:
    std::vector<TextTarget *> textTargets();
    // A choice in the Language menu, kept for the next start.
    void chooseLanguage(const QString &name);
    // The same with the file `name` already read (nothing when it could not be).
    void applyLanguage(const QString &name, std::optional<LanguageFile> language);

    // The language applied last, for the dialogs made after it.
    std::optional<LanguageFile> m_language;
    // Made later, it stands on the level open, as if it had been told of every level opened.
    DialogOnDemand<LevelPicker> m_levelPicker{mainWindow, m_language, [this](LevelPicker &picker) {
                                                  if (const auto &shown = mainWindow.shownLevel())
                                                      picker.showLevel(shown->id);
                                              }};
    DialogOnDemand<StartPositionDialog> m_startPosition{mainWindow, m_language};
    DialogOnDemand<NeighbourDialog> m_neighbours{mainWindow, m_language};
    DialogOnDemand<OverviewWindow> m_overview{mainWindow, m_language};
    DialogOnDemand<LinkDialog> m_links{mainWindow, m_language};
    DialogOnDemand<BackgroundEditor> m_backgroundEditor{
        mainWindow, m_language}; // captioned from the message texts
    DialogOnDemand<EnemyDialog> m_enemies{mainWindow, m_language};
    DialogOnDemand<LevelTypeDialog> m_levelType{mainWindow, m_language};

    Modals &m_modals;
    QtTranslations m_qtTranslations;
};

} // namespace qv2

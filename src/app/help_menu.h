#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace qv2 {

class LanguageFile;
class Modals;
struct EditorState;

// The Help menu, last in the menu bar: the keyboard shortcuts of every action and the About box.
class HelpMenu : public QObject {
    Q_OBJECT
  public:
    // `programTitle` gives the program's name in the language in use.
    HelpMenu(QMainWindow &window, const EditorState &state, Modals &modals,
             std::function<QString()> programTitle);

    void applyTexts(const LanguageFile &language);
    QAction &shortcutsAction() const { return *m_shortcuts; }
    QAction &aboutAction() const { return *m_about; }

  private:
    void showShortcuts();
    void showAbout();

    QMainWindow &m_window;
    const EditorState &m_state;
    Modals &m_modals;
    std::function<QString()> m_programTitle;
    QMenu *m_menu;
    QAction *m_shortcuts;
    QAction *m_about;
};

} // namespace qv2

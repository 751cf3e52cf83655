#include "app/help_menu.h"

#include "app/about_box.h"
#include "app/shortcut_list.h"
#include "app/user_settings.h"
#include "text/text_catalogue.h"
#include "ui/editor_state.h"
#include "ui/modals.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace qv2 {

HelpMenu::HelpMenu(QMainWindow &window, const EditorState &state, Modals &modals,
                   std::function<QString()> programTitle)
    : QObject(&window), m_window(window), m_state(state), m_modals(modals),
      m_programTitle(std::move(programTitle)),
      m_menu(window.menuBar()->addMenu(QString::fromUtf8("Súgó"))),
      // The window's own, as every action with a key is, for the shortcut list to find.
      m_shortcuts(new QAction(QString::fromUtf8("Billentyűparancsok"), &window)),
      m_about(new QAction(QString::fromUtf8("Névjegy"), &window)) {
    m_menu->addAction(m_shortcuts);
    m_menu->addAction(m_about);
    m_menu->setObjectName(QStringLiteral("HelpMenu"));
    m_shortcuts->setObjectName(QStringLiteral("ActionShortcuts"));
    m_shortcuts->setShortcut(QKeySequence::HelpContents);
    m_about->setObjectName(QStringLiteral("ActionAbout"));
    m_about->setMenuRole(QAction::AboutRole);
    connect(m_shortcuts, &QAction::triggered, this, &HelpMenu::showShortcuts);
    connect(m_about, &QAction::triggered, this, &HelpMenu::showAbout);
}

void HelpMenu::applyTexts(const LanguageFile &language) {
    const QString main = QStringLiteral("main");
    m_menu->setTitle(language.text(main, QStringLiteral("help")));
    m_shortcuts->setText(language.text(main, QStringLiteral("shortcuts")));
    m_about->setText(language.text(main, QStringLiteral("about")));
}

void HelpMenu::showShortcuts() {
    ShortcutList list(m_window, ShortcutRows(m_window, *m_window.menuBar()), m_state.texts);
    m_modals.run(list);
}

void HelpMenu::showAbout() {
    AboutBox box(
        m_window, m_state.texts,
        AboutLines(m_state.texts, m_programTitle(), m_state.programDir, UserSettings().path()));
    m_modals.run(box);
}

} // namespace qv2

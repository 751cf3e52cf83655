// Every menu is reachable from the keyboard: each entry has a mnemonic of its own within its menu,
// Alt+letter opens a menu of the menu bar and F10 the first one.
#include "main_window_fixture.h"

#include <QApplication>
#include <QMenuBar>

#include <map>

namespace qv2 {
namespace {

using MenuKeyboardTest = MainWindowTest;

// "menu title: entry" for every entry without a mnemonic or with one another entry has.
QStringList mnemonicFaults(const QString &menuTitle, const QList<QAction *> &entries) {
    QStringList faults;
    std::map<QKeySequence, QString> taken;
    for (QAction *entry : entries) {
        if (entry->isSeparator() || !entry->isVisible())
            continue;
        const QKeySequence key = QKeySequence::mnemonic(entry->text());
        if (key.isEmpty())
            faults.append(menuTitle + QStringLiteral(": no mnemonic in ") + entry->text());
        else if (!taken.emplace(key, entry->text()).second)
            faults.append(menuTitle + QStringLiteral(": ") + entry->text() +
                          QStringLiteral(" repeats the letter of ") + taken[key]);
    }
    return faults;
}

TEST_F(MenuKeyboardTest, EveryEntryHasAMnemonicOfItsOwnInEachShippedLanguage) {
    open(archive, pickRow(3)); // a recent level in the File menu
    for (const char *language : {"english.ini", "magyar.ini"}) {
        chooseLanguage(language);
        QMenuBar &bar = *window().menuBar();
        QStringList faults = mnemonicFaults(QStringLiteral("menu bar"), bar.actions());
        for (QAction *title : bar.actions()) {
            QMenu *menu = title->menu();
            emit menu->aboutToShow(); // the recent levels and languages are listed as it opens
            faults += mnemonicFaults(title->text(), menu->actions());
        }
        EXPECT_TRUE(faults.isEmpty()) << language << ": " << faults.join(u'|').toStdString();
    }
}

TEST_F(MenuKeyboardTest, AltLetterOpensItsMenuAndF10TheFirst) {
    chooseLanguage("english.ini");
    showActive();
    QMenuBar &bar = *window().menuBar();
    for (QAction *title : bar.actions()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(title->text());
        ASSERT_FALSE(mnemonic.isEmpty()) << title->text().toStdString();
        QTest::keyClick(&window(), mnemonic[0].key(), mnemonic[0].keyboardModifiers());
        EXPECT_EQ(QApplication::activePopupWidget(), title->menu()) << title->text().toStdString();
        title->menu()->hide();
    }
    QTest::keyClick(&window(), Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), bar.actions().value(0)->menu());
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->hide();
}

} // namespace
} // namespace qv2

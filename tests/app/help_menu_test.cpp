// Help: the keyboard shortcuts as the actions have them, searchable, and the About box.
#include "app/about_box.h"
#include "app/shortcut_list.h"
#include "app/user_settings.h"
#include "main_window_fixture.h"
#include "support/find_control.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTreeWidget>

namespace qv2 {
namespace {

using HelpMenuTest = MainWindowTest;

TEST_F(HelpMenuTest, TheShortcutListHoldsEveryActionsKeysAndFindsByWords) {
    chooseLanguage("english.ini");
    // Whatever the user does with it, the list knows every action that has a key.
    std::map<QString, QString> expected;
    for (QAction *action : window().findChildren<QAction *>(Qt::FindDirectChildrenOnly)) {
        QStringList keys;
        for (const QKeySequence &key : action->shortcuts())
            keys.append(key.toString(QKeySequence::NativeText));
        if (!keys.isEmpty())
            expected[action->iconText()] = keys.join(QStringLiteral(", "));
    }
    std::map<QString, QString> listed;
    for (const ShortcutRow &row : ShortcutRows(window(), *window().menuBar()))
        EXPECT_TRUE(listed.emplace(row.command.section(QStringLiteral(" > "), -1), row.keys).second)
            << "listed twice: " << row.command.toStdString();
    EXPECT_EQ(listed, expected);
    EXPECT_TRUE(listed.count(QStringLiteral("Open the menu bar")));

    const struct {
        const char *search;
        int shown; // -1: every row
        const char *first;
    } searches[] = {
        {"", -1, "File > Open"},
        {"ctrl+k", 1, "Level > Start position"},
        {"  room   DELETE ", 1, "Room > Delete room"},
        {"zoom", 2, "View > Zoom in"},
        {"level xyzzy", 0, ""},
    };
    modals.dialogScripts.push_back([&](QDialog &dialog) {
        auto &search = Control<QLineEdit>(dialog, QStringLiteral("ShortcutSearch"));
        auto &table = Control<QTreeWidget>(dialog, QStringLiteral("ShortcutTable"));
        EXPECT_EQ(table.topLevelItemCount(), static_cast<int>(expected.size()));
        for (const auto &s : searches) {
            search.setText(QString::fromLatin1(s.search));
            QStringList shown;
            for (int i = 0; i < table.topLevelItemCount(); ++i) {
                if (!table.topLevelItem(i)->isHidden())
                    shown.append(table.topLevelItem(i)->text(0));
            }
            EXPECT_EQ(shown.size(), s.shown < 0 ? table.topLevelItemCount() : s.shown) << s.search;
            EXPECT_EQ(shown.value(0), QLatin1String(s.first)) << s.search;
        }
        return false;
    });
    Control<QMenu>(window(), QStringLiteral("HelpMenu")).actions().value(0)->trigger();
    EXPECT_EQ(modals.dialogTitles, QStringList({QStringLiteral("Keyboard shortcuts")}));
}

TEST_F(HelpMenuTest, AboutNamesTheVersionLicenceAndWhereThingsAre) {
    chooseLanguage("english.ini");
    QStringList lines;
    modals.dialogScripts.push_back([&](QDialog &dialog) {
        for (QLabel *label : dialog.findChildren<QLabel *>())
            lines.append(label->text());
        return true;
    });
    window().findChild<QAction *>(QStringLiteral("ActionAbout"))->trigger();
    const QString all = lines.join(u'\n');
    for (const QString &part :
         {QStringLiteral("Qasvar 2 level editor"), QStringLiteral("Version " QV2_VERSION),
          QStringLiteral("MIT licence"), QStringLiteral("The Qasvar 2 level editor authors"),
          QDir::toNativeSeparators(programDir()), QDir::toNativeSeparators(UserSettings().path())})
        EXPECT_TRUE(all.contains(part)) << part.toStdString() << " not in " << all.toStdString();
}

} // namespace
} // namespace qv2

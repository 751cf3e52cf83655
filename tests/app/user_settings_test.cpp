// The recent levels: the list's rule, its keeping in the user's settings and the File menu.
#include "app/user_settings.h"
#include "main_window_fixture.h"
#include "support/find_control.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>

#include <functional>
#include <optional>

#include <sys/stat.h>

namespace qv2 {
namespace {

TEST(RecentLevels, NewestFirstWithoutRepeatsAtMostEight) {
    const auto levels = [](std::initializer_list<int> ids) {
        std::vector<RecentLevel> list;
        for (int id : ids)
            list.push_back({QStringLiteral("a.dat"), static_cast<std::uint16_t>(id)});
        return list;
    };
    const struct {
        const char *name;
        std::vector<RecentLevel> before;
        RecentLevel added;
        std::vector<RecentLevel> after;
    } cases[] = {
        {"first", {}, {QStringLiteral("a.dat"), 1}, levels({1})},
        {"again moves to the front",
         levels({2, 1, 3}),
         {QStringLiteral("a.dat"), 1},
         levels({1, 2, 3})},
        {"the same id of another archive is another level",
         levels({1}),
         {QStringLiteral("b.dat"), 1},
         {{QStringLiteral("b.dat"), 1}, {QStringLiteral("a.dat"), 1}}},
        {"the oldest drops out",
         levels({1, 2, 3, 4, 5, 6, 7, 8}),
         {QStringLiteral("a.dat"), 9},
         levels({9, 1, 2, 3, 4, 5, 6, 7})},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AddRecentLevel(c.before, c.added), c.after) << c.name;
}

using RecentLevelsMenuTest = MainWindowTest;

TEST_F(RecentLevelsMenuTest, OpenedAndSavedLevelsAreOfferedAgain) {
    open(archive, pickRow(3));
    save(archive, pickRow(0));
    const QString gone = QString::fromStdString(folder.file("gone.dat"));
    ASSERT_TRUE(QFile::copy(archive, gone));
    open(gone, pickRow(3));
    ASSERT_TRUE(QFile::remove(gone));

    // At the next start, from the user's settings.
    program = std::make_unique<Program>(modals, programDir());
    program->LoadStartupSettings();
    QMenu &file = Control<QMenu>(window(), QStringLiteral("Fajl1"));
    emit file.aboutToShow();
    const struct {
        const char *entry;
        QString path;
        int id;
        bool enabled;
    } entries[] = {
        {"RecentLevel1", gone, 2003, true}, // chosen, it offers to leave the list
        {"RecentLevel2", archive, 2000, true},
        {"RecentLevel3", archive, 2003, true},
    };
    for (const auto &e : entries) {
        QAction *entry = file.findChild<QAction *>(QString::fromLatin1(e.entry));
        ASSERT_TRUE(entry) << e.entry;
        EXPECT_TRUE(entry->text().contains(QDir::toNativeSeparators(e.path)) &&
                    entry->text().endsWith(QString::number(e.id)))
            << e.entry << ": " << entry->text().toStdString();
        EXPECT_EQ(entry->isEnabled(), e.enabled) << e.entry;
    }
    EXPECT_FALSE(file.findChild<QAction *>(QStringLiteral("RecentLevel4")));

    file.findChild<QAction *>(QStringLiteral("RecentLevel2"))->trigger();
    EXPECT_TRUE(state().levelOpen);
    EXPECT_TRUE(window().windowTitle().contains(QStringLiteral("2000")))
        << window().windowTitle().toStdString();
}

// Any change rewrites and flushes the whole settings file, so a value it already holds is not set
// again; a rewrite gives the file a new inode.
TEST_F(RecentLevelsMenuTest, SettingsAreWrittenOnlyWhenTheyChange) {
    open(archive, pickRow(3));
    const std::string settings = QSettings(QSettings::IniFormat, QSettings::UserScope,
                                           QStringLiteral("qasvar2"), QStringLiteral("qv2leved"))
                                     .fileName()
                                     .toStdString();
    const auto inode = [&] {
        struct stat status {};
        return stat(settings.c_str(), &status) == 0 ? status.st_ino : 0;
    };
    const struct {
        const char *name;
        std::function<void()> action;
        bool writes;
    } cases[] = {
        {"start-up",
         [&] {
             program = std::make_unique<Program>(modals, programDir());
             program->LoadStartupSettings();
         },
         false},
        {"the same level opened again", [&] { open(archive, pickRow(3)); }, false},
        {"another level", [&] { open(archive, pickRow(0)); }, true},
        {"the zoom in use", [&] { window().action(MainWindow::Action::ActualSize)->trigger(); },
         false},
        {"a zoom in", [&] { window().action(MainWindow::Action::ZoomIn)->trigger(); }, true},
        {"a language chosen", [&] { chooseLanguage("magyar.ini"); }, true},
        {"the same language chosen again", [&] { chooseLanguage("magyar.ini"); }, false},
    };
    for (const auto &c : cases) {
        const auto before = inode();
        ASSERT_NE(before, 0u) << c.name;
        c.action();
        EXPECT_EQ(inode() != before, c.writes) << c.name;
    }
}

TEST_F(RecentLevelsMenuTest, AGoneArchiveLeavesTheListWhenTheUserSaysSoAndClearEmptiesIt) {
    const QString gone = QString::fromStdString(folder.file("gone.dat"));
    ASSERT_TRUE(QFile::copy(archive, gone));
    open(gone, pickRow(0));
    open(archive, pickRow(3));
    ASSERT_TRUE(QFile::remove(gone));
    QMenu &file = Control<QMenu>(window(), QStringLiteral("Fajl1"));
    const auto listed = [&] {
        QStringList ids;
        for (const RecentLevel &level : UserSettings().recentLevels())
            ids.append(QString::number(level.id));
        return ids.join(u' ');
    };
    const struct {
        const char *name;
        const char *entry;
        std::optional<bool> answer; // to the question whether to take it off the list
        const char *after;
    } cases[] = {
        {"kept when the user says no", "RecentLevel2", false, "2003 2000"},
        {"an archive that is there opens", "RecentLevel1", std::nullopt, "2003 2000"},
        {"taken off when the user says yes", "RecentLevel2", true, "2003"},
        {"Clear list", "ClearRecentLevels", std::nullopt, ""},
    };
    for (const auto &c : cases) {
        emit file.aboutToShow();
        if (c.answer)
            modals.yesNoAnswers.push_back(*c.answer);
        const std::size_t asked = modals.questions.size();
        file.findChild<QAction *>(QString::fromLatin1(c.entry))->trigger();
        EXPECT_EQ(modals.questions.size(), asked + (c.answer ? 1 : 0)) << c.name;
        EXPECT_EQ(listed(), QString::fromLatin1(c.after)) << c.name;
        emit file.aboutToShow();
        const std::size_t kept = UserSettings().recentLevels().size();
        EXPECT_EQ(file.findChild<QAction *>(QStringLiteral("RecentLevel%1").arg(kept + 1)), nullptr)
            << c.name << ": the menu shows what is kept";
    }
    EXPECT_TRUE(modals.questions.front().text.contains(QDir::toNativeSeparators(gone)));
    EXPECT_FALSE(file.findChild<QAction *>(QStringLiteral("ClearRecentLevels"))->isEnabled());
}

TEST_F(RecentLevelsMenuTest, TheFirstStartStoresNoZoomTheUserDidNotChoose) {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("qasvar2"),
                             QStringLiteral("qv2leved"));
    EXPECT_FALSE(settings.contains(QStringLiteral("zoom")));
}

} // namespace
} // namespace qv2

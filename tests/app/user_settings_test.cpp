// The recent levels: the list's rule, its keeping in the user's settings and the File menu.
#include "app/user_settings.h"
#include "level/read_limits.h"
#include "main_window_fixture.h"
#include "support/find_control.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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

void WriteSettingsText(const std::string &text) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(UserSettings::path()).path()));
    ASSERT_TRUE(WriteFile(QFile::encodeName(UserSettings::path()).toStdString(),
                          Bytes(text.begin(), text.end())));
}

TEST(RecentLevelsInSettings, ADamagedListIsReadOnlyAsFarAsTheMenuShows) {
    const struct {
        const char *name;
        std::string text;
        std::vector<RecentLevel> levels;
    } cases[] = {
        {"a size beyond any list", "[recent]\nsize=2147483647\n", {}},
        {"a huge size with one entry",
         "[recent]\n1\\path=a.dat\n1\\id=2000\nsize=1000000\n",
         {{QStringLiteral("a.dat"), 2000}}},
        {"an entry past the eighth", "[recent]\n9\\path=a.dat\n9\\id=2000\nsize=9\n", {}},
    };
    for (const auto &c : cases) {
        WriteSettingsText(c.text);
        EXPECT_EQ(UserSettings().recentLevels(), c.levels) << c.name;
    }
}

using SettingsFileTest = MainWindowTest;

// What the settings path leads to is never read or replaced unless it is a regular file: the
// choices then last while the program runs, and the status line says so at start.
TEST_F(SettingsFileTest, NoRegularFileIsReadOrReplaced) {
    const std::string path = QFile::encodeName(UserSettings::path()).toStdString();
    TempFolder elsewhere;
    const std::string target = elsewhere.file("target");
    const auto linked = [&](int made) {
        return made == 0 && symlink(target.c_str(), path.c_str()) == 0;
    };
    const struct {
        const char *name;
        std::function<bool()> make; // false when this system does not allow it
        bool kept;
    } cases[] = {
        {"a link to a device",
         [&] { return linked(mknod(target.c_str(), S_IFCHR | 0600, makedev(1, 3))); }, false},
        {"a link to a FIFO", [&] { return linked(mkfifo(target.c_str(), 0600)); }, false},
        {"a FIFO", [&] { return mkfifo(path.c_str(), 0600) == 0; }, false},
        {"a folder", [&] { return mkdir(path.c_str(), 0700) == 0; }, false},
        {"a link to nothing", [&] { return linked(0); }, false},
        {"a file beyond the limit",
         [&] { return WriteFile(path, {}) && truncate(path.c_str(), kSettingsFileLimit + 1) == 0; },
         false},
        {"a link to a regular file", [&] { return linked(!WriteFile(target, {})); }, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(path);
        std::filesystem::remove_all(target);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(UserSettings::path()).path()));
        if (!c.make()) {
            std::printf("skipped \"%s\": %s\n", c.name, std::strerror(errno));
            continue;
        }
        struct stat linkBefore {
        }, before{}, linkAfter{}, after{};
        lstat(path.c_str(), &linkBefore);
        stat(path.c_str(), &before);

        program = std::make_unique<Program>(modals, programDir());
        program->LoadStartupSettings();
        EXPECT_EQ(window().statusBar()->currentMessage().contains(
                      QDir::toNativeSeparators(UserSettings::path())),
                  !c.kept);
        for (const char *language : {"english.ini", "magyar.ini"}) {
            chooseLanguage(language);
            EXPECT_EQ(UserSettings().language(), QLatin1String(language));
        }
        program.reset();

        lstat(path.c_str(), &linkAfter);
        stat(path.c_str(), &after);
        EXPECT_EQ(linkAfter.st_mode, linkBefore.st_mode);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_rdev, before.st_rdev);
        if (!c.kept) {
            EXPECT_EQ(after.st_size, before.st_size);
        }
    }
    std::filesystem::remove_all(path);
}

} // namespace
} // namespace qv2

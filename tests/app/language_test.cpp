// Start-up reads the language name and applies that language file to every window.
#include "app/startup.h"
#include "app/user_settings.h"
#include "level/read_limits.h"
#include "support/archive_builder.h"
#include "support/scripted_modals.h"
#include "text/win1250.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

void writeText(const QString &path, const QString &text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EncodeWindows1250(text));
}

class LanguageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = QString::fromStdString(folder.path()) + QLatin1Char('/');
        ASSERT_TRUE(QDir(dir).mkpath(QStringLiteral("texts")));
    }
    TempFolder folder;
    QString dir;
    ScriptedModals modals;
};

TEST_F(LanguageTest, OnlyATitleLeavesEveryOtherCaptionEmpty) {
    writeText(dir + QStringLiteral("texts/Qv2LevEd.ini"), QStringLiteral("[x]\nlang=only\n"));
    writeText(dir + QStringLiteral("texts/only"), QString::fromUtf8("[main]\ntitle=Szerkesztő\n"));
    Program program(modals, dir);
    program.LoadStartupSettings();

    EXPECT_EQ(program.mainWindow.state().languageName, QStringLiteral("only"));
    EXPECT_EQ(program.mainWindow.windowTitle(), QString::fromUtf8("Szerkesztő"));
    EXPECT_TRUE(program.mainWindow.action(MainWindow::Action::Open)->text().isEmpty());
    EXPECT_EQ(program.mainWindow.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->count(), 0);
    EXPECT_EQ(program.levelPicker().findChild<QListWidget *>(QStringLiteral("ListBox1"))->count(),
              0);
    EXPECT_TRUE(program.levelPicker().windowTitle().isEmpty());
    EXPECT_TRUE(program.mainWindow.state().texts.lines().isEmpty());
}

TEST_F(LanguageTest, ListsFiltersAndMessagesComeFromTheFile) {
    writeText(dir + QStringLiteral("texts/Qv2LevEd.ini"), QStringLiteral("lang=test.ini\n"));
    writeText(dir + QStringLiteral("texts/test.ini"),
              QString::fromUtf8("[main]\ntiles=\"00: Üres\",\"01: Padló\"\n"
                                "filter=Archívum (qasvar.dat)|qasvar.dat\n"
                                "titleopen=Nyit\ntitlesave=Ment\nsave=Mentés\n"
                                "[select]\nlevels=egy,\"kettő és három\"\ngameplay=JÁTÉK\n"
                                "[texts]\nnolevel=Nincs ilyen\nstatus=%d/%d\n"));
    Program program(modals, dir);
    program.LoadStartupSettings();

    auto *tiles = program.mainWindow.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    ASSERT_EQ(tiles->count(), 2);
    EXPECT_EQ(tiles->itemText(0), QString::fromUtf8("00: Üres"));
    auto *levels = program.levelPicker().findChild<QListWidget *>(QStringLiteral("ListBox1"));
    ASSERT_EQ(levels->count(), 2);
    EXPECT_EQ(levels->item(1)->text(), QString::fromUtf8("kettő és három"));
    EXPECT_EQ(program.mainWindow.openDialog().nameFilters(),
              QStringList({QString::fromUtf8("Archívum (qasvar.dat)")}));
    EXPECT_EQ(program.mainWindow.saveDialog().nameFilters(),
              program.mainWindow.openDialog().nameFilters());
    EXPECT_EQ(program.mainWindow.openDialog().windowTitle(), QStringLiteral("Nyit"));
    EXPECT_EQ(program.mainWindow.saveDialog().windowTitle(), QStringLiteral("Ment"));
    EXPECT_EQ(program.mainWindow.action(MainWindow::Action::Save)->text(),
              QString::fromUtf8("Mentés"));
    EXPECT_EQ(program.mainWindow.state().texts.text(QStringLiteral("nolevel")),
              QStringLiteral("Nincs ilyen"));
}

// Without a language file the program stays usable with its built-in Hungarian texts and says,
// in English, which file it could not find.
TEST_F(LanguageTest, MissingLanguageFileKeepsTheBuiltInCaptions) {
    struct Case {
        const char *name;
        const char *startup; // nullptr: no start-up file
        const char *told;    // part of the message
    };
    const Case cases[] = {
        {"no start-up file", nullptr, "has no lang= line"},
        {"no lang line", "[settings]\nlanguage=magyar.ini\n", "has no lang= line"},
        {"lang names no file", "lang=deutsch.ini\n", "deutsch.ini is missing"},
        {"lang names a file beyond the limit", "lang=huge.ini\n", "huge.ini is missing"},
    };
    // Sparse: refused by its size, never read.
    writeText(dir + QStringLiteral("texts/huge.ini"), QStringLiteral("[language]\ntitle=Huge\n"));
    ASSERT_TRUE(QFile::resize(dir + QStringLiteral("texts/huge.ini"),
                              static_cast<qint64>(kTextFileLimit) + 1));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(dir + QStringLiteral("texts/Qv2LevEd.ini"));
        if (c.startup)
            writeText(dir + QStringLiteral("texts/Qv2LevEd.ini"), QString::fromLatin1(c.startup));
        ScriptedModals told;
        Program program(told, dir);
        program.LoadStartupSettings();

        EXPECT_EQ(program.mainWindow.windowTitle(), QString::fromUtf8("Qasvar 2 szintszerkesztő"));
        EXPECT_EQ(program.mainWindow.action(MainWindow::Action::Open)->text().remove(u'&'),
                  QString::fromUtf8("Megnyitás"));
        EXPECT_EQ(
            program.levelPicker().findChild<QListWidget *>(QStringLiteral("ListBox1"))->count(),
            14);
        // Messages, prompts, the status line and the panel's labels are never blank.
        for (const char *key : {"nolevel", "jump", "between", "status", "pback", "dinOK"})
            EXPECT_FALSE(program.mainWindow.state().texts.text(QLatin1String(key)).isEmpty())
                << key;
        EXPECT_FALSE(program.mainWindow.action(MainWindow::Action::Undo)->text().isEmpty());
        ASSERT_EQ(told.messages.size(), 1);
        EXPECT_TRUE(told.messages[0].contains(QLatin1String(c.told)))
            << told.messages[0].toStdString();
    }
}

// The user's choice is taken only as the Language menu offers it; anything else falls back to
// texts/Qv2LevEd.ini's choice without a word.
TEST_F(LanguageTest, TheUsersChoiceIsTakenOnlyFromTitledFilesInTexts) {
    writeText(dir + QStringLiteral("texts/Qv2LevEd.ini"), QStringLiteral("lang=home.ini\n"));
    for (const char *name : {"texts/home.ini", "texts/other.ini", "outside.ini"})
        writeText(dir + QLatin1String(name), QStringLiteral("[language]\ntitle=A title\n"));
    writeText(dir + QStringLiteral("texts/untitled.ini"), QStringLiteral("[main]\ntitle=x\n"));
    const struct {
        const char *name;
        QString setting;
        const char *taken;
    } cases[] = {
        {"a titled file in texts", QStringLiteral("other.ini"), "other.ini"},
        {"a path out of texts", QStringLiteral("../outside.ini"), "home.ini"},
        {"an absolute path", dir + QStringLiteral("outside.ini"), "home.ini"},
        {"a file without a title", QStringLiteral("untitled.ini"), "home.ini"},
    };
    for (const auto &c : cases) {
        UserSettings().setLanguage(c.setting);
        ScriptedModals told;
        Program program(told, dir);
        program.LoadStartupSettings();
        EXPECT_EQ(program.mainWindow.state().languageName, QLatin1String(c.taken)) << c.name;
        EXPECT_TRUE(told.messages.isEmpty()) << c.name;
    }
}

// Qt's own texts follow the language file's locale and switch with it.
TEST_F(LanguageTest, QtsOwnTextsFollowTheLocale) {
    const char *lookIn = "Look in:";
    writeText(dir + QStringLiteral("texts/hu.ini"), QStringLiteral("[language]\nlocale=hu\n"));
    writeText(dir + QStringLiteral("texts/en.ini"), QStringLiteral("[language]\nlocale=en\n"));
    Program program(modals, dir);

    writeText(dir + QStringLiteral("texts/Qv2LevEd.ini"), QStringLiteral("lang=hu.ini\n"));
    program.LoadStartupSettings();
    EXPECT_NE(QCoreApplication::translate("QFileDialog", lookIn), QLatin1String(lookIn));

    writeText(dir + QStringLiteral("texts/Qv2LevEd.ini"), QStringLiteral("lang=en.ini\n"));
    program.LoadStartupSettings();
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", lookIn), QLatin1String(lookIn));
}

} // namespace
} // namespace qv2

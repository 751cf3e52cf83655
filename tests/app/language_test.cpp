// Start-up reads the language name and applies that language file to every window.
#include "app/startup.h"
#include "support/archive_builder.h"
#include "support/scripted_modals.h"
#include "ui/win1250.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

void writeText(const QString &path, const QString &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EncodeWindows1250(text));
}

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = QString::fromStdString(folder.path()) + QLatin1Char('/');
        ASSERT_TRUE(QDir(dir).mkpath(QStringLiteral("texts")));
    }
    TempFolder folder;
    QString dir;
    ScriptedModals modals;
};

TEST_F(LanguageTest, OnlyATitleLeavesEveryOtherCaptionEmpty)
{
    writeText(dir + QStringLiteral("texts/Qv2LevEd.ini"), QStringLiteral("[x]\nlang=only\n"));
    writeText(dir + QStringLiteral("texts/only"), QString::fromUtf8("[main]\ntitle=Szerkesztő\n"));
    Program program(modals, dir);
    program.LoadStartupSettings();

    EXPECT_EQ(program.mainWindow.state().languageName, QStringLiteral("only"));
    EXPECT_EQ(program.mainWindow.windowTitle(), QString::fromUtf8("Szerkesztő"));
    EXPECT_TRUE(program.mainWindow.action(MainWindow::ActionMegnyitas1)->text().isEmpty());
    EXPECT_EQ(program.mainWindow.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->count(), 0);
    EXPECT_EQ(program.levelPicker.findChild<QListWidget *>(QStringLiteral("ListBox1"))->count(), 0);
    EXPECT_TRUE(program.levelPicker.windowTitle().isEmpty());
    EXPECT_TRUE(program.mainWindow.state().texts.lines().isEmpty());
}

TEST_F(LanguageTest, ListsFiltersAndMessagesComeFromTheFile)
{
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
    auto *levels = program.levelPicker.findChild<QListWidget *>(QStringLiteral("ListBox1"));
    ASSERT_EQ(levels->count(), 2);
    EXPECT_EQ(levels->item(1)->text(), QString::fromUtf8("kettő és három"));
    EXPECT_EQ(program.mainWindow.openDialog().nameFilters(), QStringList({QString::fromUtf8("Archívum (qasvar.dat)")}));
    EXPECT_EQ(program.mainWindow.saveDialog().nameFilters(), program.mainWindow.openDialog().nameFilters());
    EXPECT_EQ(program.mainWindow.openDialog().windowTitle(), QStringLiteral("Nyit"));
    EXPECT_EQ(program.mainWindow.saveDialog().windowTitle(), QStringLiteral("Ment"));
    EXPECT_EQ(program.mainWindow.action(MainWindow::ActionMentes1)->text(), QString::fromUtf8("Mentés"));
    EXPECT_EQ(program.mainWindow.state().texts.text(QStringLiteral("nolevel")), QStringLiteral("Nincs ilyen"));
}

TEST_F(LanguageTest, MissingStartupFileMeansNoTexts)
{
    Program program(modals, dir);
    program.LoadStartupSettings();
    EXPECT_TRUE(program.mainWindow.state().languageName.isEmpty());
    EXPECT_TRUE(program.mainWindow.windowTitle().isEmpty());
    EXPECT_EQ(program.levelPicker.findChild<QListWidget *>(QStringLiteral("ListBox1"))->count(), 0);
}

} // namespace
} // namespace qv2

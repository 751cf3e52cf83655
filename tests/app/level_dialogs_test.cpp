// The level-wide commands of the main window open their dialogs, each with its language section.
#include "app/startup.h"
#include "support/archive_builder.h"
#include "support/scripted_modals.h"

#include <QAction>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

TEST(LevelDialogs, EachCommandOpensItsDialog)
{
    const QString programDir = QString::fromLocal8Bit(qgetenv("QV2_PROGRAM_DIR"));
    ASSERT_FALSE(programDir.isEmpty()) << "QV2_PROGRAM_DIR must name the program folder";
    ScriptedModals modals;
    Program program(modals, programDir);
    program.LoadStartupSettings();
    TempFolder folder;
    const std::string archive = folder.file("qasvar.dat");
    ArchiveBuilder builder;
    builder.addLevel(2003, MakeFullLevel({.startRoom = 5}));
    ASSERT_TRUE(WriteFile(archive, builder.build()));
    program.mainWindow.openArchive(QString::fromStdString(archive), 2003);
    const Bytes opened = program.mainWindow.state().level.bytes();

    const LanguageFile language(
        IniFile::load(LanguageFilePath(programDir, program.mainWindow.state().languageName)));
    const struct {
        MainWindow::Action action;
        const char *form;
        const char *section;
    } cases[] = {
        {MainWindow::ActionKezdohely1, "TForm3", "start"}, {MainWindow::ActionPalyak1, "TForm4", "neighbor"},
        {MainWindow::ActionLink1, "TForm6", "link"},       {MainWindow::ActionEllensegek1, "TForm8", "guards"},
        {MainWindow::ActionSzintfajta1, "TForm9", "kind"},
    };
    for (const auto &c : cases) {
        modals.dialogScripts.push_back([&](QDialog &dialog) {
            EXPECT_EQ(dialog.objectName(), c.form);
            EXPECT_EQ(dialog.windowTitle(), language.text(c.section, QStringLiteral("title"))) << c.form;
            EXPECT_FALSE(dialog.windowTitle().isEmpty()) << c.form;
            return true;
        });
        program.mainWindow.action(c.action)->trigger();
    }
    EXPECT_TRUE(modals.dialogScripts.empty());
    EXPECT_TRUE(modals.messages.isEmpty());
    EXPECT_EQ(program.mainWindow.state().level.bytes(), opened) << "OK without changes";
}

} // namespace
} // namespace qv2

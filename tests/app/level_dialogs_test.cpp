// The level-wide commands of the main window open their dialogs, which took their texts at
// start-up.
#include "app/startup.h"
#include "support/archive_builder.h"
#include "support/scripted_modals.h"

#include <QAction>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

TEST(LevelDialogs, EachCommandOpensItsDialog) {
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

    const std::pair<MainWindow::Action, const char *> cases[] = {
        {MainWindow::Action::EditStartPosition, "TForm3"},
        {MainWindow::Action::EditNeighbours, "TForm4"},
        {MainWindow::Action::EditLinks, "TForm6"},
        {MainWindow::Action::EditEnemies, "TForm8"},
        {MainWindow::Action::EditLevelType, "TForm9"},
    };
    for (const auto &[action, form] : cases) {
        modals.dialogScripts.push_back([form = form](QDialog &dialog) {
            EXPECT_EQ(dialog.objectName(), form);
            EXPECT_FALSE(dialog.windowTitle().isEmpty())
                << form << ": the language file reached it";
            return true;
        });
        program.mainWindow.action(action)->trigger();
    }
    EXPECT_TRUE(modals.dialogScripts.empty());
    EXPECT_TRUE(modals.messages.isEmpty());
    EXPECT_EQ(program.mainWindow.state().level.bytes(), opened) << "OK without changes";
}

} // namespace
} // namespace qv2

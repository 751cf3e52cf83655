// The menu commands that start-up wires to their editors.
#include "app/startup.h"
#include "support/scripted_modals.h"

#include <QAction>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

TEST(Startup, LevelCommandsOpenTheirDialogs) {
    const QString programDir = QString::fromLocal8Bit(qgetenv("QV2_PROGRAM_DIR"));
    ScriptedModals modals;
    Program program(modals, programDir);
    program.LoadStartupSettings();
    program.mainWindow.openArchive(programDir + QStringLiteral("qasvar.dat"), 2003);
    ASSERT_TRUE(program.mainWindow.state().levelOpen) << modals.messages.join('|').toStdString();
    const MessageTexts &texts = program.mainWindow.state().texts;

    const struct {
        MainWindow::Action action;
        QString caption;
    } commands[] = {
        {MainWindow::Action::EditRestartPoints, texts.text(QStringLiteral("dinrestart"))},
        {MainWindow::Action::EditComingGuards, texts.text(QStringLiteral("dincoming"))},
        {MainWindow::Action::EditBackground, texts.text(QStringLiteral("dinback"))},
    };
    for (const auto &command : commands) {
        modals.dialogTitles.clear();
        modals.dialogScripts.push_back([](QDialog &) { return false; });
        program.mainWindow.action(command.action)->trigger();
        EXPECT_EQ(modals.dialogTitles, QStringList{command.caption});
    }
}

// Start-up and an archive opened from the command line make no file dialog; the first one made
// shows the archive.
TEST(Startup, FileDialogsAreMadeWhenFirstNeeded) {
    const QString programDir = QString::fromLocal8Bit(qgetenv("QV2_PROGRAM_DIR"));
    ScriptedModals modals;
    Program program(modals, programDir);
    program.LoadStartupSettings();
    const QString archive = programDir + QStringLiteral("qasvar.dat");
    program.mainWindow.openArchive(archive, 2003);
    EXPECT_TRUE(program.mainWindow.findChildren<QFileDialog *>().isEmpty());
    EXPECT_EQ(program.mainWindow.openDialog().selectedFiles(),
              QStringList{QFileInfo(archive).absoluteFilePath()});
    EXPECT_EQ(program.mainWindow.findChildren<QFileDialog *>().size(), 1);
}

} // namespace
} // namespace qv2

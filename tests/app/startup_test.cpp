// The menu commands that start-up wires to their editors.
#include "app/startup.h"
#include "support/scripted_modals.h"

#include <QAction>
#include <QDialog>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

TEST(Startup, LevelCommandsOpenTheirDialogs)
{
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
        {MainWindow::ActionUjrakezdes1, texts.text(QStringLiteral("dinrestart"))},
        {MainWindow::ActionJovoEllensegek1, texts.text(QStringLiteral("dincoming"))},
        {MainWindow::ActionHatter1, texts.text(QStringLiteral("dinback"))},
    };
    for (const auto &command : commands) {
        modals.dialogTitles.clear();
        modals.dialogScripts.push_back([](QDialog &) { return false; });
        program.mainWindow.action(command.action)->trigger();
        EXPECT_EQ(modals.dialogTitles, QStringList{command.caption});
    }
}

} // namespace
} // namespace qv2

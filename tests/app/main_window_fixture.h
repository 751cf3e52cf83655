#pragma once

// A program with its windows on an archive of a few levels, and the user's answers to the Open
// and Save dialogs.
#include "app/startup.h"
#include "support/archive_builder.h"
#include "support/scripted_modals.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace qv2 {

inline QString programDir() {
    return QString::fromLocal8Bit(qgetenv("QV2_PROGRAM_DIR"));
}

// The user picks list row `row` (nothing when -1) in the level picker and confirms.
inline ScriptedModals::DialogScript pickRow(int row, bool gameplay = false) {
    return [row, gameplay](QDialog &dialog) {
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("ListBox1"));
        auto *box = dialog.findChild<QCheckBox *>(QStringLiteral("CheckBox1"));
        if (!list || !box)
            return false;
        list->clearSelection();
        if (row >= 0)
            list->setCurrentRow(row);
        box->setChecked(gameplay);
        return true;
    };
}

inline ScriptedModals::DialogScript cancelDialog() {
    return [](QDialog &) { return false; };
}

inline Bytes levelWith(std::uint8_t startRoom, std::uint8_t levelType, std::uint8_t firstKind) {
    LevelSketch sketch;
    sketch.startRoom = startRoom;
    sketch.levelType = levelType;
    sketch.firstTileKind = firstKind;
    return MakeFullLevel(sketch);
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(programDir().isEmpty()) << "QV2_PROGRAM_DIR must name the program folder";
        program = std::make_unique<Program>(modals, programDir());
        program->LoadStartupSettings();
        archive = QString::fromStdString(folder.file("qasvar.dat"));

        ArchiveBuilder builder;
        builder.addType(0x54434950); // another type before the levels
        builder.addLevel(1999, levelWith(2, 1, 0x11));
        builder.addLevel(2000, levelWith(4, 2, 0x14));
        builder.addLevel(2003, levelWith(5, 3, 0x01));
        builder.addLevel(2021, levelWith(7, 4, 0x03));
        ASSERT_TRUE(WriteFile(archive.toStdString(), builder.build()));
    }

    MainWindow &window() { return program->mainWindow; }
    EditorState &state() { return program->mainWindow.state(); }
    QString text(const char *key) { return state().texts.text(QString::fromLatin1(key)); }

    // As the user does: the Language menu lists the languages as it opens.
    QMenu &openLanguageMenu() {
        QMenu &menu = window().languageMenu();
        emit menu.aboutToShow();
        return menu;
    }
    void chooseLanguage(const char *file) {
        openLanguageMenu()
            .findChild<QAction *>(QStringLiteral("Language_") + QLatin1String(file))
            ->trigger();
    }

    void open(const QString &path, ScriptedModals::DialogScript picker) {
        modals.fileAnswers.push_back(path);
        modals.dialogScripts.push_back(std::move(picker));
        window().action(MainWindow::Action::Open)->trigger();
    }
    // Shown and active, so that focus and keys reach its controls as they reach the user's.
    void showActive() {
        window().show();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    void save(const QString &path, ScriptedModals::DialogScript picker) {
        modals.fileAnswers.push_back(path);
        modals.dialogScripts.push_back(std::move(picker));
        window().action(MainWindow::Action::Save)->trigger();
    }

    ScriptedModals modals;
    TempFolder folder;
    std::unique_ptr<Program> program;
    QString archive;
};

} // namespace qv2

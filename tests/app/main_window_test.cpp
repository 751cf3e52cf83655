// The main window's Open and Save through the modal seam, on archives made by the tests.
#include "level/archive.h"
#include "level/archive_file.h"
#include "level/level_layout.h"
#include "main_window_fixture.h"
#include "text/ini_file.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

namespace qv2 {
namespace {

TEST_F(MainWindowTest, StartsWithOnlyOpenExitAndZoomAvailable) {
    const std::set<MainWindow::Action> available = {
        MainWindow::Action::Open, MainWindow::Action::Exit, MainWindow::Action::ZoomIn,
        MainWindow::Action::ActualSize};
    for (int i = 0; i < MainWindow::kActionCount; ++i) {
        QAction *action = window().action(static_cast<MainWindow::Action>(i));
        EXPECT_EQ(action->isEnabled(), available.count(static_cast<MainWindow::Action>(i)) == 1)
            << action->objectName().toStdString();
        EXPECT_FALSE(action->shortcut().isEmpty()) << action->objectName().toStdString();
        EXPECT_FALSE(action->text().isEmpty()) << action->objectName().toStdString();
    }
    EXPECT_FALSE(window().findChild<QComboBox *>(QStringLiteral("ComboBox1"))->isEnabled());
    for (const char *name : {"Edit1", "Edit2", "Edit3", "Edit4"})
        EXPECT_FALSE(window().findChild<QLineEdit *>(QString::fromLatin1(name))->isEnabled());
    EXPECT_EQ(window().findChild<QWidget *>(QStringLiteral("Panel1"))->width(), 185);
    EXPECT_EQ(window().findChild<QComboBox *>(QStringLiteral("ComboBox1"))->count(), 45);
    EXPECT_EQ(window().action(MainWindow::Action::EditStartPosition)->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+K")));
    EXPECT_EQ(window().action(MainWindow::Action::DeleteRoom)->shortcut(),
              QKeySequence(Qt::Key_Delete));
}

TEST_F(MainWindowTest, CancelledDialogsChangeNothing) {
    modals.fileAnswers.push_back(std::nullopt);
    window().action(MainWindow::Action::Open)->trigger();
    open(archive, cancelDialog());
    EXPECT_FALSE(state().levelOpen);
    EXPECT_FALSE(window().action(MainWindow::Action::Save)->isEnabled());
    EXPECT_TRUE(modals.messages.isEmpty());
    EXPECT_EQ(modals.fileRequests.size(), 2u);
}

TEST_F(MainWindowTest, OpenShowsTheStartRoomAndEnablesEverything) {
    open(archive, pickRow(3));
    ASSERT_TRUE(state().levelOpen);
    EXPECT_TRUE(modals.messages.isEmpty()) << modals.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(state().room, 5);
    EXPECT_EQ(state().row, 0);
    EXPECT_EQ(state().column, 0);
    EXPECT_EQ(state().level.size(), kFullLevelSize);
    EXPECT_EQ(state().level.byte(0), 0x01);
    // All but those whose time has not come: nothing to undo or redo, and no zooming out from 1x.
    // Paste reads the system clipboard, which another editor may have filled.
    const std::set<MainWindow::Action> waiting = {
        MainWindow::Action::Undo, MainWindow::Action::Redo, MainWindow::Action::ZoomOut};
    for (int i = 0; i < MainWindow::kActionCount; ++i)
        EXPECT_EQ(window().action(static_cast<MainWindow::Action>(i))->isEnabled(),
                  waiting.count(static_cast<MainWindow::Action>(i)) == 0)
            << i;
    EXPECT_TRUE(window().findChild<QComboBox *>(QStringLiteral("ComboBox1"))->isEnabled());
    // Level type 3: the cave's background list is loaded.
    EXPECT_FALSE(state().background.isEmpty());
    EXPECT_EQ(window().saveDialog().selectedFiles().value(0), archive);
}

TEST_F(MainWindowTest, PickerRowsAndGameplayChooseTheId) {
    open(archive, pickRow(-1)); // nothing selected asks for 1999
    ASSERT_TRUE(state().levelOpen);
    EXPECT_EQ(state().level.byte(0), 0x11);
    open(archive, pickRow(1, true)); // 2020 + 1
    EXPECT_EQ(state().level.byte(0), 0x03);
    EXPECT_EQ(state().room, 7);
}

TEST_F(MainWindowTest, FailedLookupKeepsTheOpenLevelAndTheProposedPath) {
    open(archive, pickRow(3));
    state().room = 9;
    state().row = 2;
    state().column = 4;
    const Bytes before = state().level.bytes();

    ArchiveBuilder other;
    other.addLevel(2000, levelWith(1, 1, 0x22));
    const QString otherPath = QString::fromStdString(folder.file("other.dat"));
    ASSERT_TRUE(WriteFile(otherPath.toStdString(), other.build()));
    open(otherPath, pickRow(5)); // 2005 is not there

    ArchiveBuilder noLevels;
    noLevels.addType(0x53444E53);
    const QString noIndexPath = QString::fromStdString(folder.file("noindex.dat"));
    ASSERT_TRUE(WriteFile(noIndexPath.toStdString(), noLevels.build()));
    open(noIndexPath, pickRow(0));

    EXPECT_EQ(modals.messages, QStringList({text("nolevel"), text("noindex")}));
    EXPECT_EQ(state().level.bytes(), before);
    EXPECT_EQ(state().room, 9);
    EXPECT_EQ(state().row, 2);
    EXPECT_EQ(state().column, 4);
    EXPECT_EQ(window().saveDialog().selectedFiles().value(0), archive);
}

TEST_F(MainWindowTest, BadChecksumAndShortLevelsOpenAfterAWarning) {
    ArchiveBuilder builder;
    builder.addLevel(2000, levelWith(3, 1, 0x14), Checksum::Bad);
    builder.addLevel(2001, PatternBytes(500, 7));
    const QString path = QString::fromStdString(folder.file("odd.dat"));
    ASSERT_TRUE(WriteFile(path.toStdString(), builder.build()));

    open(path, pickRow(0));
    EXPECT_TRUE(state().levelOpen);
    EXPECT_EQ(state().room, 3);
    open(path, pickRow(1));
    EXPECT_EQ(state().level.size(), 500u);
    ASSERT_EQ(modals.messages.size(), 2);
    EXPECT_EQ(modals.messages[0], text("checksum"));
    EXPECT_TRUE(modals.messages[1].contains(QLatin1String("500")))
        << modals.messages[1].toStdString();
    EXPECT_TRUE(modals.messages[1].contains(QLatin1String("11066")));
}

TEST_F(MainWindowTest, DamagedOrMissingArchivesAreReportedAndChangeNothing) {
    ArchiveBuilder builder;
    builder.addLevel(2000, levelWith(3, 1, 0x14));
    Bytes image = builder.build();
    image.resize(image.size() - 20); // the index runs past the end
    const QString damaged = QString::fromStdString(folder.file("damaged.dat"));
    ASSERT_TRUE(WriteFile(damaged.toStdString(), image));
    const QString missing = QString::fromStdString(folder.file("missing.dat"));

    open(damaged, pickRow(0));
    open(missing, pickRow(0));
    EXPECT_FALSE(state().levelOpen);
    ASSERT_EQ(modals.messages.size(), 2);
    EXPECT_EQ(modals.messages[0], text("damaged"));
    EXPECT_TRUE(modals.messages[1].contains(missing)) << modals.messages[1].toStdString();
}

TEST_F(MainWindowTest, SaveIntoAnotherSlotChangesOnlyThatSlot) {
    open(archive, pickRow(0));
    state().level.setByte(TileKindAt(4, 1, 1), 0x2C);
    const Bytes before = *ReadFile(archive.toStdString());

    save(archive, pickRow(3));
    EXPECT_TRUE(modals.messages.isEmpty()) << modals.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(window().statusBar()->currentMessage(),
              FormatMessage(text("saved"), 2003, QStringLiteral("qasvar.dat")));
    const Bytes after = *ReadFile(archive.toStdString());
    ASSERT_EQ(after.size(), before.size());

    const LocateResult slot = LocateLevelResource(after, 2003);
    ASSERT_EQ(slot.status, ArchiveStatus::Found);
    const std::size_t first = slot.entry.dataOffset;
    const std::size_t last = first + slot.entry.dataSize; // checksum byte + level bytes
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i < first || i > last) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i << " outside the slot changed";
        }
    }
    LevelStore written;
    EXPECT_EQ(ReadLevelResource(after, slot.entry, written), ReadStatus::ChecksumGood);
    EXPECT_EQ(written.bytes(), state().level.bytes());
}

TEST_F(MainWindowTest, SaveUnchangedIntoItsOwnSlotKeepsTheFile) {
    open(archive, pickRow(0));
    const Bytes before = *ReadFile(archive.toStdString());
    save(archive, pickRow(0));
    EXPECT_EQ(*ReadFile(archive.toStdString()), before);
}

TEST_F(MainWindowTest, SaveThatCannotFindItsSlotOrIsCancelledWritesNothing) {
    open(archive, pickRow(0));
    state().level.setByte(0, 0x2B);
    const Bytes before = *ReadFile(archive.toStdString());

    modals.fileAnswers.push_back(std::nullopt);
    window().action(MainWindow::Action::Save)->trigger();
    save(archive, cancelDialog());
    save(archive, pickRow(7)); // 2007 is not in the archive

    EXPECT_EQ(modals.messages, QStringList({text("nolevel")}));
    EXPECT_EQ(*ReadFile(archive.toStdString()), before);
    EXPECT_EQ(state().level.byte(0), 0x2B);
}

TEST_F(MainWindowTest, CommandLineOpenProposesThatFileForSave) {
    QCoreApplication::sendPostedEvents();
    window().openArchive(archive, 2000);
    ASSERT_TRUE(state().levelOpen);
    EXPECT_EQ(state().room, 4);
    EXPECT_EQ(window().saveDialog().selectedFiles().value(0), archive);
    modals.dialogScripts.push_back(pickRow(0));
    modals.fileAnswers.push_back(archive);
    window().action(MainWindow::Action::Save)->trigger();
    ASSERT_EQ(modals.fileRequests.size(), 1u);
    EXPECT_EQ(modals.fileRequests[0].proposed, archive);
    // Qt's retranslation, done by now, does not take the button's caption from the language file.
    const IniFile language =
        IniFile::load(programDir() + QStringLiteral("texts/") + state().languageName);
    EXPECT_EQ(modals.fileRequests[0].acceptLabel,
              language.value(QStringLiteral("main"), QStringLiteral("savebutton")));
    EXPECT_FALSE(modals.fileRequests[0].acceptLabel.isEmpty());
}

// Whatever route opened a level, the picker stands on it, so that Save proposes the same slot,
// and Save proposes the archive by its absolute path.
TEST_F(MainWindowTest, OpenLeavesThePickerOnTheOpenedLevel) {
    const QString relative = QDir::current().relativeFilePath(archive);
    struct Case {
        const char *name;
        std::uint16_t id;
        bool commandLine;
    };
    const Case cases[] = {
        {"command line, first set", 2003, true},
        {"command line, GAMEPLAY set", 2021, true},
        {"command line, nothing selected", 1999, true},
        {"picker", 2000, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.commandLine)
            window().openArchive(relative, c.id);
        else
            open(archive, pickRow(c.id - 2000));
        ASSERT_TRUE(state().levelOpen);
        EXPECT_EQ(window().saveDialog().selectedFiles().value(0), archive);
        // Save and OK in the picker, touching nothing.
        modals.dialogScripts.push_back([](QDialog &) { return true; });
        EXPECT_EQ(program->levelPicker().PickLevel(modals), c.id);
    }
}

// Save confirmed with the picker untouched writes into the slot of the level shown, whatever
// happened to the picker meanwhile; a row the user picks wins.
TEST_F(MainWindowTest, SaveProposesTheLevelShown) {
    ArchiveBuilder builder;
    builder.addLevel(2003, levelWith(5, 3, 0x01));
    builder.addLevel(3000, levelWith(6, 2, 0x14));
    const QString wide = QString::fromStdString(folder.file("wide.dat"));
    ASSERT_TRUE(WriteFile(wide.toStdString(), builder.build()));
    const auto untouched = [](QDialog &) { return true; };
    struct Case {
        const char *name;
        std::uint16_t opened;
        std::function<void()> meanwhile;
        ScriptedModals::DialogScript picker;
        std::uint16_t saved;
    };
    const Case cases[] = {
        {"after a language switch", 2003,
         [&] {
             save(wide, untouched);
             chooseLanguage("english.ini");
         },
         untouched, 2003},
        {"after an Open that found no level", 2003, [&] { open(wide, pickRow(5)); }, untouched,
         2003},
        {"a level no row stands for", 3000, [&] { chooseLanguage("english.ini"); }, untouched,
         3000},
        {"the user's row wins", 3000, [] {}, pickRow(3), 2003},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        window().openArchive(wide, c.opened);
        c.meanwhile();
        save(wide, c.picker);
        EXPECT_EQ(window().statusBar()->currentMessage(),
                  FormatMessage(text("saved"), c.saved, QStringLiteral("wide.dat")));
    }
}

// The status line says when another program changed the open archive; the editor's own saves
// are no news.
TEST_F(MainWindowTest, StatusLineTellsOfChangesOnDisk) {
    window().openArchive(archive, 2003);
    const QString changed = FormatMessage(text("changedondisk"), QStringLiteral("qasvar.dat"));
    const auto ownSave = [&] { save(archive, [](QDialog &) { return true; }); };
    const struct {
        const char *name;
        std::function<void()> act;
        bool told;
    } cases[] = {
        {"the editor saves", ownSave, false},
        {"another program saves another slot",
         [&] {
             ASSERT_EQ(
                 SaveLevelToArchive(archive.toStdString(), 2000, LevelStore(levelWith(9, 1, 0x22)))
                     .outcome,
                 ArchiveOutcome::Done);
         },
         true},
        {"another program writes in place",
         [&] {
             QFile file(archive);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             const QByteArray first = file.read(1);
             file.seek(0);
             file.write(first);
         },
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        window().refreshRoom();
        c.act();
        if (c.told) {
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return window().statusBar()->currentMessage() == changed; }, 5000));
        } else {
            QTest::qWait(200);
            EXPECT_NE(window().statusBar()->currentMessage(), changed);
        }
    }
}

// A command run while a field still holds a typed value first stores it, or refuses it, exactly
// as leaving the field would: what the field shows is what is saved.
TEST_F(MainWindowTest, SaveStoresTheFocusedFieldsPendingEditFirst) {
    struct Case {
        const char *name;
        const char *field;
        const char *typed;
        int attribute; // the attribute byte the field edits
        int saved;     // its value in the saved level
        bool refused;
    };
    const Case cases[] = {
        {"toolbar field", "Edit1", "99", 0, 99, false},
        {"toolbar field, value out of range", "Edit2", "300", 1, 0, true},
        {"panel field", "PanelField0", "77", 2, 77, false},
        {"panel field, value out of range", "PanelField1", "256", 3, 0, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        // A fresh program each time: a refused panel value stays in its field.
        program = std::make_unique<Program>(modals, programDir());
        program->LoadStartupSettings();
        open(archive, pickRow(3)); // room 5, row 0, column 0 selected, attributes all 0
        window().show();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        auto *field = window().findChild<QLineEdit *>(QString::fromLatin1(c.field));
        ASSERT_TRUE(field);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(c.typed));
        modals.messages.clear();

        save(archive, pickRow(3));
        EXPECT_EQ(modals.messages, c.refused ? QStringList({FormatMessage(text("between"), 0, 255)})
                                             : QStringList());
        const Bytes saved = *ReadFile(archive.toStdString());
        const LocateResult slot = LocateLevelResource(saved, 2003);
        ASSERT_EQ(slot.status, ArchiveStatus::Found);
        LevelStore level;
        ReadLevelResource(saved, slot.entry, level);
        EXPECT_EQ(level.byte(TileAttributeAt(5, 0, 0, c.attribute)), c.saved);
    }
}

TEST_F(MainWindowTest, StartRoomOutsideTheLevelShowsRoomOne) {
    ArchiveBuilder builder;
    builder.addLevel(2000, levelWith(0, 1, 0x14));
    builder.addLevel(2001, levelWith(40, 1, 0x14));
    const QString path = QString::fromStdString(folder.file("rooms.dat"));
    ASSERT_TRUE(WriteFile(path.toStdString(), builder.build()));
    open(path, pickRow(0));
    EXPECT_EQ(state().room, 1);
    open(path, pickRow(1));
    EXPECT_EQ(state().room, 1);
}

} // namespace
} // namespace qv2

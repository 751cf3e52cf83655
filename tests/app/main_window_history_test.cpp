// Undo and redo through the main window's commands, and the question before changes are lost.
#include "level/level_layout.h"
#include "main_window_fixture.h"
#include "support/find_control.h"
#include "view/paint_box.h"
#include "view/room_copy.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <random>

namespace qv2 {
namespace {

struct HistoryTest : MainWindowTest {
    PaintBox &view() { return Control<PaintBox>(window(), QStringLiteral("PaintBox1")); }
    void trigger(MainWindow::Action which) { window().action(which)->trigger(); }
    // The middle of a tile on the screen, inside the focus frame.
    static QPoint tileCentre(int row, int column, int zoom = 1) {
        return QPoint(2 + (144 + 32 * column + 16) * zoom, 2 + (64 + 64 * row + 32) * zoom);
    }
    void type(QLineEdit &field, const QString &text) {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, text);
        QTest::keyClick(&field, Qt::Key_Return);
    }
    // A dialog script that types into numbered fields Edit1.. and confirms.
    static ScriptedModals::DialogScript fill(const QStringList &texts) {
        return [texts](QDialog &dialog) {
            for (int i = 0; i < texts.size(); ++i)
                Control<QLineEdit>(dialog, QStringLiteral("Edit%1").arg(i + 1)).setText(texts[i]);
            return true;
        };
    }
};

// A seeded user edits the sample level through every kind of command, undoing and redoing now
// and then. A model of the history (the level after each step) says what every undo and redo
// must give back; a command that changed no byte must add no step.
TEST_F(HistoryTest, RandomEditsUndoToTheOpenedLevelAndRedoToTheEdited) {
    open(programDir() + QStringLiteral("qasvar.dat"), pickRow(0));
    ASSERT_TRUE(state().levelOpen);
    showActive();
    const QUndoStack &steps = window().history().stack();
    std::vector<Bytes> model{state().level.bytes()};
    std::size_t index = 0;
    std::mt19937 random(2024);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto number = [&](int n) { return QString::number(below(n)); };

    const std::vector<std::function<void()>> edits = {
        [&] { QTest::mouseClick(&view(), Qt::LeftButton, {}, tileCentre(below(3), below(10))); },
        [&] {
            const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right,  Qt::Key_Up,
                                    Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
            view().setFocus();
            QTest::keyClick(&view(), keys[below(6)]);
        },
        [&] {
            view().setFocus();
            QTest::keyClicks(&view(),
                             QStringLiteral("%1").arg(below(0x2D), 2, 16, QLatin1Char('0')));
        },
        [&] {
            emit Control<QComboBox>(window(), QStringLiteral("ComboBox1")).activated(below(0x2D));
        },
        [&] {
            type(Control<QLineEdit>(window(), QStringLiteral("Edit%1").arg(1 + below(4))),
                 number(260));
        },
        [&] {
            if (auto *field = window().findChild<QLineEdit *>(QStringLiteral("PanelField0")))
                type(*field, number(4));
            else if (auto *list = window().findChild<QComboBox *>(QStringLiteral("PanelList0")))
                emit list->activated(below(list->count()));
        },
        [&] {
            modals.yesNoAnswers.push_back(below(2) == 0);
            view().setFocus();
            QTest::keyClick(&view(), Qt::Key_Delete);
        },
        [&] { trigger(MainWindow::Action::CopyRoom); },
        [&] { trigger(MainWindow::Action::PasteRoom); },
        [&] {
            modals.dialogScripts.push_back(fill({number(34), number(31)}));
            trigger(MainWindow::Action::EditStartPosition);
        },
        [&] {
            modals.dialogScripts.push_back(fill({number(33), number(33), number(33), number(33)}));
            trigger(MainWindow::Action::EditNeighbours);
        },
    };
    for (int step = 0; step < 300; ++step) {
        const int choice = below(static_cast<int>(edits.size()) + 3);
        if (choice >= static_cast<int>(edits.size())) {
            // Undo twice as often as redo.
            const bool undo = choice < static_cast<int>(edits.size()) + 2;
            if (undo ? index == 0 : index + 1 == model.size())
                continue;
            trigger(undo ? MainWindow::Action::Undo : MainWindow::Action::Redo);
            index += undo ? -1 : 1;
        } else {
            edits[choice]();
            if (state().level.bytes() != model[index]) {
                model.resize(++index);
                model.push_back(state().level.bytes());
            }
        }
        ASSERT_EQ(state().level.bytes(), model[index]) << "step " << step;
        ASSERT_EQ(steps.index(), static_cast<int>(index)) << "step " << step;
        ASSERT_EQ(steps.count(), static_cast<int>(model.size() - 1)) << "step " << step;
    }
    ASSERT_GT(model.size(), 50u) << "the user changed the level often enough";

    while (steps.canUndo())
        trigger(MainWindow::Action::Undo);
    EXPECT_TRUE(state().level.bytes() == model.front()) << "undone to the opened level";
    EXPECT_FALSE(window().action(MainWindow::Action::Undo)->isEnabled());
    while (steps.canRedo())
        trigger(MainWindow::Action::Redo);
    EXPECT_TRUE(state().level.bytes() == model.back()) << "redone to the edited level";
}

TEST_F(HistoryTest, ClosingExitAndOpenAskBeforeChangesAreLost) {
    enum Way { CloseButton, Exit, Open };
    enum class Saving { None, Saved, Cancelled, Fails };
    struct Case {
        const char *name;
        const char
            *change; // "kind" and "undone" through the toolbar; anything else typed into Edit1
        Way way;
        std::optional<UnsavedAnswer> answer; // none: no question
        Saving saving;
        bool goesOn; // the window closes, or the other level opens
    };
    const Case cases[] = {
        {"unchanged level", "", CloseButton, {}, Saving::None, true},
        {"change undone", "undone", Exit, {}, Saving::None, true},
        {"refused typed value", "999", CloseButton, {}, Saving::None, true},
        {"close, cancel", "kind", CloseButton, UnsavedAnswer::Cancel, Saving::None, false},
        {"close, discard", "kind", CloseButton, UnsavedAnswer::Discard, Saving::None, true},
        {"close, save", "kind", CloseButton, UnsavedAnswer::Save, Saving::Saved, true},
        {"close, save cancelled", "kind", CloseButton, UnsavedAnswer::Save, Saving::Cancelled,
         false},
        {"close, save fails", "kind", CloseButton, UnsavedAnswer::Save, Saving::Fails, false},
        {"exit with a typed value, discard", "12", Exit, UnsavedAnswer::Discard, Saving::None,
         true},
        {"exit, save", "kind", Exit, UnsavedAnswer::Save, Saving::Saved, true},
        {"open, cancel", "kind", Open, UnsavedAnswer::Cancel, Saving::None, false},
        {"open, discard", "kind", Open, UnsavedAnswer::Discard, Saving::None, true},
        {"open, save", "12", Open, UnsavedAnswer::Save, Saving::Saved, true},
        {"open, save fails", "kind", Open, UnsavedAnswer::Save, Saving::Fails, false},
    };
    const QString withoutLevel = QString::fromStdString(folder.file("other.dat"));
    ArchiveBuilder other;
    other.addLevel(2000, levelWith(1, 1, 0));
    ASSERT_TRUE(WriteFile(withoutLevel.toStdString(), other.build()));
    const Bytes original = *ReadFile(archive.toStdString());

    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFile(archive.toStdString(), original));
        program = std::make_unique<Program>(modals, programDir());
        program->LoadStartupSettings();
        open(archive, pickRow(3));
        showActive();
        const QString change = QString::fromLatin1(c.change);
        if (change == QLatin1String("kind") || change == QLatin1String("undone"))
            emit Control<QComboBox>(window(), QStringLiteral("ComboBox1")).activated(0x14);
        if (change == QLatin1String("undone"))
            trigger(MainWindow::Action::Undo);
        if (!change.isEmpty() && change.front().isDigit()) {
            auto &field = Control<QLineEdit>(window(), QStringLiteral("Edit1"));
            field.setFocus();
            QTest::keyClicks(&field, change);
        }
        modals.messages.clear();
        modals.questions.clear();

        if (c.answer)
            modals.unsavedAnswers.push_back(*c.answer);
        if (c.saving == Saving::Saved || c.saving == Saving::Fails) {
            modals.fileAnswers.push_back(c.saving == Saving::Saved ? archive : withoutLevel);
            modals.dialogScripts.push_back(pickRow(3));
        } else if (c.saving == Saving::Cancelled) {
            modals.fileAnswers.push_back(std::nullopt);
        }
        if (c.way == Open && c.goesOn) {
            modals.fileAnswers.push_back(archive);
            modals.dialogScripts.push_back(pickRow(0));
        }
        if (c.way == CloseButton)
            window().close();
        else
            trigger(c.way == Exit ? MainWindow::Action::Exit : MainWindow::Action::Open);

        EXPECT_EQ(modals.questions.size(), c.answer ? 1u : 0u);
        const bool wentOn =
            c.way == Open ? state().level.byte(kStartRoomOffset) == 4 : !window().isVisible();
        EXPECT_EQ(wentOn, c.goesOn);
        const Bytes saved = *ReadFile(archive.toStdString());
        EXPECT_EQ(saved != original, c.saving == Saving::Saved);
        const QStringList expectedMessages =
            change == QLatin1String("999") ? QStringList{FormatMessage(text("between"), 0, 255)}
            : c.saving == Saving::Fails    ? QStringList{text("nolevel")}
                                           : QStringList();
        EXPECT_EQ(modals.messages, expectedMessages);
        if (!c.goesOn) {
            EXPECT_TRUE(window().isWindowModified()) << "the changes are still there, unsaved";
        }
    }
}

TEST_F(HistoryTest, TheMenuNamesEachStepAndTheTitleMarksChanges) {
    chooseLanguage("english.ini");
    open(archive, pickRow(3));
    showActive();
    EXPECT_EQ(window().windowTitle(),
              QString::fromUtf8("qasvar.dat \u2013 2003[*] \u2013 Qasvar 2 level editor"));
    const struct {
        const char *name;
        std::function<void()> edit;
        const char *undo;
    } cases[] = {
        {"tile kind",
         [&] { emit Control<QComboBox>(window(), QStringLiteral("ComboBox1")).activated(0x14); },
         "Undo Tile kind"},
        {"attribute field",
         [&] { type(Control<QLineEdit>(window(), QStringLiteral("Edit3")), QStringLiteral("7")); },
         "Undo Attribute byte"},
        {"room deletion from the room view",
         [&] {
             state().room = 1; // the level's one tile that is not empty
             modals.yesNoAnswers.push_back(true);
             view().setFocus();
             QTest::keyClick(&view(), Qt::Key_Delete);
         },
         "Undo Delete room"},
        {"start position dialog",
         [&] {
             modals.dialogScripts.push_back(fill({QStringLiteral("9")}));
             trigger(MainWindow::Action::EditStartPosition);
         },
         "Undo Start position"},
    };
    QAction &undo = *window().action(MainWindow::Action::Undo);
    QAction &redo = *window().action(MainWindow::Action::Redo);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(undo.isEnabled());
        // As the menu shows them, the mnemonics' '&' aside.
        EXPECT_EQ(undo.iconText(), QStringLiteral("Undo"));
        c.edit();
        EXPECT_TRUE(window().isWindowModified());
        EXPECT_EQ(undo.iconText(), QString::fromLatin1(c.undo));
        undo.trigger();
        EXPECT_FALSE(window().isWindowModified()) << "back at the opened level";
        EXPECT_EQ(redo.iconText(), QString::fromLatin1(c.undo).replace(QStringLiteral("Undo"),
                                                                       QStringLiteral("Redo")));
    }
    EXPECT_EQ(undo.shortcuts(), QList<QKeySequence>{QKeySequence::Undo});
    EXPECT_EQ(redo.shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                                     QKeySequence(QStringLiteral("Ctrl+Y"))}));
}

// Right after Return in a number field the focus is still there: the keys of undo and redo reach
// the level's history, not the field's text.
TEST_F(HistoryTest, UndoAndRedoKeysWorkWhileANumberFieldHasTheFocus) {
    open(archive, pickRow(3));
    showActive();
    const struct {
        const char *field;
        int attribute; // the byte it edits
        QKeyCombination redo;
    } cases[] = {
        {"Edit2", 1, Qt::CTRL | Qt::Key_Y},
        {"Edit2", 1, Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
        {"PanelField0", 2, Qt::CTRL | Qt::Key_Y},
        {"PanelField1", 3, Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field);
        auto &field = Control<QLineEdit>(window(), QString::fromLatin1(c.field));
        const std::size_t byte = TileAttributeAt(5, 0, 0, c.attribute);
        const int before = state().level.byte(byte);
        type(field, QString::number(before + 40));
        ASSERT_TRUE(field.hasFocus());
        QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(state().level.byte(byte), before);
        QTest::keyClick(&field, c.redo.key(), c.redo.keyboardModifiers());
        EXPECT_EQ(state().level.byte(byte), before + 40);
        EXPECT_EQ(field.text(), QString::number(before + 40));
    }
}

TEST_F(HistoryTest, DeleteEmptiesTheRoomOnlyFromTheRoomView) {
    open(archive, pickRow(3));
    showActive();
    auto &field = Control<QLineEdit>(window(), QStringLiteral("Edit1"));
    field.setFocus();
    field.setCursorPosition(0);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_TRUE(modals.questions.empty()) << "Delete deletes a character in a field";
    EXPECT_TRUE(field.text().isEmpty());
    modals.yesNoAnswers.push_back(false);
    QTest::mouseClick(&view(), Qt::LeftButton, {}, tileCentre(1, 1));
    EXPECT_TRUE(view().hasFocus()) << "a click gives the room view the focus";
    QTest::keyClick(&view(), Qt::Key_Delete);
    EXPECT_EQ(modals.questions.size(), 1u);
}

TEST_F(HistoryTest, ZoomedClicksSelectTheSameTilesAndTheZoomIsKept) {
    open(archive, pickRow(3));
    showActive();
    const struct {
        MainWindow::Action action;
        int zoom;
        int row, column;
    } cases[] = {
        {MainWindow::Action::ZoomIn, 2, 2, 9},  {MainWindow::Action::ZoomIn, 3, 1, 4},
        {MainWindow::Action::ZoomIn, 3, 0, 0}, // no further than 3x
        {MainWindow::Action::ZoomOut, 2, 2, 0}, {MainWindow::Action::ActualSize, 1, 0, 9},
        {MainWindow::Action::ZoomOut, 1, 1, 1}, {MainWindow::Action::ZoomIn, 2, 1, 2},
    };
    for (const auto &c : cases) {
        trigger(c.action);
        EXPECT_EQ(view().zoom(), c.zoom);
        EXPECT_EQ(window().action(MainWindow::Action::ZoomIn)->isEnabled(), c.zoom < 3);
        EXPECT_EQ(window().action(MainWindow::Action::ZoomOut)->isEnabled(), c.zoom > 1);
        QTest::mouseClick(&view(), Qt::LeftButton, {}, tileCentre(c.row, c.column, c.zoom));
        EXPECT_EQ(state().tilePlace(), c.row * 10 + c.column) << "zoom " << c.zoom;
    }
    program = std::make_unique<Program>(modals, programDir());
    EXPECT_EQ(view().zoom(), 2) << "the next start keeps the zoom";
}

// Zooming scrolls the room view so that the selected tile stays whole in sight.
TEST_F(HistoryTest, ZoomKeepsTheSelectedTileInView) {
    open(archive, pickRow(3));
    showActive();
    window().resize(1200, 900); // room for a whole tile at 3x beside the docks
    auto &scroll = Control<QScrollArea>(window(), QStringLiteral("ScrollBox1"));
    const struct {
        const char *name;
        int row, column;
        MainWindow::Action action;
    } cases[] = {
        {"in, far corner", 2, 9, MainWindow::Action::ZoomIn},
        {"in again", 2, 9, MainWindow::Action::ZoomIn},
        {"out, back to the first tile", 0, 0, MainWindow::Action::ZoomOut},
        {"actual size", 2, 0, MainWindow::Action::ActualSize},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        // Selected without scrolling, as a click on a half-shown tile leaves it.
        state().row = c.row;
        state().column = c.column;
        trigger(c.action);
        const int zoom = view().zoom();
        const QRect tile(view().mapTo(scroll.viewport(), QPoint(2 + (144 + 32 * c.column) * zoom,
                                                                2 + (64 + 64 * c.row) * zoom)),
                         QSize(32, 64) * zoom);
        EXPECT_TRUE(scroll.viewport()->rect().contains(tile));
    }
}

TEST_F(HistoryTest, PasteCarriesARoomIntoTheNextLevelAsOneStep) {
    open(programDir() + QStringLiteral("qasvar.dat"), pickRow(0));
    const int copiedRoom = state().room;
    const RoomCopy copy = CopyRoom(state().level, copiedRoom);
    // Text that is no copy is refused and leaves no step.
    QGuiApplication::clipboard()->setText(QStringLiteral("01 02 03"));
    trigger(MainWindow::Action::PasteRoom);
    EXPECT_EQ(modals.messages, QStringList{text("notcopy")});
    EXPECT_EQ(window().history().stack().count(), 0);
    trigger(MainWindow::Action::CopyRoom);
    open(archive, pickRow(3)); // room 5 of an empty level
    const Bytes opened = state().level.bytes();
    trigger(MainWindow::Action::PasteRoom);
    EXPECT_EQ(CopyRoom(state().level, 5).bytes, copy.bytes);
    EXPECT_EQ(window().history().stack().count(), 1);
    trigger(MainWindow::Action::Undo);
    EXPECT_TRUE(state().level.bytes() == opened);
}

} // namespace
} // namespace qv2

// Undo and redo through the main window's commands, and the question before changes are lost.
#include "level/level_layout.h"
#include "main_window_fixture.h"
#include "support/find_control.h"
#include "view/paint_box.h"

#include <QComboBox>
#include <QLineEdit>
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
    static QPoint tileCentre(int row, int column, int zoom = 1)
    {
        return QPoint(2 + (144 + 32 * column + 16) * zoom, 2 + (64 + 64 * row + 32) * zoom);
    }
    void type(QLineEdit &field, const QString &text)
    {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, text);
        QTest::keyClick(&field, Qt::Key_Return);
    }
    // A dialog script that types into numbered fields Edit1.. and confirms.
    static ScriptedModals::DialogScript fill(const QStringList &texts)
    {
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
TEST_F(HistoryTest, RandomEditsUndoToTheOpenedLevelAndRedoToTheEdited)
{
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
            const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
            view().setFocus();
            QTest::keyClick(&view(), keys[below(6)]);
        },
        [&] {
            view().setFocus();
            QTest::keyClicks(&view(), QStringLiteral("%1").arg(below(0x2D), 2, 16, QLatin1Char('0')));
        },
        [&] { emit Control<QComboBox>(window(), QStringLiteral("ComboBox1")).activated(below(0x2D)); },
        [&] { type(Control<QLineEdit>(window(), QStringLiteral("Edit%1").arg(1 + below(4))), number(260)); },
        [&] {
            if (auto *field = window().findChild<QLineEdit *>(QStringLiteral("dinEdit0")))
                type(*field, number(4));
            else if (auto *list = window().findChild<QComboBox *>(QStringLiteral("dinCombo0")))
                emit list->activated(below(list->count()));
        },
        [&] {
            modals.yesNoAnswers.push_back(below(2) == 0);
            view().setFocus();
            QTest::keyClick(&view(), Qt::Key_Delete);
        },
        [&] { trigger(MainWindow::ActionPalyaMasolasa1); },
        [&] { trigger(MainWindow::ActionPalyaBeillesztese1); },
        [&] {
            modals.dialogScripts.push_back(fill({number(34), number(31)}));
            trigger(MainWindow::ActionKezdohely1);
        },
        [&] {
            modals.dialogScripts.push_back(fill({number(33), number(33), number(33), number(33)}));
            trigger(MainWindow::ActionPalyak1);
        },
    };
    for (int step = 0; step < 300; ++step) {
        const int choice = below(static_cast<int>(edits.size()) + 3);
        if (choice >= static_cast<int>(edits.size())) {
            // Undo twice as often as redo.
            const bool undo = choice < static_cast<int>(edits.size()) + 2;
            if (undo ? index == 0 : index + 1 == model.size())
                continue;
            trigger(undo ? MainWindow::ActionVisszavonas1 : MainWindow::ActionUjra1);
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
        trigger(MainWindow::ActionVisszavonas1);
    EXPECT_TRUE(state().level.bytes() == model.front()) << "undone to the opened level";
    EXPECT_FALSE(window().action(MainWindow::ActionVisszavonas1)->isEnabled());
    while (steps.canRedo())
        trigger(MainWindow::ActionUjra1);
    EXPECT_TRUE(state().level.bytes() == model.back()) << "redone to the edited level";
}

} // namespace
} // namespace qv2

// The undo history records what a change did to the level bytes and where it was made.
#include "ui/edit_history.h"

#include "ui/editor_state.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace qv2 {
namespace {

struct Fixture {
    EditorState state;
    int refreshes = 0;
    EditHistory history{state, [this] { ++refreshes; }};
    Fixture() {
        state.level = LevelStore(Bytes(100, 0));
        state.levelOpen = true;
    }
    void show(int room, int row, int column) {
        state.room = room;
        state.row = row;
        state.column = column;
    }
};

TEST(EditHistory, RecordsOnlyChangesAsOneStepEach) {
    const struct {
        const char *name;
        std::function<void(Fixture &)> change;
        int steps;
    } cases[] = {
        {"no byte changed", [](Fixture &f) { f.show(3, 1, 1); }, 0},
        {"a byte written with its own value", [](Fixture &f) { f.state.level.setByte(5, 0); }, 0},
        {"two far apart bytes",
         [](Fixture &f) {
             f.state.level.setByte(1, 7);
             f.state.level.setByte(90, 8);
         },
         1},
        {"a change inside a change",
         [](Fixture &f) {
             f.state.level.setByte(1, 7);
             f.history.record(QStringLiteral("inner"), [&] { f.state.level.setByte(2, 7); });
         },
         1},
    };
    for (const auto &c : cases) {
        Fixture f;
        f.history.record(QStringLiteral("outer"), [&] { c.change(f); });
        EXPECT_EQ(f.history.stack().count(), c.steps) << c.name;
        EXPECT_EQ(f.history.isModified(), c.steps > 0) << c.name;
        EXPECT_EQ(f.history.stack().undoText(), c.steps > 0 ? QStringLiteral("outer") : QString())
            << c.name;
    }
}

TEST(EditHistory, UndoAndRedoRestoreBytesAndShowWhereTheChangeWas) {
    Fixture f;
    f.show(4, 2, 9);
    f.history.record(QStringLiteral("set"), [&] {
        f.state.level.setByte(10, 1);
        f.show(5, 0, 1); // a command may move the selection too
    });
    f.history.markSaved();
    f.show(6, 1, 1);
    f.state.attributeEditPending = true;

    f.history.undo();
    EXPECT_EQ(f.state.level.byte(10), 0);
    EXPECT_EQ(f.state.room * 100 + f.state.row * 10 + f.state.column, 429);
    EXPECT_TRUE(f.history.isModified()) << "before the save";
    EXPECT_FALSE(f.state.attributeEditPending) << "the refreshed fields show the stored bytes";

    f.history.redo();
    EXPECT_EQ(f.state.level.byte(10), 1);
    EXPECT_EQ(f.state.room * 100 + f.state.row * 10 + f.state.column, 501);
    EXPECT_FALSE(f.history.isModified()) << "back at the saved bytes";
    EXPECT_EQ(f.refreshes, 2);

    f.history.redo(); // nothing left to redo
    EXPECT_EQ(f.refreshes, 2);
}

TEST(EditHistory, AChangeEndingInAnErrorStaysUndoable) {
    Fixture f;
    EXPECT_THROW(f.history.record(QStringLiteral("failing"),
                                  [&] {
                                      f.state.level.setByte(3, 9);
                                      throw std::runtime_error("a picture is missing");
                                  }),
                 std::runtime_error);
    ASSERT_EQ(f.history.stack().count(), 1);
    f.history.undo();
    EXPECT_EQ(f.state.level.byte(3), 0);
    // The next change is recorded again: the failed one did not leave the history inside a step.
    f.history.record(QStringLiteral("next"), [&] { f.state.level.setByte(4, 1); });
    EXPECT_EQ(f.history.stack().undoText(), QStringLiteral("next"));
}

} // namespace
} // namespace qv2

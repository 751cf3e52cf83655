#include "view/room_commands.h"

#include "command_fixture.h"

#include <gtest/gtest.h>

using namespace qv2;
using namespace viewtest;

namespace {

struct RoomCommandsTest : CommandFixture {
    RoomCommandsTest() {
        state.room = 5;
        state.row = 2;
        state.column = 9;
        state.texts = Texts({"between=between %d and %d", "integer=not a number", "room=Room: ",
                             "jump=Go to room", "question=Question", "reallydel=Really delete?"});
    }
};

TEST_F(RoomCommandsTest, JumpAsksWithTheCurrentRoomAndKeepsTheTile) {
    modals.inputAnswers.push_back(QStringLiteral("7"));
    jumpToRoom(state, services);
    ASSERT_EQ(modals.prompts.size(), 1u);
    EXPECT_EQ(modals.prompts[0].caption, "Go to room");
    EXPECT_EQ(modals.prompts[0].prompt, "Room: ");
    EXPECT_EQ(modals.prompts[0].preset, "5");
    EXPECT_EQ(state.room, 7);
    EXPECT_EQ(state.row, 2);
    EXPECT_EQ(state.column, 9);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(RoomCommandsTest, JumpOutsideTheRoomsStays) {
    const struct {
        const char *typed;
        const char *message;
    } cases[] = {
        {"0", "Room: between 1 and 32"},
        {"33", "Room: between 1 and 32"},
        {"x", "Room: not a number"},
    };
    for (const auto &c : cases) {
        modals.messages.clear();
        refreshes = 0;
        modals.inputAnswers.push_back(QString::fromLatin1(c.typed));
        jumpToRoom(state, services);
        EXPECT_EQ(modals.messages, QStringList({c.message})) << c.typed;
        EXPECT_EQ(state.room, 5) << c.typed;
        EXPECT_EQ(refreshes, 1) << c.typed << ": the room is redrawn all the same";
    }
}

TEST_F(RoomCommandsTest, CancelledJumpDoesNothing) {
    modals.inputAnswers.push_back(std::nullopt);
    jumpToRoom(state, services);
    EXPECT_EQ(state.room, 5);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(RoomCommandsTest, DeletionZeroesExactlyTheRoomsTilesAndCounts) {
    for (const int room : {1, 5, 32}) {
        state.room = room;
        state.level = LevelStore(viewtest::FilledLevelBytes());
        Bytes expected = viewtest::FilledLevelBytes();
        for (int place = 0; place < kTilesPerRoom; ++place) {
            expected[TileKindAt(room, 0, place)] = 0;
            for (int k = 0; k < 4; ++k)
                expected[TileAttributeAt(room, 0, 0, 0) + 4 * place + k] = 0;
        }
        expected[EnemyCountAt(room)] = 0;
        expected[ComingGuardCountAt(room)] = 0;
        modals.yesNoAnswers.push_back(true);
        deleteRoom(state, services);
        EXPECT_TRUE(state.level.bytes() == expected) << "room " << room;
    }
    ASSERT_EQ(modals.questions.size(), 3u);
    EXPECT_EQ(modals.questions[0].caption, "Question");
    EXPECT_EQ(modals.questions[0].text, "Really delete?");
    EXPECT_EQ(refreshes, 3);
}

TEST_F(RoomCommandsTest, DeletionAnsweredNoChangesNothing) {
    state.level = LevelStore(viewtest::FilledLevelBytes());
    modals.yesNoAnswers.push_back(false);
    deleteRoom(state, services);
    EXPECT_TRUE(state.level.bytes() == viewtest::FilledLevelBytes());
    EXPECT_EQ(refreshes, 0);
}

TEST_F(RoomCommandsTest, NothingWithoutALevel) {
    state.levelOpen = false;
    jumpToRoom(state, services);
    deleteRoom(state, services);
    EXPECT_TRUE(modals.prompts.empty());
    EXPECT_TRUE(modals.questions.empty());
}

} // namespace

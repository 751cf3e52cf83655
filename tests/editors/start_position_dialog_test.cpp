#include "editors/start_position_dialog.h"

#include "editor_test_support.h"

using namespace qv2;
using namespace editortest;

namespace {

using StartPositionTest = DialogFixture;

TEST_F(StartPositionTest, OkStoresEachAcceptedValue) {
    struct Case {
        const char *name;
        const char *room;
        const char *tile;
        int direction; // item chosen, -1 for none
        std::uint8_t expected[3];
        QStringList messages;
    };
    // The level starts in room 5, place 7, facing 0x01.
    const Case cases[] = {
        {"unchanged: a facing other than 0xFF stays", nullptr, nullptr, -1, {5, 7, 0x01}, {}},
        {"the largest values", "32", "29", 0, {32, 29, 0x00}, {}},
        {"the smallest values; the facing shown chosen again", "1", "0", 1, {1, 0, 0x01}, {}},
        {"both refused, the facing is stored",
         "0",
         "30",
         0,
         {5, 7, 0x00},
         {"Room: between 1 and 32", "Place: between 0 and 29"}},
        {"room refused, place stored", "33", "12", -1, {5, 12, 0x01}, {"Room: between 1 and 32"}},
        {"room stored, place not a number", "$1F", "", -1, {31, 7, 0x01}, {"Place: not a number"}},
    };
    StartPositionDialog dialog;
    for (const Case &c : cases) {
        state.level = LevelStore(Expected(
            {{kStartRoomOffset, 5}, {kStartTileOffset, 7}, {kStartDirectionOffset, 0x01}}));
        modals.messages.clear();
        refreshes = 0;
        modals.dialogScripts.push_back([&](QDialog &d) {
            EXPECT_EQ(Text(d, "Edit1"), "5") << c.name;
            EXPECT_EQ(Text(d, "Edit2"), "7") << c.name;
            EXPECT_EQ(Control<QComboBox>(d, "ComboBox1").currentIndex(), 1) << c.name;
            if (c.room)
                Type(d, "Edit1", QString::fromLatin1(c.room));
            if (c.tile)
                Type(d, "Edit2", QString::fromLatin1(c.tile));
            Choose(d, "ComboBox1", c.direction);
            return true;
        });
        editStartPosition(state, services, dialog);
        EXPECT_EQ(state.level.bytes(), Expected({{kStartRoomOffset, c.expected[0]},
                                                 {kStartTileOffset, c.expected[1]},
                                                 {kStartDirectionOffset, c.expected[2]}}))
            << c.name;
        EXPECT_EQ(modals.messages, c.messages) << c.name;
        EXPECT_EQ(refreshes, 1) << c.name;
    }
}

} // namespace

#include "editors/level_type_dialog.h"

#include "editor_test_support.h"

using namespace qv2;
using namespace editortest;

namespace {

using LevelTypeTest = DialogFixture;

TEST_F(LevelTypeTest, OkStoresTheSettingsAndLeavesUnknownListBytes) {
    struct Case {
        const char *name;
        std::uint8_t type, graphics; // stored before the opening
        int typeShown, graphicsShown;
        int typeChosen, graphicsChosen; // -1: not touched
        const char *number;             // nullptr: not touched
        std::uint8_t typeAfter, numberAfter, graphicsAfter;
        QStringList messages;
    };
    // The level number is stored as 40; the cases run one after the other on the same dialog, as
    // openings do.
    const Case cases[] = {
        {"unchanged", 3, 7, 2, 3, -1, -1, nullptr, 3, 40, 7, {}},
        {"unknown bytes show nothing and stay", 9, 3, -1, -1, -1, -1, nullptr, 9, 40, 3, {}},
        {"picked items are stored", 9, 3, -1, -1, 5, 4, "255", 6, 255, 0xFF, {}},
        {"smallest number", 1, 0, 0, 0, -1, -1, "0", 1, 0, 0, {}},
        {"number too large",
         1,
         2,
         0,
         1,
         -1,
         -1,
         "256",
         1,
         40,
         2,
         {"Szint sorszáma: between 0 and 255"}},
        {"number not a number",
         6,
         5,
         5,
         2,
         -1,
         -1,
         "x",
         6,
         40,
         5,
         {"Szint sorszáma: not a number"}},
    };
    LevelTypeDialog dialog;
    for (const Case &c : cases) {
        state.level = LevelStore(Expected({{kLevelTypeOffset, c.type},
                                           {kLevelNumberOffset, 40},
                                           {kEnemyGraphicsOffset, c.graphics}}));
        modals.messages.clear();
        modals.dialogScripts.push_back([&](QDialog &d) {
            EXPECT_EQ(Control<QComboBox>(d, "ComboBox1").currentIndex(), c.typeShown) << c.name;
            EXPECT_EQ(Control<QComboBox>(d, "ComboBox2").currentIndex(), c.graphicsShown) << c.name;
            Choose(d, "ComboBox1", c.typeChosen);
            Choose(d, "ComboBox2", c.graphicsChosen);
            if (c.number)
                Type(d, "Edit1", QString::fromUtf8(c.number));
            return true;
        });
        editLevelType(state, services, dialog);
        Bytes expected = Expected({{kLevelTypeOffset, c.typeAfter},
                                   {kLevelNumberOffset, c.numberAfter},
                                   {kEnemyGraphicsOffset, c.graphicsAfter}});
        for (int i = 0; i < kLevelFlagCount; ++i) {
            // Every patterned flag word is nonzero: ticked and written back as 1.
            expected[LevelFlagAt(i)] = 1;
            expected[LevelFlagAt(i) + 1] = 0;
        }
        EXPECT_EQ(state.level.bytes(), expected) << c.name;
        EXPECT_EQ(modals.messages, c.messages) << c.name;
    }
    EXPECT_EQ(refreshes, 0);
}

} // namespace

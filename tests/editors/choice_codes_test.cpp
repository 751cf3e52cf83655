#include "editors/choice_codes.h"

#include <gtest/gtest.h>

namespace qv2 {
namespace {

TEST(ChoiceCodes, BytesAndItemsBothWays)
{
    struct Case {
        const char *name;
        ChoiceValues values;
        std::uint8_t byte;
        int otherwise;
        int index; // the item that shows the byte
    };
    const Case cases[] = {
        {"enemy graphics 7 is the fourth item", kEnemyGraphicsCodes, 7, -1, 3},
        {"enemy graphics 255 is the last item", kEnemyGraphicsCodes, 0xFF, -1, 4},
        {"enemy graphics 3 is no item", kEnemyGraphicsCodes, 3, -1, -1},
        {"level type 1 is the first item", kLevelTypeCodes, 1, -1, 0},
        {"level type 0 is no item", kLevelTypeCodes, 0, -1, -1},
        {"level type 9 is no item", kLevelTypeCodes, 9, -1, -1},
        {"revival 0xFF is the third item", kRevivalCodes, 0xFF, -1, 2},
        {"revival 7 is no item", kRevivalCodes, 7, -1, -1},
        {"kind 8 is the last item", kEnemyKindCodes, 8, -1, 8},
        {"colour variant 4 is no item", kColourVariantCodes, 4, -1, -1},
        {"start direction 0x01 faces left", kDirectionCodes, 0x01, 1, 1},
        {"enemy direction 0x05 faces right", kDirectionCodes, 0x05, 0, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ChoiceIndex(c.values, c.byte, c.otherwise), c.index) << c.name;
        if (c.index >= 0 && c.values[static_cast<std::size_t>(c.index)] == c.byte) {
            EXPECT_EQ(ChoiceCode(c.values, c.index), c.byte) << c.name << ": back";
        }
    }
}

TEST(ChoiceCodes, NoItemOrAnItemBeyondTheTableStandsForNothing)
{
    EXPECT_EQ(ChoiceCode(kEnemyGraphicsCodes, -1), std::nullopt);
    EXPECT_EQ(ChoiceCode(kEnemyGraphicsCodes, 5), std::nullopt);
    EXPECT_EQ(ChoiceCode(kDirectionCodes, 1), 0xFF);
}

} // namespace
} // namespace qv2

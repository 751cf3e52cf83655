#include "level/level_layout.h"
#include "level/level_store.h"

#include <gtest/gtest.h>

#include <limits>

namespace qv2 {
namespace {

TEST(LevelLayout, EdgeOffsets) {
    struct Case {
        const char *name;
        std::size_t offset;
        std::size_t expected;
    };
    const Case cases[] = {
        {"first tile", TileKindAt(1, 0, 0), 0},
        {"last tile", TileKindAt(32, 2, 9), 959},
        {"first attribute", TileAttributeAt(1, 0, 0, 0), 960},
        {"last attribute", TileAttributeAt(32, 2, 9, 3), 4799},
        {"first link", LinkEntryAt(0), kLinkTableOffset},
        {"last link byte", LinkEntryAt(255) + 4, 6079},
        {"link table size", kLinkTableOffset + kLinkTableSize, NeighbourAt(1, SideLeft)},
        {"room 1 left", NeighbourAt(1, SideLeft), 6080},
        {"room 1 down", NeighbourAt(1, SideDown), 6083},
        {"room 32 left", NeighbourAt(32, SideLeft), 6204},
        {"room 32 down", NeighbourAt(32, SideDown), 6207},
        {"last flag", LevelFlagAt(11) + 1, 6239},
        {"first enemy count", EnemyCountAt(1), kEnemyGraphicsOffset + 1},
        {"last enemy byte", EnemyRecordAt(32, 4) + kEnemyRecordSize - 1, 9958},
        {"enemy block size", EnemyCountAt(1) + kEnemyBlockSize, EnemyCountAt(2)},
        {"first restart", RestartPointAt(0), 9959},
        {"last restart place", RestartPointAt(8) + 1, 9976},
        {"first coming count", ComingGuardCountAt(1), 9977},
        {"room 2 count is room 1's last record byte", ComingGuardRecordAt(1, 2) + 9,
         ComingGuardCountAt(2)},
        {"last coming byte", ComingGuardRecordAt(32, 2) + kComingGuardRecordSize - 1,
         kFullLevelSize - 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.offset, c.expected) << c.name;
}

TEST(LevelStoreSafety, AccessOutsideAShortLevelIsHarmless) {
    LevelStore level(Bytes{0x11, 0x22, 0x33});
    EXPECT_EQ(level.byte(3), 0);
    EXPECT_EQ(level.byte(kStartRoomOffset), 0);
    level.setByte(3, 0x44);
    level.setByte(ComingGuardRecordAt(32, 2) + 9, 0x44);
    EXPECT_EQ(level.bytes(), (Bytes{0x11, 0x22, 0x33}));

    EXPECT_EQ(level.word(1), 0x3322);
    EXPECT_EQ(level.word(2), 0x0033); // the half past the end reads as zero
    level.setWord(2, 0xBBAA);         // the half inside is written
    EXPECT_EQ(level.bytes(), (Bytes{0x11, 0x22, 0xAA}));

    const std::size_t huge = std::numeric_limits<std::size_t>::max();
    EXPECT_FALSE(level.contains(huge));
    EXPECT_FALSE(level.contains(1, huge));
    EXPECT_TRUE(level.contains(3, 0));
    EXPECT_FALSE(LevelStore().contains(0));
}

} // namespace
} // namespace qv2

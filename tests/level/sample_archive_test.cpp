#include "level/archive.h"
#include "level/level_layout.h"
#include "support/archive_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace qv2 {
namespace {

// The designed levels must be playable-looking data, not only a well-formed archive: these are
// the promises the editor's windows and the rule script rely on when they open the sample.
class SampleArchive : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_folder = new TempFolder;
        const std::string path = s_folder->file("qasvar.dat");
        ASSERT_EQ(std::system((std::string(MAKE_SAMPLE_ARCHIVE_PATH) + " " + path).c_str()), 0);
        s_image = new Bytes(ReadFile(path).value());
    }
    static void TearDownTestSuite() {
        delete s_image;
        delete s_folder;
    }

    static LevelStore Level(std::uint16_t id) {
        LevelStore level;
        EXPECT_EQ(ReadLevelResource(*s_image, LocateLevelResource(*s_image, id).entry, level),
                  ReadStatus::ChecksumGood);
        return level;
    }
    static std::vector<std::uint16_t> Ids() {
        std::vector<std::uint16_t> ids;
        for (std::uint16_t id = 2000; id <= 2013; ++id)
            ids.push_back(id);
        for (std::uint16_t id = 2020; id <= 2033; ++id)
            ids.push_back(id);
        return ids;
    }

    static inline TempFolder *s_folder = nullptr;
    static inline Bytes *s_image = nullptr;
};

TEST_F(SampleArchive, HoldsTheTwoSetsOfLevelsBehindOtherTypes) {
    const Bytes &image = *s_image;
    const std::uint32_t index = image[0] | image[1] << 8 | image[2] << 16 | image[3] << 24;
    ASSERT_LT(index + 8, image.size());
    EXPECT_GE(image[index] | image[index + 1] << 8, 3);
    EXPECT_NE(image[index + 2] | image[index + 3] | image[index + 4] | image[index + 5], 0)
        << "the level type should not be the first in the index";

    const LevelTable table = ReadLevelTable(image);
    ASSERT_EQ(table.status, ArchiveStatus::Found);
    std::vector<std::uint16_t> ids;
    for (const ResourceEntry &entry : table.entries) {
        ids.push_back(entry.id);
        EXPECT_GE(entry.dataSize, kFullLevelSize) << entry.id;
    }
    EXPECT_EQ(ids, Ids());
}

TEST_F(SampleArchive, LevelsAreDifferentAndUseEveryLevelType) {
    std::vector<Bytes> levels;
    std::set<int> types;
    for (std::uint16_t id : Ids()) {
        const LevelStore level = Level(id);
        EXPECT_EQ(std::find(levels.begin(), levels.end(), level.bytes()), levels.end())
            << id << " repeats an earlier level";
        levels.push_back(level.bytes());
        types.insert(level.byte(kLevelTypeOffset));
        EXPECT_EQ(level.byte(kLevelNumberOffset), id % 20 + 1) << id;
    }
    EXPECT_EQ(levels.size(), 28u);
    EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(SampleArchive, RoomsAreJoinedBothWaysAndTheStartStandsOnFloor) {
    const int opposite[] = {SideRight, SideLeft, SideDown, SideUp};
    for (std::uint16_t id : Ids()) {
        const LevelStore level = Level(id);
        std::set<int> joined;
        for (int room = 1; room <= kRoomCount; ++room)
            for (int side = 0; side < 4; ++side) {
                const int other = level.byte(NeighbourAt(room, side));
                if (other == 0)
                    continue;
                ASSERT_LE(other, kRoomCount) << id;
                EXPECT_EQ(level.byte(NeighbourAt(other, opposite[side])), room)
                    << id << " room " << room;
                joined.insert(room);
            }
        EXPECT_GE(joined.size(), 4u) << id;

        const int start = level.byte(kStartRoomOffset);
        const int tile = level.byte(kStartTileOffset);
        ASSERT_TRUE(joined.count(start)) << id;
        ASSERT_LT(tile, kTilesPerRoom) << id;
        EXPECT_EQ(level.byte(TileKindAt(start, tile / 10, tile % 10)), 0x01) << id;
        const int direction = level.byte(kStartDirectionOffset);
        EXPECT_TRUE(direction == 0x00 || direction == 0xFF) << id;
    }
}

TEST_F(SampleArchive, PlatesNameGatesThroughTheirLinkEntries) {
    int plates = 0;
    for (std::uint16_t id : Ids()) {
        const LevelStore level = Level(id);
        for (int room = 1; room <= kRoomCount; ++room)
            for (int place = 0; place < kTilesPerRoom; ++place) {
                const int kind = level.byte(TileKindAt(room, place / 10, place % 10));
                if (kind != 0x05 && kind != 0x06 && kind != 0x22)
                    continue;
                ++plates;
                const std::size_t link =
                    LinkEntryAt(level.byte(TileAttributeAt(room, place / 10, place % 10, 0)));
                const int gateRoom = level.byte(link);
                const int gatePlace = level.byte(link + 1);
                ASSERT_TRUE(gateRoom >= 1 && gateRoom <= kRoomCount && gatePlace < kTilesPerRoom)
                    << id;
                EXPECT_EQ(level.byte(TileKindAt(gateRoom, gatePlace / 10, gatePlace % 10)), 0x04)
                    << id << " room " << room << " place " << place;
            }
    }
    EXPECT_GE(plates, 10);
}

TEST_F(SampleArchive, EnemiesComingGuardsAndRestartsFollowTheConventions) {
    int enemies = 0;
    int coming = 0;
    for (std::uint16_t id : Ids()) {
        const LevelStore level = Level(id);
        for (int room = 1; room <= kRoomCount; ++room) {
            const int count = level.byte(EnemyCountAt(room));
            ASSERT_LE(count, kMaxEnemies) << id;
            enemies += count;
            for (int i = 0; i < count; ++i) {
                const std::size_t record = EnemyRecordAt(room, i);
                const int place = level.byte(record);
                ASSERT_LT(place, kTilesPerRoom) << id;
                EXPECT_EQ(level.word(record + 1), 144 + 32 * (place % 10) + 16) << id;
                EXPECT_TRUE(level.byte(record + 3) == 0x00 || level.byte(record + 3) == 0xFF) << id;
            }
            const int guards = level.byte(ComingGuardCountAt(room));
            ASSERT_LE(guards, kMaxComingGuards) << id;
            coming += guards;
            for (int i = 0; i < guards; ++i) {
                EXPECT_LT(level.byte(ComingGuardRecordAt(room, i) + 1), kRows) << id;
                EXPECT_LT(level.byte(ComingGuardRecordAt(room, i) + 2), kColumns) << id;
            }
        }
        EXPECT_EQ(level.byte(RestartPointAt(0)), level.byte(kStartRoomOffset)) << id;
        for (int i = 0; i < kRestartPointCount; ++i)
            if (level.byte(RestartPointAt(i)) != 0) {
                EXPECT_LT(level.byte(RestartPointAt(i) + 1), kTilesPerRoom) << id;
            }
    }
    EXPECT_GE(enemies, 28);
    EXPECT_GE(coming, 10);
}

} // namespace
} // namespace qv2

// A pasted room takes the copied room's own bytes and nothing else.
#include "view/room_copy.h"

#include "level/level_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

using namespace qv2;

namespace {

// The bytes that belong to room r of its own.
std::set<std::size_t> RoomBytes(int r) {
    std::set<std::size_t> bytes;
    for (int t = 0; t < kTilesPerRoom; ++t) {
        bytes.insert(TileKindAt(r, 0, t));
        for (int k = 0; k < 4; ++k)
            bytes.insert(TileAttributeAt(r, 0, t, k));
    }
    for (int i = 0; i < kEnemyBlockSize; ++i)
        bytes.insert(EnemyCountAt(r) + i);
    for (int i = 0; i < 34; ++i) // the coming-guard block, without the next room's count
        bytes.insert(ComingGuardCountAt(r) + i);
    return bytes;
}

TEST(RoomCopy, PasteWritesTheRoomsOwnBytesOnly) {
    const struct {
        const char *name;
        int from;
        int to;
    } pairs[] = {
        {"onto the next room", 3, 4},
        {"onto the room before", 4, 3},
        {"from the first onto the last room", 1, 32},
    };
    // The first and last byte of every part of a room.
    const struct {
        const char *name;
        std::size_t (*at)(int room);
    } spots[] = {
        {"first tile kind", [](int r) { return TileKindAt(r, 0, 0); }},
        {"last tile kind", [](int r) { return TileKindAt(r, 2, 9); }},
        {"first attribute byte", [](int r) { return TileAttributeAt(r, 0, 0, 0); }},
        {"last attribute byte", [](int r) { return TileAttributeAt(r, 2, 9, 3); }},
        {"enemy count", [](int r) { return EnemyCountAt(r); }},
        {"last enemy byte", [](int r) { return EnemyRecordAt(r, 4) + 22; }},
        {"coming-guard count", [](int r) { return ComingGuardCountAt(r); }},
        {"last own coming-guard byte", [](int r) { return ComingGuardCountAt(r) + 33; }},
    };
    std::mt19937 random(11);
    Bytes bytes(kFullLevelSize);
    for (auto &b : bytes)
        b = static_cast<std::uint8_t>(random());
    // The copy comes from a level opened earlier.
    const LevelStore source(bytes);
    std::reverse(bytes.begin(), bytes.end());
    const LevelStore before(bytes);
    for (const auto &pair : pairs) {
        LevelStore level = before;
        WriteRoomCopy(level, pair.to, CopyRoom(source, pair.from));
        for (const auto &spot : spots)
            EXPECT_EQ(level.byte(spot.at(pair.to)), source.byte(spot.at(pair.from)))
                << pair.name << ", " << spot.name;
        const std::set<std::size_t> own = RoomBytes(pair.to);
        for (std::size_t offset = 0; offset < kFullLevelSize; ++offset) {
            if (!own.count(offset)) {
                ASSERT_EQ(level.byte(offset), before.byte(offset))
                    << pair.name << ", offset " << offset;
            }
        }
    }
}

} // namespace

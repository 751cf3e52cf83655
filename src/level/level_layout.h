#pragma once

#include <cstddef>

// Where every field of a level lives. Offsets count from the first level byte (the byte after the
// checksum byte in the archive). Rooms are 1..32, rows 0..2, columns 0..9, tile places 0..29.
namespace qv2 {

inline constexpr int kRoomCount = 32;
inline constexpr int kRows = 3;
inline constexpr int kColumns = 10;
inline constexpr int kTilesPerRoom = kRows * kColumns;

inline constexpr int kMaxEnemies = 5;
inline constexpr int kEnemyRecordSize = 23;
inline constexpr int kMaxComingGuards = 3;
inline constexpr int kComingGuardRecordSize = 10;
inline constexpr int kRestartPointCount = 9;
inline constexpr int kLinkEntryCount = 256;
inline constexpr int kLinkEntrySize = 5;
inline constexpr int kLevelFlagCount = 12;
inline constexpr int kEnemyBlockSize = 1 + kMaxEnemies * kEnemyRecordSize;
inline constexpr int kLinkTableSize = kLinkEntryCount * kLinkEntrySize;
// A room's coming-guard block: the count, four bytes and the records. The third record reaches one
// byte into the next room's block (its count), which belongs to the next room.
inline constexpr int kComingGuardBlockSize = 34;

// The last field (room 32's third coming-guard record) ends at byte 11065.
inline constexpr std::size_t kFullLevelSize = 11066;

inline constexpr std::size_t kLinkTableOffset = 4800;
inline constexpr std::size_t kLevelTypeOffset = 6213;
inline constexpr std::size_t kLevelNumberOffset = 6215;
inline constexpr std::size_t kStartRoomOffset = 6240;
inline constexpr std::size_t kStartTileOffset = 6241;
inline constexpr std::size_t kStartDirectionOffset = 6242;
inline constexpr std::size_t kEnemyGraphicsOffset = 6246;

enum Side { SideLeft = 0, SideRight = 1, SideUp = 2, SideDown = 3 };

// The bytes of an enemy record that the enemies editor changes; the others stay as stored.
enum EnemyByte {
    EnemyTile = 0,
    EnemyX = 1, // 16-bit
    EnemyDirection = 3,
    EnemySkill = 4,
    EnemyFrame = 5,
    EnemyColour = 9,
    EnemyKind = 15,
    EnemyStrength = 16,
    EnemyRevival = 17,
    EnemyRevivalPair = 18, // goes with the revival state
};

// Opener, closer and opener-closer plates: their attribute byte 0 is their link entry.
constexpr bool IsLinkPlate(int kind) {
    return kind == 0x05 || kind == 0x06 || kind == 0x22;
}

constexpr std::size_t TileKindAt(int room, int y, int x) {
    return static_cast<std::size_t>((room - 1) * 30 + y * 10 + x);
}
constexpr std::size_t TileAttributeAt(int room, int y, int x, int k) {
    return static_cast<std::size_t>(960 + (room - 1) * 120 + y * 40 + x * 4 + k);
}
constexpr std::size_t LinkEntryAt(int i) {
    return static_cast<std::size_t>(4800 + 5 * i);
}
constexpr std::size_t NeighbourAt(int room, int d) {
    return static_cast<std::size_t>(6080 + 4 * (room - 1) + d);
}
constexpr std::size_t LevelFlagAt(int i) {
    return static_cast<std::size_t>(6216 + 2 * i);
}
constexpr std::size_t EnemyCountAt(int room) {
    return static_cast<std::size_t>(6247 + 116 * (room - 1));
}
constexpr std::size_t EnemyRecordAt(int room, int i) {
    return static_cast<std::size_t>(6248 + 116 * (room - 1) + 23 * i);
}
// Room byte of restart point i; its tile place is the byte after it.
constexpr std::size_t RestartPointAt(int i) {
    return static_cast<std::size_t>(9959 + 2 * i);
}
constexpr std::size_t ComingGuardCountAt(int room) {
    return static_cast<std::size_t>(9977 + kComingGuardBlockSize * (room - 1));
}
constexpr std::size_t ComingGuardRecordAt(int room, int i) {
    return static_cast<std::size_t>(9982 + kComingGuardBlockSize * (room - 1) +
                                    kComingGuardRecordSize * i);
}

} // namespace qv2

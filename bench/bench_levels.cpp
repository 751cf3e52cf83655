#include "bench_levels.h"

#include "level/archive_builder.h"
#include "level/archive_file.h"
#include "level/file_replace.h"
#include "level/level_layout.h"
#include "view/tile_picture_name.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace qv2bench {

using namespace qv2;

namespace {

[[noreturn]] void Fail(const std::string &what) {
    std::fprintf(stderr, "%s (build the program folder first: cmake --build --preset release)\n",
                 what.c_str());
    std::exit(1);
}

constexpr int kGridColumns = 8;
constexpr std::uint16_t kLevelId = 2000;

} // namespace

QString ProgramDir() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../");
}

LevelStore SampleLevel(std::uint16_t id) {
    LevelStore level;
    const std::string path = (ProgramDir() + QStringLiteral("qasvar.dat")).toStdString();
    if (!OpenLevelFromArchive(path, id, level).opened())
        Fail("cannot open level " + std::to_string(id) + " of " + path);
    return level;
}

int FillStartRoomWithMarkers(LevelStore &level) {
    const int room = level.byte(kStartRoomOffset);
    level.setByte(EnemyCountAt(room), kMaxEnemies);
    for (int i = 0; i < kMaxEnemies; ++i) {
        const std::size_t record = EnemyRecordAt(room, i);
        const int place = 10 + 2 * i;
        level.setByte(record, static_cast<std::uint8_t>(place));
        level.setWord(record + 1, static_cast<std::uint16_t>(160 + 64 * i));
        level.setByte(record + 3, i % 2 ? 0xFF : 0x00); // both enemy pictures
    }
    level.setByte(ComingGuardCountAt(room), kMaxComingGuards);
    for (int i = 0; i < kMaxComingGuards; ++i) {
        const std::size_t record = ComingGuardRecordAt(room, i);
        level.setByte(record + 1, static_cast<std::uint8_t>(i));         // row
        level.setByte(record + 2, static_cast<std::uint8_t>(3 * i + 1)); // column
    }
    for (int i = 0; i < kRestartPointCount; ++i) {
        level.setByte(RestartPointAt(i), static_cast<std::uint8_t>(room));
        level.setByte(RestartPointAt(i) + 1, static_cast<std::uint8_t>(20 + i));
    }
    return room;
}

void FillRoomWithSelectorTiles(LevelStore &level, int room, const IniFile &background) {
    std::vector<std::uint8_t> kinds;
    for (int kind = 0; kind <= 0xFF; ++kind) {
        if (!background.value(HexByte(static_cast<std::uint8_t>(kind)), QStringLiteral("aff"))
                 .isEmpty())
            kinds.push_back(static_cast<std::uint8_t>(kind));
    }
    if (kinds.empty())
        Fail("the background list has no aff selectors");
    for (int place = 0; place < kTilesPerRoom; ++place) {
        const int y = place / kColumns;
        const int x = place % kColumns;
        level.setByte(TileKindAt(room, y, x),
                      kinds[static_cast<std::size_t>(place) % kinds.size()]);
        for (int k = 0; k < 4; ++k)
            level.setByte(TileAttributeAt(room, y, x, k), static_cast<std::uint8_t>(place * 7 + k));
    }
}

void JoinAllRooms(LevelStore &level, int designs) {
    const LevelStore original = level;
    for (int room = 1; room <= kRoomCount; ++room) {
        const int design = (room - 1) % designs + 1;
        for (int place = 0; place < kTilesPerRoom; ++place) {
            const int y = place / kColumns;
            const int x = place % kColumns;
            level.setByte(TileKindAt(room, y, x), original.byte(TileKindAt(design, y, x)));
            for (int k = 0; k < 4; ++k)
                level.setByte(TileAttributeAt(room, y, x, k),
                              original.byte(TileAttributeAt(design, y, x, k)));
        }
        const int column = (room - 1) % kGridColumns;
        const int left = column > 0 ? room - 1 : 0;
        const int right = column < kGridColumns - 1 ? room + 1 : 0;
        const int up = room > kGridColumns ? room - kGridColumns : 0;
        const int down = room + kGridColumns <= kRoomCount ? room + kGridColumns : 0;
        const int sides[] = {left, right, up, down};
        for (int side = SideLeft; side <= SideDown; ++side)
            level.setByte(NeighbourAt(room, side), static_cast<std::uint8_t>(sides[side]));
    }
    level.setByte(kStartRoomOffset, 1);
}

void WriteLargeArchive(const std::string &path, std::size_t size, const LevelStore &level) {
    constexpr std::size_t kFillerSize = 0xFFFF;
    ArchiveBuilder archive;
    const int filler = archive.addType(0x4C4C4946); // "FILL"
    std::uint16_t id = 1;
    for (std::size_t used = 0; used + kFillerSize + level.size() < size;
         used += kFillerSize + 1, ++id)
        archive.addResource(filler, id, Bytes(kFillerSize, static_cast<std::uint8_t>(id)));
    archive.addLevel(kLevelId, level.bytes());
    if (const std::string error = WriteWholeFile(path, archive.build()); !error.empty())
        Fail("cannot write " + path + ": " + error);
}

} // namespace qv2bench

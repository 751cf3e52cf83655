#pragma once

#include "level/level_layout.h"
#include "level/level_store.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <vector>

// The walk over every field of a level, in the order a dump shows them. Each direction (level to
// JSON, JSON to level, level to text) is a "mapper" that the walk calls for every field, so the
// offsets are written down once.
namespace qv2 {

// A field's name inside its group, or its index inside its list.
struct FieldKey {
    FieldKey(const char *fieldName) : name(fieldName) {}
    FieldKey(int fieldIndex) : index(fieldIndex) {}
    const char *name = nullptr;
    int index = 0;
};

// Where a field lies in the dump, written as "rooms[2].enemies[0]" (indexes count from 0, as in
// JSON).
class FieldPath {
  public:
    void push(FieldKey key) {
        m_lengths.push_back(m_text.size());
        if (!key.name)
            m_text += QStringLiteral("[%1]").arg(key.index);
        else
            m_text +=
                (m_text.isEmpty() ? QString() : QStringLiteral(".")) + QLatin1String(key.name);
    }
    void pop() {
        m_text.truncate(m_lengths.back());
        m_lengths.pop_back();
    }
    const QString &text() const { return m_text; }

  private:
    QString m_text;
    std::vector<qsizetype> m_lengths;
};

// A byte, or a little-endian word when `width` is 2.
inline int NumberAt(const LevelStore &level, std::size_t offset, int width) {
    return width == 2 ? level.word(offset) : level.byte(offset);
}

// The bytes from `offset` to the end of the level as hex digits; empty when there are none.
inline QString RestAsHex(const LevelStore &level, std::size_t offset) {
    const Bytes &bytes = level.bytes();
    if (offset >= bytes.size())
        return {};
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bytes.data() + offset),
                                          static_cast<qsizetype>(bytes.size() - offset))
                                   .toHex());
}

// Bytes 1..4 of a room's coming-guard block, which no field names.
inline constexpr int kComingGuardBlockGap = 4;

// Mapper provides:
//   number(key, offset, width)          one byte (width 1) or little-endian word (width 2)
//   numbers(key, offset, count, width)  that many such numbers side by side
//   tile(key, offset)                   a tile kind byte
//   group(key, fn) / list(key, count, fn(i))  nested fields
//   rest(key, offset)                   every byte from offset to the end of the level
template <class Mapper> void MapLevel(Mapper &m) {
    m.number("type", kLevelTypeOffset, 1);
    m.number("number", kLevelNumberOffset, 1);
    m.numbers("flags", LevelFlagAt(0), kLevelFlagCount, 2);
    m.number("enemyGraphics", kEnemyGraphicsOffset, 1);
    m.group("start", [&] {
        m.number("room", kStartRoomOffset, 1);
        m.number("tile", kStartTileOffset, 1);
        m.number("direction", kStartDirectionOffset, 1);
    });
    m.list("restartPoints", kRestartPointCount, [&](int i) {
        m.group(i, [&] {
            m.number("room", RestartPointAt(i), 1);
            m.number("tile", RestartPointAt(i) + 1, 1);
        });
    });
    m.list("links", kLinkEntryCount,
           [&](int i) { m.numbers(i, LinkEntryAt(i), kLinkEntrySize, 1); });
    m.list("rooms", kRoomCount, [&](int index) {
        const int room = index + 1;
        m.group(index, [&] {
            m.list("tiles", kRows, [&](int y) {
                m.list(y, kColumns, [&](int x) { m.tile(x, TileKindAt(room, y, x)); });
            });
            m.list("attributes", kRows, [&](int y) {
                m.list(y, kColumns,
                       [&](int x) { m.numbers(x, TileAttributeAt(room, y, x, 0), 4, 1); });
            });
            m.group("neighbours", [&] {
                m.number("left", NeighbourAt(room, SideLeft), 1);
                m.number("right", NeighbourAt(room, SideRight), 1);
                m.number("up", NeighbourAt(room, SideUp), 1);
                m.number("down", NeighbourAt(room, SideDown), 1);
            });
            m.number("enemyCount", EnemyCountAt(room), 1);
            m.list("enemies", kMaxEnemies,
                   [&](int i) { m.numbers(i, EnemyRecordAt(room, i), kEnemyRecordSize, 1); });
            m.number("comingGuardCount", ComingGuardCountAt(room), 1);
            m.numbers("comingGuardUnnamed", ComingGuardCountAt(room) + 1, kComingGuardBlockGap, 1);
            m.list("comingGuards", kMaxComingGuards, [&](int i) {
                m.numbers(i, ComingGuardRecordAt(room, i), kComingGuardRecordSize, 1);
            });
        });
    });
    // The level-wide bytes that no field names, under their offsets, so they come back unchanged.
    m.group("unnamed", [&] {
        m.numbers("6208", 6208, 5, 1);
        m.numbers("6214", 6214, 1, 1);
        m.numbers("6243", 6243, 3, 1);
    });
    m.rest("rest", kFullLevelSize);
}

} // namespace qv2

// Writes the sample level archive: a few dummy resources of other types and the 28 designed levels
// 2000..2013 and 2020..2033, each with a good checksum byte. Usage: make_sample_archive PATH
#include "level/archive_builder.h"
#include "level/file_replace.h"
#include "level/level_layout.h"
#include "level/level_store.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv2 {
namespace {

// One character of a room design. Marker characters stand on a floor tile and add a record.
enum class Marker { None, Start, EnemyLeft, EnemyRight, Coming, Restart };

struct TileCode {
    char code;
    std::uint8_t kind;
    std::uint8_t byte1; // the kind's state bits: gate open, torch burning, potion kind ...
    Marker marker = Marker::None;
};

constexpr TileCode kTileCodes[] = {
    {' ', 0x00, 0},
    {'_', 0x01, 0},
    {'^', 0x02, 0},
    {'!', 0x02, 1},
    {'|', 0x03, 0},
    {'G', 0x04, 0},
    {'g', 0x04, 1},
    {'o', 0x05, 0},
    {'x', 0x06, 0},
    {'H', 0x07, 0},
    {'B', 0x08, 0},
    {'P', 0x09, 0},
    {'0', 0x0A, 0},
    {'1', 0x0A, 1},
    {'2', 0x0A, 2},
    {'3', 0x0A, 3},
    {'4', 0x0A, 4},
    {'5', 0x0A, 5},
    {'6', 0x0A, 6},
    {'7', 0x0A, 7},
    {'l', 0x0B, 0},
    {'<', 0x0C, 0},
    {'>', 0x0D, 0},
    {'r', 0x0E, 0},
    {'w', 0x0F, 0},
    {'E', 0x10, 0},
    {'D', 0x11, 0},
    {'~', 0x12, 0},
    {'T', 0x13, 1},
    {'#', 0x14, 0},
    {'S', 0x15, 0},
    {'k', 0x16, 0},
    {'L', 0x17, 0},
    {'R', 0x18, 0},
    {'C', 0x19, 0},
    {'f', 0x1A, 0},
    {'h', 0x1B, 0},
    {'v', 0x1C, 0},
    {'V', 0x1D, 0},
    {'s', 0x1E, 0},
    {'Z', 0x1F, 0},
    {'t', 0x20, 1},
    {'Q', 0x21, 0},
    {'z', 0x22, 0},
    {'q', 0x23, 0},
    {'K', 0x24, 0},
    {'=', 0x25, 0},
    {'W', 0x27, 0},
    {'F', 0x2B, 0},
    {'d', 0x2C, 0},
    {'@', 0x01, 0, Marker::Start},
    {'M', 0x01, 0, Marker::EnemyLeft},
    {'N', 0x01, 0, Marker::EnemyRight},
    {'c', 0x01, 0, Marker::Coming},
    {'*', 0x01, 0, Marker::Restart},
};

// The row of a design table whose key character is `c`.
template <typename Row, std::size_t N>
const Row &Lookup(const Row (&table)[N], char Row::*key, char c, const char *what) {
    for (const Row &row : table)
        if (row.*key == c)
            return row;
    throw std::invalid_argument(std::string("unknown ") + what + " '" + c + "'");
}

// Room designs, named by a letter, three rows of ten tiles from the top row down.
struct RoomDesign {
    char name;
    const char *rows[kRows];
};

constexpr RoomDesign kRoomDesigns[] = {
    {'a', {"__T____T__", "#___@____ ", "__________"}}, // start hall
    {'b', {"__________", "___~~~~___", "_N______M_"}}, // carpet corridor, two guards facing in
    {'c', {"___#______", "_o___G____", "_______*__"}}, // opening plate before a gate
    {'d', {"####______", "_1__T__3__", "_______^^_"}}, // potions over a spike row
    {'e', {"__T_ED_T__", "__________", "____*_____"}}, // level exit
    {'f', {"__ll__ll__", "_c______c_", "_____M____"}}, // loose floors, guards to come
    {'g', {"_!^__^!__ ", "__ __  __ ", "__________"}}, // spike pits
    {'h', {"_P__P__P__", "_B__B__B__", "___x__G___"}}, // big pillar hall with a closing plate
    {'i', {"T________T", "_<>___<>_ ", "__S__k____"}}, // blades, skeleton and sword
    {'j', {"#________#", "#_z__g___#", "#__M___*_#"}}, // tower with an opening-closing plate
    {'k', {"__LR__LR__", "__________", "_F__F__K__"}}, // lava and flames
    {'l', {"__W__W__W_", "~~~~~~~~~~", "__N___5___"}}, // window gallery
    {'m', {"__C____C__", "_ff__ff___", "____c__c__"}}, // crushers over flipping floors
    {'n', {"__T_QqT___", "__________", "_*________"}}, // skull exit
    {'o', {"__________", "____Z_____", "_t_____t__"}}, // the villain's room
    {'p', {"==========", "_d______d_", "_N__2__M__"}}, // bridges
    {'r', {"_Vv__Vv___", "__ww__ss__", "___H___rr_"}}, // water, weak and sinking floors
    // Faults for the rule script to find: a lone exit door half above nothing, lava outside the
    // caves and a lone lava half, a big pillar bottom under lava, a lone blade half, a potion above
    // nothing and a lone water half.
    {'y', {"_E__LR__<_", "_ ___B__0_", "__v__R__ _"}},
};

// A level: its map of room designs (rows split by '/', '.' for no room; rooms are numbered in
// reading order, and letters side by side or one above the other become mutual neighbours).
struct LevelDesign {
    const char *map;
    std::uint8_t type; // 1..6
    bool startFacesLeft;
    std::size_t trailingBytes; // bytes after the last field, which no field names
};

// Levels 1..14 of the normal set, then of the gameplay set. The types follow the level names:
// the city, the island, three caves, four ruined-castle levels, four temples, back in the city.
// Every level passes the rule script texts/errors.txt except the last, which holds room 'y'.
constexpr LevelDesign kLevelDesigns[] = {
    {"abl/..e", 5, false, 0},        {"acd/.fe", 1, true, 0},        {"ag/kc/fe", 3, false, 0},
    {"a.h/bii/..e", 3, false, 0},    {"dab/cf./.me", 3, true, 0},    {"ah/bj/ce", 4, false, 0},
    {"abh/.cj/..e", 4, false, 0},    {"jab/c.l/fme", 4, true, 0},    {"a/b/cde", 4, false, 0},
    {"al/ci/je", 2, false, 0},       {"ab.l/.cij/..fe", 2, true, 0}, {"ahd/b.c/fpe", 2, false, 0},
    {"a.pn/bcd.", 2, false, 0},      {"aon/bc./d..", 6, true, 0},    {"ablh/...e", 5, true, 4},
    {"adc/gfe", 1, false, 4},        {"a.k/cgf/..e", 3, false, 4},   {"hab/ci./e..", 3, true, 4},
    {"ai/mk/fe", 3, false, 4},       {"aj/bh/dc/e.", 4, false, 4},   {"abc/j.l/ihe", 4, true, 4},
    {"afm/.c./.be", 4, false, 4},    {"ab/.c/.r/.e", 4, false, 4},   {"pal/c.j/ebi", 2, true, 4},
    {"aj.d/.ch./.bfe", 2, false, 4}, {"ahi/lcm/..e", 2, false, 4},   {"acp/.bn", 2, true, 4},
    {"aobn/c.rdy", 6, false, 4},
};
static_assert(std::size(kLevelDesigns) == 28, "14 levels in each of the two sets");

// The enemy graphics set of each level type, and the enemy kind that goes with it.
constexpr std::uint8_t kEnemyGraphics[] = {0x00, 0x00, 0x05, 0x02, 0x00, 0x07, 0xFF};
std::uint8_t EnemyKindFor(std::uint8_t graphics) {
    return graphics == 0xFF ? 0 : graphics;
}

bool IsExitDoor(std::uint8_t kind) {
    return kind == 0x10 || kind == 0x11 || kind == 0x21 || kind == 0x23;
}

struct Place {
    int room;
    int tile;
};

// Lays one level into a full-size store: rooms, neighbours, markers, links and settings.
class LevelPainter {
  public:
    LevelPainter(const LevelDesign &design, int number)
        : m_design(design), m_number(number),
          m_level(Bytes(kFullLevelSize + design.trailingBytes, 0)) {}

    Bytes paint() {
        placeRooms();
        linkPlatesToGates();
        writeSettings();
        return m_level.bytes();
    }

  private:
    void placeRooms() {
        std::vector<std::string> rows;
        for (const char *p = m_design.map; *p;) {
            const char *end = std::strchr(p, '/');
            rows.emplace_back(p, end ? end : p + std::strlen(p));
            p = end ? end + 1 : p + std::strlen(p);
        }
        std::vector<std::vector<int>> numbers(rows.size());
        int room = 0;
        for (std::size_t y = 0; y < rows.size(); ++y)
            for (std::size_t x = 0; x < rows[y].size(); ++x) {
                const bool used = rows[y][x] != '.';
                numbers[y].push_back(used ? ++room : 0);
                if (used)
                    paintRoom(room,
                              Lookup(kRoomDesigns, &RoomDesign::name, rows[y][x], "room design"));
            }
        for (std::size_t y = 0; y < rows.size(); ++y)
            for (std::size_t x = 0; x < rows[y].size(); ++x) {
                if (x + 1 < rows[y].size())
                    join(numbers[y][x], SideRight, numbers[y][x + 1], SideLeft);
                if (y + 1 < rows.size() && x < rows[y + 1].size())
                    join(numbers[y][x], SideDown, numbers[y + 1][x], SideUp);
            }
        if (room < 4 || room > kRoomCount)
            throw std::invalid_argument(std::string("level map with too few or too many rooms: ") +
                                        m_design.map);
    }

    void join(int room, Side side, int other, Side back) {
        if (room == 0 || other == 0)
            return;
        m_level.setByte(NeighbourAt(room, side), static_cast<std::uint8_t>(other));
        m_level.setByte(NeighbourAt(other, back), static_cast<std::uint8_t>(room));
    }

    void paintRoom(int room, const RoomDesign &design) {
        int enemies = 0;
        int coming = 0;
        for (int y = 0; y < kRows; ++y) {
            if (std::strlen(design.rows[y]) != kColumns)
                throw std::invalid_argument(std::string("room row not ten tiles: ") +
                                            design.rows[y]);
            for (int x = 0; x < kColumns; ++x) {
                const TileCode &code =
                    Lookup(kTileCodes, &TileCode::code, design.rows[y][x], "tile code");
                const int tile = y * kColumns + x;
                m_level.setByte(TileKindAt(room, y, x), code.kind);
                m_level.setByte(TileAttributeAt(room, y, x, 1), code.byte1);
                // Background pictures vary over the room so the back lists show more than one.
                const int picture = code.kind == 0 ? 0 : 1 + (room + tile) % 3;
                m_level.setByte(TileAttributeAt(room, y, x, 2), static_cast<std::uint8_t>(picture));
                m_hasExit = m_hasExit || IsExitDoor(code.kind);
                if (code.kind == 0x04)
                    m_gates.push_back({room, tile});
                if (code.kind == 0x05 || code.kind == 0x06 || code.kind == 0x22)
                    m_plates.push_back({room, tile});
                addMarker(code.marker, room, y, x, enemies, coming);
            }
        }
        m_level.setByte(EnemyCountAt(room), static_cast<std::uint8_t>(enemies));
        m_level.setByte(ComingGuardCountAt(room), static_cast<std::uint8_t>(coming));
    }

    void addMarker(Marker marker, int room, int y, int x, int &enemies, int &coming) {
        const int tile = y * kColumns + x;
        switch (marker) {
        case Marker::None:
            break;
        case Marker::Start:
            m_level.setByte(kStartRoomOffset, static_cast<std::uint8_t>(room));
            m_level.setByte(kStartTileOffset, static_cast<std::uint8_t>(tile));
            m_level.setByte(kStartDirectionOffset, m_design.startFacesLeft ? 0xFF : 0x00);
            m_restarts.insert(m_restarts.begin(), {room, tile});
            break;
        case Marker::EnemyLeft:
        case Marker::EnemyRight:
            writeEnemy(EnemyRecordAt(room, enemies++), tile, x, marker == Marker::EnemyLeft);
            break;
        case Marker::Coming: {
            const std::size_t record = ComingGuardRecordAt(room, coming++);
            m_level.setByte(record + 1, static_cast<std::uint8_t>(y));
            m_level.setByte(record + 2, static_cast<std::uint8_t>(x));
            break;
        }
        case Marker::Restart:
            m_restarts.push_back({room, tile});
            break;
        }
        if (enemies > kMaxEnemies || coming > kMaxComingGuards)
            throw std::invalid_argument("room design with too many enemies or coming guards");
    }

    void writeEnemy(std::size_t record, int tile, int x, bool facesLeft) {
        const std::uint8_t graphics = kEnemyGraphics[m_design.type];
        m_level.setByte(record + 0, static_cast<std::uint8_t>(tile));
        m_level.setWord(record + 1, static_cast<std::uint16_t>(144 + 32 * x + 16));
        m_level.setByte(record + 3, facesLeft ? 0xFF : 0x00);
        m_level.setByte(record + 4, static_cast<std::uint8_t>(1 + m_number / 3)); // skill
        m_level.setByte(record + 9, static_cast<std::uint8_t>(m_number % 4));     // colour variant
        m_level.setByte(record + 15, EnemyKindFor(graphics));
        m_level.setByte(record + 16, static_cast<std::uint8_t>(3 + m_number / 4)); // strength
        // Only skeletons come back to life; the others never do.
        const std::uint8_t revival = EnemyKindFor(graphics) == 2 ? 0x00 : 0xFF;
        m_level.setByte(record + 17, revival);
        m_level.setByte(record + 18, revival);
    }

    // The n-th plate of the level gets link entry n + 1, which names the n-th gate (or, with
    // fewer gates than plates, one of them again).
    void linkPlatesToGates() {
        if (!m_plates.empty() && m_gates.empty())
            throw std::invalid_argument(std::string("plates without a gate in ") + m_design.map);
        for (std::size_t n = 0; n < m_plates.size(); ++n) {
            const auto entry = static_cast<int>(n + 1);
            const Place plate = m_plates[n];
            const Place gate = m_gates[n % m_gates.size()];
            m_level.setByte(
                TileAttributeAt(plate.room, plate.tile / kColumns, plate.tile % kColumns, 0),
                static_cast<std::uint8_t>(entry));
            const std::size_t link = LinkEntryAt(entry);
            m_level.setByte(link + 0, static_cast<std::uint8_t>(gate.room));
            m_level.setByte(link + 1, static_cast<std::uint8_t>(gate.tile));
            m_level.setByte(link + 3, static_cast<std::uint8_t>(entry)); // a chain of one
            m_level.setByte(link + 4, static_cast<std::uint8_t>(entry));
        }
    }

    void writeSettings() {
        if (m_restarts.empty() || m_level.byte(kStartRoomOffset) == 0 || !m_hasExit)
            throw std::invalid_argument(std::string("level without a start or an exit: ") +
                                        m_design.map);
        for (std::size_t i = 0; i < m_restarts.size() && i < kRestartPointCount; ++i) {
            m_level.setByte(RestartPointAt(static_cast<int>(i)),
                            static_cast<std::uint8_t>(m_restarts[i].room));
            m_level.setByte(RestartPointAt(static_cast<int>(i)) + 1,
                            static_cast<std::uint8_t>(m_restarts[i].tile));
        }
        m_level.setByte(kLevelTypeOffset, m_design.type);
        m_level.setByte(kLevelNumberOffset, static_cast<std::uint8_t>(m_number % 14 + 1));
        m_level.setByte(kEnemyGraphicsOffset, kEnemyGraphics[m_design.type]);
        // Feature flags: the ones for tiles and enemies this level type has, and the potion.
        const std::uint16_t flags =
            static_cast<std::uint16_t>(0x0800 | (0x0155 << (m_design.type % 2)));
        for (int i = 0; i < kLevelFlagCount; ++i)
            m_level.setWord(LevelFlagAt(i), (flags >> i) & 1);
        // The bytes no field names carry a mark of their own, so a save that loses them shows.
        for (std::size_t offset = 6208; offset < 6213; ++offset)
            m_level.setByte(offset, static_cast<std::uint8_t>(0xA0 + offset - 6208));
        for (std::size_t offset = kFullLevelSize; offset < m_level.size(); ++offset)
            m_level.setByte(offset, static_cast<std::uint8_t>(0xE0 + offset - kFullLevelSize));
    }

    const LevelDesign &m_design;
    int m_number; // 0..27 over both sets
    LevelStore m_level;
    std::vector<Place> m_gates;
    std::vector<Place> m_plates;
    std::vector<Place> m_restarts;
    bool m_hasExit = false;
};

constexpr std::uint32_t Tag(const char (&name)[5]) {
    return static_cast<std::uint32_t>(name[0]) | static_cast<std::uint32_t>(name[1]) << 8 |
           static_cast<std::uint32_t>(name[2]) << 16 | static_cast<std::uint32_t>(name[3]) << 24;
}

Bytes Filler(std::size_t size, std::uint8_t seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + 13 * i);
    return bytes;
}

Bytes MakeSampleArchive() {
    // The level type is not the first in the master index, and other types hold resources with
    // ids that a level also has.
    ArchiveBuilder archive;
    const int pictures = archive.addType(Tag("PICT"));
    archive.addResource(pictures, 128, Filler(40, 1));
    archive.addResource(pictures, 129, Filler(24, 2));
    archive.addResource(pictures, 2000, Filler(16, 3));
    const int sounds = archive.addType(Tag("SNDS"));
    archive.addResource(sounds, 1, Filler(64, 4));
    archive.addResource(sounds, 2, Filler(8, 5));
    for (int n = 0; n < 28; ++n) {
        const auto id = static_cast<std::uint16_t>(n < 14 ? 2000 + n : 2020 + n - 14);
        archive.addLevel(id, LevelPainter(kLevelDesigns[n], n).paint());
    }
    archive.addResource(archive.addType(Tag("TEXT")), 1, Filler(10, 6));
    return archive.build();
}

} // namespace
} // namespace qv2

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_archive PATH\n");
        return 2;
    }
    try {
        const std::string error = qv2::WriteWholeFile(argv[1], qv2::MakeSampleArchive());
        if (!error.empty()) {
            std::fprintf(stderr, "make_sample_archive: cannot write %s: %s\n", argv[1],
                         error.c_str());
            return 1;
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "make_sample_archive: %s\n", e.what());
        return 1;
    }
    return 0;
}

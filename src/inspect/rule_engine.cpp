#include "inspect/rule_engine.h"

#include "inspect/reachable_rooms.h"
#include "level/hex_digit.h"
#include "level/level_layout.h"

#include <cstdint>
#include <optional>

namespace qv2 {

namespace {

// The value after a move that would leave the level; no number equals it.
constexpr std::int64_t kOutside = -1;

struct Cursor {
    int room;
    int row;
    int column;
};

// Hexadecimal digits of either case, 32 bits at most; anything else, or nothing, is no number.
std::optional<std::int64_t> ParseHex(const Bytes &script, std::size_t begin, std::size_t end) {
    if (begin == end)
        return std::nullopt;
    std::int64_t value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const int digit = HexDigitValue(script[i]);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
        if (value > 0xFFFFFFFF)
            return std::nullopt;
    }
    return value;
}

// Runs the script over the tiles one by one; the message key lives across tiles and rules.
class ScriptRunner {
  public:
    ScriptRunner(const LevelStore &level, const Bytes &script, RuleScriptRun &run)
        : m_level(level), m_script(script), m_run(run) {}

    // Runs the script for one tile; false when the run has to end (a fault or the limit).
    bool runTile(Cursor tile) {
        m_tile = tile;
        resetToTile();
        m_holds = true;
        m_pos = 0;
        while (m_pos < m_script.size()) {
            const std::uint8_t command = m_script[m_pos++];
            switch (command) {
            case '\t':
            case '\n':
            case '\r':
            case ' ':
                break;
            case 'l':
                move(SideLeft);
                break;
            case 'r':
                move(SideRight);
                break;
            case 'u':
                move(SideUp);
                break;
            case 'd':
                move(SideDown);
                break;
            case 'k':
                m_value = m_level.byte(kLevelTypeOffset);
                [[fallthrough]];
            case 't':
                if (!test())
                    return false;
                break;
            case 'n':
                m_negate = !m_negate;
                break;
            case 'm':
                if (!setKey())
                    return false;
                break;
            case ';':
                if (!endRule())
                    return false;
                break;
            case '.':
                return true;
            default:
                return fail(ScriptFault::InvalidCommand, command);
            }
        }
        return true;
    }

  private:
    int kindAt(Cursor at) const { return m_level.byte(TileKindAt(at.room, at.row, at.column)); }

    void resetToTile() {
        m_cursor = m_tile;
        m_value = kindAt(m_tile);
        m_negate = false;
    }

    // Past a room border the cursor goes into the neighbour on that side, at the far edge of it;
    // without a neighbour it stays where it is and the value becomes outside.
    void move(Side side) {
        Cursor next = m_cursor;
        const bool sideways = side == SideLeft || side == SideRight;
        int &coordinate = sideways ? next.column : next.row;
        const int last = sideways ? kColumns - 1 : kRows - 1;
        const bool backwards = side == SideLeft || side == SideUp;
        const int border = backwards ? 0 : last;
        if (coordinate != border) {
            coordinate += backwards ? -1 : 1;
        } else {
            next.room = m_level.byte(NeighbourAt(m_cursor.room, side));
            if (next.room < 1 || next.room > kRoomCount) {
                m_value = kOutside;
                return;
            }
            coordinate = last - border;
        }
        m_cursor = next;
        m_value = kindAt(m_cursor);
    }

    // The bytes of the number or key after a command letter: up to the next blank, which is
    // consumed, or up to the end of the script.
    std::pair<std::size_t, std::size_t> readArgument() {
        const std::size_t begin = m_pos;
        while (m_pos < m_script.size() && m_script[m_pos] != ' ')
            ++m_pos;
        const std::size_t end = m_pos;
        if (m_pos < m_script.size())
            ++m_pos;
        return {begin, end};
    }

    // The same 'm' gives the same key on every tile: it is copied from the script only once.
    bool setKey() {
        const auto [begin, end] = readArgument();
        if (end - begin > kMaxRuleKeyLength)
            return fail(ScriptFault::LongKey, static_cast<int>(begin));
        if (begin != m_keyAt) {
            m_key = MessageKey(std::string(m_script.begin() + static_cast<std::ptrdiff_t>(begin),
                                           m_script.begin() + static_cast<std::ptrdiff_t>(end)));
            m_keyAt = begin;
        }
        return true;
    }

    bool test() {
        const auto [begin, end] = readArgument();
        const std::optional<std::int64_t> number = ParseHex(m_script, begin, end);
        if (!number)
            return fail(ScriptFault::BadNumber, static_cast<int>(begin));
        m_holds = m_holds && ((*number == m_value) != m_negate);
        resetToTile();
        return true;
    }

    // The cursor, the value and negate stay as they are for the next rule.
    bool endRule() {
        if (m_holds) {
            m_run.reports.push_back({m_tile.room, m_tile.row * kColumns + m_tile.column, m_key});
            if (m_run.reports.size() == kMaxRuleReports) {
                m_run.limitReached = true;
                return false;
            }
        }
        m_holds = true;
        return true;
    }

    bool fail(ScriptFault fault, int value) {
        m_run.reports.clear();
        m_run.fault = fault;
        m_run.faultValue = value;
        return false;
    }

    const LevelStore &m_level;
    const Bytes &m_script;
    RuleScriptRun &m_run;
    MessageKey m_key;
    std::size_t m_keyAt = std::string::npos; // where m_key begins in the script
    Cursor m_tile{};
    Cursor m_cursor{};
    std::int64_t m_value = 0;
    bool m_holds = true;
    bool m_negate = false;
    std::size_t m_pos = 0;
};

} // namespace

RuleScriptRun RunRuleScript(const LevelStore &level, const Bytes &script) {
    RuleScriptRun run;
    ScriptRunner runner(level, script, run);
    for (const int room : ReachableRooms(level)) {
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                if (!runner.runTile({room, row, column}))
                    return run;
            }
        }
    }
    return run;
}

} // namespace qv2

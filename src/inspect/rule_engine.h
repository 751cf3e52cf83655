#pragma once

#include "level/level_store.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// The rule script that levels are tested against: a stream of one-byte commands, run from its
// first byte for every tile of every room reachable from the start room.
//   l r u d   move the cursor one tile (across room borders along the neighbour links)
//   tN        the tile kind under the cursor equals hexadecimal N
//   kN        the level type equals hexadecimal N
//   n         the next test holds when it fails
//   mKEY      KEY becomes the message of the reports that follow
//   ;         end of a rule: report the tile being tested if every test of the rule held
//   .         end of the script
// A number or key ends at the next blank, which goes with it; tabs and line ends between commands
// are ignored.
namespace qv2 {

inline constexpr int kMaxRuleReports = 64;
// Keys name texts of the language file; no honest key comes near this.
inline constexpr std::size_t kMaxRuleKeyLength = 256;

// A message key, kept once however many reports are made under it.
class MessageKey {
  public:
    MessageKey(const char *text = "") : MessageKey(std::string(text)) {}
    MessageKey(std::string text) : m_text(std::make_shared<const std::string>(std::move(text))) {}

    const std::string &text() const { return *m_text; }
    bool operator==(const MessageKey &other) const { return text() == other.text(); }

  private:
    std::shared_ptr<const std::string> m_text;
};

// A tile that broke a rule, with the message key that was current when its rule ended.
struct RuleReport {
    int room;  // 1..32
    int place; // row * 10 + column
    MessageKey messageKey;

    bool operator==(const RuleReport &) const = default;
};

enum class ScriptFault {
    None,
    InvalidCommand, // a byte that is no command; faultValue is the byte
    BadNumber,      // an empty or non-hexadecimal number; faultValue is its offset in the script
    LongKey,        // a key longer than kMaxRuleKeyLength; faultValue is its offset in the script
};

struct RuleScriptRun {
    std::vector<RuleReport> reports; // empty when the script has a fault
    bool limitReached = false;       // the 64th report ended the run
    ScriptFault fault = ScriptFault::None;
    int faultValue = 0;
};

// Reports come by room, row, column, then rule order. A script that ends without '.', or with a
// number or key cut off by the end, ends that tile's run as if a blank and '.' followed.
RuleScriptRun RunRuleScript(const LevelStore &level, const Bytes &script);

} // namespace qv2

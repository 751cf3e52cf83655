#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// What every qv2lev command has in common: it gets the arguments after its own name, writes its
// results to `out` and its messages to `err`, and returns the program's exit status.
namespace qv2 {

using CommandArgs = std::vector<std::string>;
using CommandFunction = int (*)(const CommandArgs &args, std::ostream &out, std::ostream &err);

inline constexpr int kExitDone = 0;
inline constexpr int kExitNotFound = 1; // no level table in the archive, or no level with that id
inline constexpr int kExitFailed =
    2; // wrong usage, or a file that cannot be read, written or is damaged

// A decimal number lo..hi and nothing else (no sign, no blanks): how commands take ids and rooms.
std::optional<int> ParseDecimal(const std::string &text, int lo, int hi);

} // namespace qv2

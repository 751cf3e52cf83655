#pragma once

#include <cstddef>

// The largest input of each kind the programs read whole: far beyond any honest file, small enough
// that a stray huge file, a device without end or a damaged one cannot hang or exhaust the
// machine. A longer one counts as unreadable. The README states them.
namespace qv2 {

inline constexpr std::size_t kMiB = 1024 * 1024;

// A level as JSON text (undump): the largest level dumps to well under 1 MiB.
inline constexpr std::size_t kLevelTextLimit = 8 * kMiB;
// A rule script (texts/errors.txt, check --rules).
inline constexpr std::size_t kRuleScriptLimit = 1 * kMiB;
// A language file, background list or texts/Qv2LevEd.ini.
inline constexpr std::size_t kTextFileLimit = 4 * kMiB;
// The user's settings file; a longer one is not read and the settings are not kept.
inline constexpr std::size_t kSettingsFileLimit = 1 * kMiB;
// How much of each language file the Language menu reads to find its [language] title.
inline constexpr std::size_t kLanguageTitleHead = 64 * 1024;

} // namespace qv2

#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The fixed choice lists of the level-wide dialogs: item i of a list stands for the byte values[i].
// The items' captions come from the language file, so a list may hold more or fewer items than
// its table; an item beyond the table stands for nothing.
namespace qv2 {

using ChoiceValues = std::span<const std::uint8_t>;

inline constexpr std::uint8_t kDirectionCodes[] = {0x00, 0xFF}; // right, left
inline constexpr std::uint8_t kColourVariantCodes[] = {0, 1, 2, 3};
inline constexpr std::uint8_t kEnemyKindCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
inline constexpr std::uint8_t kRevivalCodes[] = {0x00, 0x01, 0xFF};
inline constexpr std::uint8_t kLevelTypeCodes[] = {1, 2, 3, 4, 5, 6};
inline constexpr std::uint8_t kEnemyGraphicsCodes[] = {0, 2, 5, 7, 0xFF};

// The item that shows `byte`; `otherwise` when no item stands for it (-1: no selection).
int ChoiceIndex(ChoiceValues values, std::uint8_t byte, int otherwise = -1);

// The byte the selected item stands for; nothing when no item, or one beyond the table, is
// selected: the stored byte then stays as it is.
std::optional<std::uint8_t> ChoiceCode(ChoiceValues values, int index);

// What a spinner of range 0..maximum stores for a byte it was set to: the byte itself while the
// spinner still shows what it showed for it, so a byte beyond the range survives a dialog that
// was only looked at (and Return, which makes a spinner announce its value again).
std::uint8_t SpinnerByte(std::uint8_t stored, int maximum, int shown);

} // namespace qv2

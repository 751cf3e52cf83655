#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace qv2 {

class MessageTexts;
class Modals;

// Converts typed text: leading blanks, then an optional sign and decimal digits, or a hexadecimal
// number after $, x, X, 0x or 0X; nothing may follow; the value must fit in 32 signed bits.
std::optional<std::int32_t> ParseNumber(const QString &text);

// The one place where typed numbers are accepted or refused. On a bad text shows label + the
// `integer` message, outside lo..hi shows label + `between` filled with lo and hi; either way
// returns the fallback.
int ReadNumberInRange(const QString &text, int lo, int hi, int fallback, const QString &label,
                      const MessageTexts &texts, Modals &modals);

} // namespace qv2

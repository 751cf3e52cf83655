#include "editors/choice_codes.h"

#include <algorithm>

namespace qv2 {

int ChoiceIndex(ChoiceValues values, std::uint8_t byte, int otherwise) {
    const auto found = std::find(values.begin(), values.end(), byte);
    return found == values.end() ? otherwise : static_cast<int>(found - values.begin());
}

std::optional<std::uint8_t> ChoiceCode(ChoiceValues values, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= values.size())
        return std::nullopt;
    return values[static_cast<std::size_t>(index)];
}

std::uint8_t SpinnerByte(std::uint8_t stored, int maximum, int shown) {
    return shown == std::min<int>(stored, maximum) ? stored : static_cast<std::uint8_t>(shown);
}

} // namespace qv2

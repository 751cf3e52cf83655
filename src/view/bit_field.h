#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

namespace qv2 {

// A bit field of a tile attribute byte, written as three digits kSW: attribute byte k (0..3),
// lowest bit s, width w (1..8, s + w at most 8). Picture selectors and property entries use it.
struct BitField {
    int byte = 0;
    int shift = 0;
    int width = 0;

    unsigned mask() const { return (1u << width) - 1u; }
    int valueIn(std::uint8_t attribute) const {
        return static_cast<int>((attribute >> shift) & mask());
    }
    // Replaces the field's bits, leaving every other bit of the byte as it was.
    std::uint8_t store(std::uint8_t attribute, int value) const {
        const unsigned cleared = attribute & ~(mask() << shift);
        return static_cast<std::uint8_t>(
            (cleared | ((static_cast<unsigned>(value) & mask()) << shift)) & 0xFF);
    }
};

// Reads the first three characters; anything but three digits with k <= 3, w >= 1 and s + w <= 8
// is rejected.
inline std::optional<BitField> ParseBitField(QStringView text) {
    if (text.size() < 3)
        return std::nullopt;
    int digits[3];
    for (int i = 0; i < 3; ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        digits[i] = c.unicode() - '0';
    }
    const BitField field{digits[0], digits[1], digits[2]};
    if (field.byte > 3 || field.width < 1 || field.shift + field.width > 8)
        return std::nullopt;
    return field;
}

} // namespace qv2

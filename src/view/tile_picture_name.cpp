#include "view/tile_picture_name.h"

#include "level/level_layout.h"
#include "view/bit_field.h"

namespace qv2 {

QString HexByte(std::uint8_t value) {
    // Made for every section of the background list as the panel is laid out: kept plain.
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    const QChar digits[2] = {QChar(kDigits[value >> 4]), QChar(kDigits[value & 0x0F])};
    return QString(digits, 2);
}

std::array<std::uint8_t, 4> TileAttributes(const LevelStore &level, int room, int row, int column) {
    std::array<std::uint8_t, 4> attributes{};
    for (int k = 0; k < 4; ++k)
        attributes[k] = level.byte(TileAttributeAt(room, row, column, k));
    return attributes;
}

QString TilePictureName(std::uint8_t kind, const std::array<std::uint8_t, 4> &attributes,
                        const IniFile &background) {
    const QString section = HexByte(kind);
    // A malformed selector cannot say which bits to read, so the tile keeps its plain picture.
    const auto selector = ParseBitField(background.value(section, QStringLiteral("aff")));
    if (!selector)
        return section;
    const auto value = static_cast<std::uint8_t>(selector->valueIn(attributes[selector->byte]));
    return section + QLatin1Char('_') + HexByte(value);
}

} // namespace qv2

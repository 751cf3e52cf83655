#include "view/tile_picture_name.h"

#include "view_test_support.h"

#include <gtest/gtest.h>

using namespace qv2;

namespace {

TEST(TilePictureName, SelectorsAndMalformedEntries) {
    const IniFile background = viewtest::Ini({
        "[1a]", "aff=213",     // section names compare case-insensitively
        "[0A]", "aff=103",     // potion kind in byte 1, bits 0..2
        "[04]", "aff=101gate", // only the first three characters count
        "[02]", "aff=21",      // too short
        "[03]", "aff=2x3",     // not digits
        "[05]", "aff=413",     // no attribute byte 4
        "[06]", "aff=273",     // bits 7..9 do not fit a byte
        "[07]", "aff=200",     // a field without bits
        "[08]", "aff=",        // empty
    });
    const struct {
        const char *name;
        std::uint8_t kind;
        std::array<std::uint8_t, 4> attributes;
        const char *picture;
    } cases[] = {
        {"no section", 0x14, {}, "14"},
        {"selector from byte 2", 0x1A, {0, 0, 0x0E, 0}, "1A_07"},
        {"selector value zero", 0x1A, {0xFF, 0xFF, 0xF1, 0xFF}, "1A_00"},
        {"potion kind", 0x0A, {0, 0xFD, 0, 0}, "0A_05"},
        {"trailing text", 0x04, {0, 0x03, 0, 0}, "04_01"},
        {"too short", 0x02, {0xFF, 0xFF, 0xFF, 0xFF}, "02"},
        {"not digits", 0x03, {0xFF, 0xFF, 0xFF, 0xFF}, "03"},
        {"byte 4", 0x05, {0xFF, 0xFF, 0xFF, 0xFF}, "05"},
        {"beyond the byte", 0x06, {0xFF, 0xFF, 0xFF, 0xFF}, "06"},
        {"no bits", 0x07, {0xFF, 0xFF, 0xFF, 0xFF}, "07"},
        {"empty entry", 0x08, {0xFF, 0xFF, 0xFF, 0xFF}, "08"},
        {"highest kind", 0xFF, {}, "FF"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TilePictureName(c.kind, c.attributes, background).toStdString(), c.picture)
            << c.name;
}

// Background-list sections and picture files are named by two upper-case hex digits.
TEST(TilePictureName, HexByteIsTwoUpperCaseDigits) {
    const std::pair<std::uint8_t, const char *> cases[] = {
        {0x00, "00"}, {0x0A, "0A"}, {0xA0, "A0"}, {0xFF, "FF"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(HexByte(value), QLatin1String(text));
}

TEST(TileAttributes, ReadsTheFourBytesOfTheTile) {
    LevelStore level = viewtest::EmptyLevel();
    for (int k = 0; k < 4; ++k)
        level.setByte(TileAttributeAt(32, 2, 9, k), static_cast<std::uint8_t>(10 + k));
    EXPECT_EQ(TileAttributes(level, 32, 2, 9), (std::array<std::uint8_t, 4>{10, 11, 12, 13}));
    // A level shorter than the layout reads as zeros instead of past its end.
    EXPECT_EQ(TileAttributes(LevelStore(Bytes(100, 0xFF)), 32, 2, 9),
              (std::array<std::uint8_t, 4>{}));
}

} // namespace

#pragma once

// The value of one hexadecimal digit of either case, for every reader of hexadecimal text (number
// entry, rule scripts, tile kinds typed in the room view); -1 for any other character.
namespace qv2 {

constexpr int HexDigitValue(char32_t c) {
    if (c >= U'0' && c <= U'9')
        return static_cast<int>(c - U'0');
    if (c >= U'a' && c <= U'f')
        return static_cast<int>(c - U'a') + 10;
    if (c >= U'A' && c <= U'F')
        return static_cast<int>(c - U'A') + 10;
    return -1;
}

} // namespace qv2

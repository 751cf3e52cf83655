#pragma once

#include "level/level_store.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The dialogs that keep a working copy take a run of level bytes and put it back on OK.
namespace qv2 {

template <std::size_t N>
std::array<std::uint8_t, N> CopyLevelBytes(const LevelStore &level, std::size_t offset) {
    std::array<std::uint8_t, N> bytes;
    for (std::size_t i = 0; i < N; ++i)
        bytes[i] = level.byte(offset + i);
    return bytes;
}

template <std::size_t N>
void WriteLevelBytes(LevelStore &level, std::size_t offset,
                     const std::array<std::uint8_t, N> &bytes) {
    for (std::size_t i = 0; i < N; ++i)
        level.setByte(offset + i, bytes[i]);
}

} // namespace qv2

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv2 {

using Bytes = std::vector<std::uint8_t>;

// The bytes of the open level. Every access is bounds-checked: a read outside the level gives 0
// and a write outside is dropped, so a level shorter than the full layout can never lead to an
// access outside its own bytes.
class LevelStore {
  public:
    LevelStore() = default;
    explicit LevelStore(Bytes bytes) : m_bytes(std::move(bytes)) {}

    std::size_t size() const { return m_bytes.size(); }
    bool contains(std::size_t offset, std::size_t width = 1) const {
        return offset <= m_bytes.size() && width <= m_bytes.size() - offset;
    }

    std::uint8_t byte(std::size_t offset) const { return contains(offset) ? m_bytes[offset] : 0; }
    void setByte(std::size_t offset, std::uint8_t value) {
        if (contains(offset))
            m_bytes[offset] = value;
    }

    // Little-endian 16-bit fields; each byte is checked on its own.
    std::uint16_t word(std::size_t offset) const {
        return static_cast<std::uint16_t>(byte(offset) | (byte(offset + 1) << 8));
    }
    void setWord(std::size_t offset, std::uint16_t value) {
        setByte(offset, static_cast<std::uint8_t>(value & 0xFF));
        setByte(offset + 1, static_cast<std::uint8_t>(value >> 8));
    }

    const Bytes &bytes() const { return m_bytes; }
    void assign(Bytes bytes) { m_bytes = std::move(bytes); }

  private:
    Bytes m_bytes;
};

} // namespace qv2

#pragma once

#include "level/level_store.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qv2 {

// An archive file read only where its fields are. A save needs the archive's frame and one slot,
// not the whole file, which can be many megabytes; the archive functions read it as they read an
// image in memory. A byte that cannot be read reads as 0 and leaves the reason in error().
class ArchiveFileView {
  public:
    ArchiveFileView(int fd, std::uint64_t size) : m_fd(fd), m_size(size) {}

    std::uint64_t size() const { return m_size; }
    std::uint8_t operator[](std::uint64_t pos) const;
    // Reads `count` bytes at `pos` into `out`; false (with error() set) when they cannot be read.
    bool read(std::uint64_t pos, std::size_t count, std::uint8_t *out) const;
    const std::string &error() const { return m_error; }

  private:
    int m_fd;
    std::uint64_t m_size;
    struct Block {
        std::uint64_t start = 0;
        Bytes bytes;
    };
    // The blocks read last: the fields of the index and of a table lie side by side, and a lookup
    // walks the header, the index and a table more than once.
    mutable std::array<Block, 4> m_blocks;
    mutable std::size_t m_nextBlock = 0; // the one replaced next
    mutable std::string m_error;
};

} // namespace qv2

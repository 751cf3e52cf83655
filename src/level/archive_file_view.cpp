#include "level/archive_file_view.h"

#include "level/file_io.h"

#include <algorithm>

namespace qv2 {

namespace {

constexpr std::uint64_t kBlockSize = 4096;

} // namespace

std::uint8_t ArchiveFileView::operator[](std::uint64_t pos) const {
    for (const Block &block : m_blocks) {
        if (pos >= block.start && pos - block.start < block.bytes.size())
            return block.bytes[pos - block.start];
    }
    if (pos >= m_size)
        return 0;
    Block &block = m_blocks[m_nextBlock];
    m_nextBlock = (m_nextBlock + 1) % m_blocks.size();
    block.start = pos - pos % kBlockSize;
    block.bytes.resize(static_cast<std::size_t>(std::min(kBlockSize, m_size - block.start)));
    if (!read(block.start, block.bytes.size(), block.bytes.data())) {
        block.bytes.clear();
        return 0;
    }
    return block.bytes[pos - block.start];
}

bool ArchiveFileView::read(std::uint64_t pos, std::size_t count, std::uint8_t *out) const {
    std::string error = ReadAt(m_fd, pos, count, out);
    if (error.empty())
        return true;
    if (m_error.empty())
        m_error = std::move(error);
    return false;
}

} // namespace qv2

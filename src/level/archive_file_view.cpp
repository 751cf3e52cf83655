#include "level/archive_file_view.h"

#include "level/file_io.h"

#include <algorithm>

namespace qv2 {

namespace {

constexpr std::uint64_t kBlockSize = 4096;

} // namespace

std::uint8_t ArchiveFileView::operator[](std::uint64_t pos) const {
    if (pos >= m_blockStart && pos - m_blockStart < m_block.size())
        return m_block[pos - m_blockStart];
    if (pos >= m_size)
        return 0;
    const std::uint64_t start = pos - pos % kBlockSize;
    m_block.resize(static_cast<std::size_t>(std::min(kBlockSize, m_size - start)));
    m_blockStart = start;
    if (!read(start, m_block.size(), m_block.data())) {
        m_block.clear();
        return 0;
    }
    return m_block[pos - start];
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

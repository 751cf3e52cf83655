#include "level/archive.h"

#include "level/archive_file_view.h"

#include <algorithm>

namespace qv2 {

namespace {

constexpr std::uint64_t kTypeEntrySize = 6;
constexpr std::uint64_t kResourceEntrySize = 11;

// The one place that reads the archive's little-endian fields. Positions are 64-bit so that an
// index offset near 4 GiB plus a table offset cannot wrap around into the image. An image is the
// whole file in memory (Bytes) or a file read where its fields are (ArchiveFileView).
template <class Image>
bool ReadField(const Image &image, std::uint64_t pos, int width, std::uint32_t &value) {
    if (pos > image.size() || static_cast<std::uint64_t>(width) > image.size() - pos)
        return false;
    value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | image[pos + static_cast<std::uint64_t>(i)];
    return true;
}

// The checksum byte and the dataSize level bytes behind it lie inside the image.
template <class Image> bool DataInside(const Image &image, const ResourceEntry &entry) {
    const std::uint64_t end = std::uint64_t{entry.dataOffset} + 1 + entry.dataSize;
    return end <= image.size();
}

struct TablePlace {
    ArchiveStatus status = ArchiveStatus::NoIndex;
    std::uint64_t position = 0; // of the table's count field
    std::uint16_t count = 0;
};

// Walks the master index to the first type with a zero tag and reads its table's count.
template <class Image> TablePlace FindLevelTable(const Image &image) {
    std::uint32_t indexOffset = 0;
    std::uint32_t typeCount = 0;
    if (!ReadField(image, 0, 4, indexOffset) || !ReadField(image, indexOffset, 2, typeCount))
        return {ArchiveStatus::Damaged};
    for (std::uint32_t i = 0; i < typeCount; ++i) {
        const std::uint64_t at = std::uint64_t{indexOffset} + 2 + kTypeEntrySize * i;
        std::uint32_t tag = 0;
        std::uint32_t tableOffset = 0;
        if (!ReadField(image, at, 4, tag) || !ReadField(image, at + 4, 2, tableOffset))
            return {ArchiveStatus::Damaged};
        if (tag != 0)
            continue;
        const std::uint64_t position = std::uint64_t{indexOffset} + tableOffset;
        std::uint32_t count = 0;
        if (!ReadField(image, position, 2, count))
            return {ArchiveStatus::Damaged};
        return {ArchiveStatus::Found, position, static_cast<std::uint16_t>(count)};
    }
    return {ArchiveStatus::NoIndex};
}

template <class Image>
bool ReadResourceEntry(const Image &image, const TablePlace &table, std::uint32_t j,
                       ResourceEntry &entry) {
    const std::uint64_t at = table.position + 2 + kResourceEntrySize * j;
    std::uint32_t id = 0;
    std::uint32_t size = 0;
    // The three further bytes are never interpreted, but the entry must be there whole.
    std::uint32_t further = 0;
    if (!ReadField(image, at, 2, id) || !ReadField(image, at + 2, 4, entry.dataOffset) ||
        !ReadField(image, at + 6, 2, size) || !ReadField(image, at + 8, 3, further))
        return false;
    entry.id = static_cast<std::uint16_t>(id);
    entry.dataSize = static_cast<std::uint16_t>(size);
    return true;
}

template <class Image> LocateResult Locate(const Image &image, std::uint16_t id) {
    const TablePlace table = FindLevelTable(image);
    if (table.status != ArchiveStatus::Found)
        return {table.status, {}};
    for (std::uint32_t j = 0; j < table.count; ++j) {
        ResourceEntry entry;
        if (!ReadResourceEntry(image, table, j, entry))
            return {ArchiveStatus::Damaged, {}};
        if (entry.id != id)
            continue;
        if (!ArchiveFrame(image).holds(entry))
            return {ArchiveStatus::Damaged, entry};
        return {ArchiveStatus::Found, entry};
    }
    return {ArchiveStatus::NoLevel, {}};
}

// The archive's own parts, [begin, end) sorted and merged.
template <class Image>
std::vector<std::pair<std::uint64_t, std::uint64_t>> FrameParts(const Image &image) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> parts{{0, 4}};
    std::uint32_t indexOffset = 0;
    std::uint32_t typeCount = 0;
    if (ReadField(image, 0, 4, indexOffset) && ReadField(image, indexOffset, 2, typeCount)) {
        const std::uint64_t index = indexOffset;
        parts.emplace_back(index, index + 2 + kTypeEntrySize * typeCount);
        for (std::uint32_t i = 0; i < typeCount; ++i) {
            const std::uint64_t at = std::uint64_t{indexOffset} + 2 + kTypeEntrySize * i;
            std::uint32_t tableOffset = 0;
            std::uint32_t count = 0;
            if (!ReadField(image, at + 4, 2, tableOffset))
                break;
            const std::uint64_t table = std::uint64_t{indexOffset} + tableOffset;
            if (ReadField(image, table, 2, count))
                parts.emplace_back(table, table + 2 + kResourceEntrySize * count);
        }
    }
    std::sort(parts.begin(), parts.end());
    std::vector<std::pair<std::uint64_t, std::uint64_t>> merged;
    for (const auto &part : parts) {
        if (!merged.empty() && part.first <= merged.back().second)
            merged.back().second = std::max(merged.back().second, part.second);
        else
            merged.push_back(part);
    }
    return merged;
}

template <class Image> LevelTable ReadTable(const Image &image) {
    LevelTable result;
    const TablePlace table = FindLevelTable(image);
    result.status = table.status;
    if (table.status != ArchiveStatus::Found)
        return result;
    for (std::uint32_t j = 0; j < table.count; ++j) {
        ResourceEntry entry;
        if (!ReadResourceEntry(image, table, j, entry)) {
            result.status = ArchiveStatus::Damaged;
            break;
        }
        result.entries.push_back(entry);
    }
    return result;
}

// Stores the level bytes and tells whether the checksum byte matches them.
ReadStatus TakeLevelBytes(std::uint8_t checksum, Bytes bytes, LevelStore &level) {
    const std::uint8_t expected = ChecksumByteFor(bytes.data(), bytes.size());
    level.assign(std::move(bytes));
    return checksum == expected ? ReadStatus::ChecksumGood : ReadStatus::ChecksumBad;
}

} // namespace

LocateResult LocateLevelResource(const Bytes &image, std::uint16_t id) {
    return Locate(image, id);
}

LocateResult LocateLevelResource(const ArchiveFileView &file, std::uint16_t id) {
    return Locate(file, id);
}

LevelTable ReadLevelTable(const Bytes &image) {
    return ReadTable(image);
}

LevelTable ReadLevelTable(const ArchiveFileView &file) {
    return ReadTable(file);
}

ArchiveFrame::ArchiveFrame(const Bytes &image)
    : m_imageSize(image.size()), m_parts(FrameParts(image)) {}

ArchiveFrame::ArchiveFrame(const ArchiveFileView &file)
    : m_imageSize(file.size()), m_parts(FrameParts(file)) {}

bool ArchiveFrame::holds(const ResourceEntry &entry) const {
    const std::uint64_t begin = entry.dataOffset;
    const std::uint64_t end = begin + 1 + entry.dataSize;
    if (end > m_imageSize)
        return false;
    // The first part that ends after the data begins must begin at or after the data's end.
    const auto endsAfter = [](std::uint64_t at, const auto &part) { return at < part.second; };
    const auto after = std::upper_bound(m_parts.begin(), m_parts.end(), begin, endsAfter);
    return after == m_parts.end() || after->first >= end;
}

ReadStatus ReadLevelResource(const Bytes &image, const ResourceEntry &entry, LevelStore &level) {
    if (!DataInside(image, entry))
        return ReadStatus::Damaged;
    const auto first = image.begin() + static_cast<std::ptrdiff_t>(entry.dataOffset) + 1;
    return TakeLevelBytes(image[entry.dataOffset], Bytes(first, first + entry.dataSize), level);
}

ReadStatus ReadLevelResource(const ArchiveFileView &file, const ResourceEntry &entry,
                             LevelStore &level) {
    if (!DataInside(file, entry))
        return ReadStatus::Damaged;
    // The checksum byte and the level in one read.
    Bytes slot(std::size_t{1} + entry.dataSize);
    if (!file.read(entry.dataOffset, slot.size(), slot.data()))
        return ReadStatus::Damaged;
    const std::uint8_t checksum = slot.front();
    slot.erase(slot.begin());
    return TakeLevelBytes(checksum, std::move(slot), level);
}

WriteStatus WriteLevelResource(Bytes &image, const ResourceEntry &entry, const LevelStore &level) {
    if (!DataInside(image, entry))
        return WriteStatus::Damaged;
    std::uint8_t *slot = image.data() + entry.dataOffset + 1;
    const std::size_t count = std::min<std::size_t>(level.size(), entry.dataSize);
    std::copy_n(level.bytes().begin(), count, slot);
    image[entry.dataOffset] = ChecksumByteFor(slot, entry.dataSize);
    return WriteStatus::Written;
}

std::uint8_t ChecksumByteFor(const std::uint8_t *data, std::size_t size) {
    std::uint8_t sum = 0;
    for (std::size_t k = 0; k < size; ++k)
        sum = static_cast<std::uint8_t>(sum + data[k]);
    return static_cast<std::uint8_t>(0xFF - sum);
}

} // namespace qv2

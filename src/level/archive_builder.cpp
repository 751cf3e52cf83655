#include "level/archive_builder.h"

#include "level/archive.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace qv2 {

namespace {

void Put(Bytes &image, std::size_t pos, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        image[pos + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

constexpr std::size_t kHeaderSize = 4;
constexpr std::size_t kTypeEntrySize = 6;
constexpr std::size_t kResourceEntrySize = 11;

} // namespace

int ArchiveBuilder::addType(std::uint32_t tag) {
    m_types.push_back(Type{tag, {}, {}, {}});
    return static_cast<int>(m_types.size()) - 1;
}

int ArchiveBuilder::addResource(int type, std::uint16_t id, Bytes data, Checksum checksum) {
    auto &resources = m_types.at(static_cast<std::size_t>(type)).resources;
    resources.push_back(Resource{id, std::move(data), checksum, {}, {}});
    return static_cast<int>(resources.size()) - 1;
}

int ArchiveBuilder::addLevel(std::uint16_t id, Bytes data, Checksum checksum) {
    int type = -1;
    for (std::size_t t = 0; t < m_types.size() && type < 0; ++t)
        if (m_types[t].tag == 0)
            type = static_cast<int>(t);
    if (type < 0)
        type = addType(0);
    return addResource(type, id, std::move(data), checksum);
}

void ArchiveBuilder::setTableOffset(int type, std::uint16_t offset) {
    m_types.at(static_cast<std::size_t>(type)).tableOffset = offset;
}

void ArchiveBuilder::setResourceCount(int type, std::uint16_t count) {
    m_types.at(static_cast<std::size_t>(type)).count = count;
}

void ArchiveBuilder::setDataOffset(int type, int resource, std::uint32_t offset) {
    m_types.at(static_cast<std::size_t>(type))
        .resources.at(static_cast<std::size_t>(resource))
        .dataOffset = offset;
}

void ArchiveBuilder::setDataSize(int type, int resource, std::uint16_t size) {
    m_types.at(static_cast<std::size_t>(type))
        .resources.at(static_cast<std::size_t>(resource))
        .dataSize = size;
}

std::uint32_t ArchiveBuilder::dataOffsetOf(int type, int resource) const {
    std::size_t pos = kHeaderSize;
    for (int t = 0; t < static_cast<int>(m_types.size()); ++t) {
        const auto &resources = m_types[static_cast<std::size_t>(t)].resources;
        for (int r = 0; r < static_cast<int>(resources.size()); ++r) {
            if (t == type && r == resource)
                return static_cast<std::uint32_t>(pos);
            pos += 1 + resources[static_cast<std::size_t>(r)].data.size();
        }
    }
    if (type < 0)
        return static_cast<std::uint32_t>(pos);
    throw std::out_of_range("ArchiveBuilder: no such resource");
}

std::uint32_t ArchiveBuilder::indexOffset() const {
    return dataOffsetOf(-1, -1);
}

std::uint16_t ArchiveBuilder::trueTableOffset(int type) const {
    std::size_t offset = 2 + kTypeEntrySize * m_types.size();
    for (int t = 0; t < type; ++t)
        offset += 2 + kResourceEntrySize * m_types[static_cast<std::size_t>(t)].resources.size();
    if (offset > 0xFFFF)
        throw std::length_error("ArchiveBuilder: tables reach past a 16-bit table offset");
    return static_cast<std::uint16_t>(offset);
}

std::uint32_t ArchiveBuilder::tablePositionOf(int type) const {
    return indexOffset() + trueTableOffset(type);
}

Bytes ArchiveBuilder::build() const {
    const std::uint32_t index = indexOffset();
    const std::size_t size = index + trueTableOffset(static_cast<int>(m_types.size()));
    Bytes image(size, 0);
    Put(image, 0, m_indexOffset.value_or(index), 4);
    Put(image, index, m_typeCount.value_or(static_cast<std::uint16_t>(m_types.size())), 2);
    for (int t = 0; t < static_cast<int>(m_types.size()); ++t) {
        const Type &type = m_types[static_cast<std::size_t>(t)];
        const std::uint16_t tableOffset = trueTableOffset(t);
        const std::size_t typeEntry = index + 2 + kTypeEntrySize * static_cast<std::size_t>(t);
        Put(image, typeEntry, type.tag, 4);
        Put(image, typeEntry + 4, type.tableOffset.value_or(tableOffset), 2);
        const std::size_t table = index + tableOffset;
        Put(image, table, type.count.value_or(static_cast<std::uint16_t>(type.resources.size())),
            2);
        for (int r = 0; r < static_cast<int>(type.resources.size()); ++r) {
            const Resource &resource = type.resources[static_cast<std::size_t>(r)];
            const std::uint32_t data = dataOffsetOf(t, r);
            std::copy(resource.data.begin(), resource.data.end(), image.begin() + data + 1);
            std::uint8_t check = ChecksumByteFor(resource.data.data(), resource.data.size());
            if (resource.checksum == Checksum::Bad)
                check = static_cast<std::uint8_t>(check + 1);
            image[data] = check;
            const std::size_t entry = table + 2 + kResourceEntrySize * static_cast<std::size_t>(r);
            Put(image, entry, resource.id, 2);
            Put(image, entry + 2, resource.dataOffset.value_or(data), 4);
            Put(image, entry + 6,
                resource.dataSize.value_or(static_cast<std::uint16_t>(resource.data.size())), 2);
            std::copy(std::begin(kFurtherBytes), std::end(kFurtherBytes),
                      image.begin() + entry + 8);
        }
    }
    return image;
}

} // namespace qv2

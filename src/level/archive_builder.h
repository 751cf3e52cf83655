#pragma once

#include "level/level_store.h"

#include <cstdint>
#include <optional>
#include <vector>

// Writes level archives: header, resource data (in type and table order), master index, then the
// tables right after the index.
//     ArchiveBuilder b;
//     b.addType(tag);           // other resource types may come before the levels
//     b.addLevel(2000, bytes);  // into the first zero-tag type, added when there is none
//     Bytes image = b.build();
// The sample archive is made with it; tests also use it to break archives on purpose: the set
// functions make build() write those values instead of the true ones.
namespace qv2 {

enum class Checksum { Good, Bad };

class ArchiveBuilder {
  public:
    // Appends a type to the master index and returns its number; tag 0 marks the level type.
    int addType(std::uint32_t tag);
    // Appends a resource to the table of `type` and returns its number in that table.
    int addResource(int type, std::uint16_t id, Bytes data, Checksum checksum = Checksum::Good);
    // Appends a level to the first zero-tag type, adding one at the end of the index if none
    // exists.
    int addLevel(std::uint16_t id, Bytes data, Checksum checksum = Checksum::Good);

    // Ways to break the archive, for tests.
    void setIndexOffset(std::uint32_t offset) { m_indexOffset = offset; }
    void setTypeCount(std::uint16_t count) { m_typeCount = count; }
    void setTableOffset(int type, std::uint16_t offset);
    void setResourceCount(int type, std::uint16_t count);
    void setDataOffset(int type, int resource, std::uint32_t offset);
    void setDataSize(int type, int resource, std::uint16_t size);

    Bytes build() const;

    // Where build() puts things, for tests that look at the bytes (true values, not overrides).
    std::uint32_t dataOffsetOf(int type, int resource) const;
    std::uint32_t indexOffset() const;
    std::uint32_t tablePositionOf(int type) const; // absolute position of the table's count

    // The three bytes every entry carries after its size, to see that they survive a save.
    static constexpr std::uint8_t kFurtherBytes[3] = {0xA1, 0xB2, 0xC3};

  private:
    struct Resource {
        std::uint16_t id = 0;
        Bytes data;
        Checksum checksum = Checksum::Good;
        std::optional<std::uint32_t> dataOffset;
        std::optional<std::uint16_t> dataSize;
    };
    struct Type {
        std::uint32_t tag = 0;
        std::vector<Resource> resources;
        std::optional<std::uint16_t> tableOffset;
        std::optional<std::uint16_t> count;
    };
    std::uint16_t trueTableOffset(int type) const;

    std::vector<Type> m_types;
    std::optional<std::uint32_t> m_indexOffset;
    std::optional<std::uint16_t> m_typeCount;
};

} // namespace qv2

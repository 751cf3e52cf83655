#pragma once

#include "level/level_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Makes level archives for tests, well formed or broken on purpose, without Qt:
//     ArchiveBuilder b;
//     b.addLevel(2000, MakeFullLevel());
//     WriteFile(path, b.build());
// The image is laid out as header, resource data (in type and table order), master index, then
// the tables right after the index.
namespace qv2 {

enum class Checksum { Good, Bad };

class ArchiveBuilder {
public:
    // Appends a type to the master index and returns its number; tag 0 marks the level type.
    int addType(std::uint32_t tag);
    // Appends a resource to the table of `type` and returns its number in that table.
    int addResource(int type, std::uint16_t id, Bytes data, Checksum checksum = Checksum::Good);
    // Appends a level to the first zero-tag type, adding one at the end of the index if none exists.
    int addLevel(std::uint16_t id, Bytes data, Checksum checksum = Checksum::Good);

    // Ways to break the archive: build() writes these values instead of the true ones.
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

// A few level fields to set in a full-size level; everything else is zero.
struct LevelSketch {
    std::uint8_t startRoom = 1;
    std::uint8_t startTile = 0;
    std::uint8_t startDirection = 0;
    std::uint8_t levelType = 1;
    std::uint8_t levelNumber = 1;
    std::uint8_t firstTileKind = 0; // kind of room 1, row 0, column 0, to tell levels apart
};

// A level of the full layout size (11066 bytes) with the sketch's fields set.
Bytes MakeFullLevel(const LevelSketch &sketch = {});

// `size` bytes that differ from position to position and from seed to seed.
Bytes PatternBytes(std::size_t size, std::uint8_t seed);

// Whole-file helpers for tests. WriteFile returns false when the file could not be written;
// ReadFile returns nothing when it could not be read.
bool WriteFile(const std::string &path, const Bytes &bytes);
std::optional<Bytes> ReadFile(const std::string &path);

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::string &path() const { return m_path; }
    std::string file(const std::string &name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// An archive written into a fresh temporary folder, for tests that open and save real files.
class ArchiveOnDisk {
public:
    explicit ArchiveOnDisk(const ArchiveBuilder &builder, const std::string &name = "qasvar.dat");

    TempFolder folder;
    Bytes image; // the bytes as written
    std::string path;

    // Writes another file into the same folder and returns its path.
    std::string write(const std::string &name, const Bytes &bytes) const;
    // The names in the folder, sorted, to see that a save leaves nothing behind.
    std::vector<std::string> names() const;
};

} // namespace qv2

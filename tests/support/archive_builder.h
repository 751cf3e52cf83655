#pragma once

#include "level/archive_builder.h"
#include "level/level_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Inputs for tests, without Qt: full-size levels, byte patterns, files and folders. Archives are
// made with the ArchiveBuilder of the level library:
//     ArchiveBuilder b;
//     b.addLevel(2000, MakeFullLevel());
//     WriteFile(path, b.build());
namespace qv2 {

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

#include "support/archive_builder.h"

#include "level/archive.h"
#include "level/level_layout.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace qv2 {

Bytes MakeFullLevel(const LevelSketch &sketch) {
    LevelStore level(Bytes(kFullLevelSize, 0));
    level.setByte(kStartRoomOffset, sketch.startRoom);
    level.setByte(kStartTileOffset, sketch.startTile);
    level.setByte(kStartDirectionOffset, sketch.startDirection);
    level.setByte(kLevelTypeOffset, sketch.levelType);
    level.setByte(kLevelNumberOffset, sketch.levelNumber);
    level.setByte(TileKindAt(1, 0, 0), sketch.firstTileKind);
    return level.bytes();
}

Bytes PatternBytes(std::size_t size, std::uint8_t seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed * 31 + i * 7 + (i >> 8));
    return bytes;
}

bool WriteFile(const std::string &path, const Bytes &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

std::optional<Bytes> ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

TempFolder::TempFolder() {
    namespace fs = std::filesystem;
    std::random_device random;
    for (;;) {
        const fs::path candidate =
            fs::temp_directory_path() / ("qv2test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            m_path = candidate.string();
            return;
        }
    }
}

TempFolder::~TempFolder() {
    namespace fs = std::filesystem;
    std::error_code ec;
    // A test may have taken the write permission away; give it back so the folder can go.
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

ArchiveOnDisk::ArchiveOnDisk(const ArchiveBuilder &builder, const std::string &name)
    : image(builder.build()), path(write(name, image)) {}

std::string ArchiveOnDisk::write(const std::string &name, const Bytes &bytes) const {
    const std::string file = folder.file(name);
    if (!WriteFile(file, bytes))
        throw std::runtime_error("cannot write the test file " + file);
    return file;
}

std::vector<std::string> ArchiveOnDisk::names() const {
    std::vector<std::string> result;
    for (const auto &entry : std::filesystem::directory_iterator(folder.path()))
        result.push_back(entry.path().filename().string());
    std::sort(result.begin(), result.end());
    return result;
}

} // namespace qv2

#include "level/archive.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace qv2 {

namespace {

constexpr std::uint64_t kTypeEntrySize = 6;
constexpr std::uint64_t kResourceEntrySize = 11;

// The one place that reads the archive's little-endian fields. Positions are 64-bit so that an
// index offset near 4 GiB plus a table offset cannot wrap around into the image.
bool ReadField(const Bytes &image, std::uint64_t pos, int width, std::uint32_t &value)
{
    if (pos > image.size() || static_cast<std::uint64_t>(width) > image.size() - pos)
        return false;
    value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | image[pos + static_cast<std::uint64_t>(i)];
    return true;
}

// The checksum byte and the dataSize level bytes behind it lie inside the image.
bool DataInside(const Bytes &image, const ResourceEntry &entry)
{
    const std::uint64_t end = std::uint64_t{entry.dataOffset} + 1 + entry.dataSize;
    return end <= image.size();
}

struct TablePlace {
    ArchiveStatus status = ArchiveStatus::NoIndex;
    std::uint64_t position = 0; // of the table's count field
    std::uint16_t count = 0;
};

// Walks the master index to the first type with a zero tag and reads its table's count.
TablePlace FindLevelTable(const Bytes &image)
{
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

bool ReadResourceEntry(const Bytes &image, const TablePlace &table, std::uint32_t j,
                       ResourceEntry &entry)
{
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

std::string SystemReason(int error) { return std::generic_category().message(error); }

std::string WriteWhole(const Bytes &image, std::FILE *file)
{
    if (!image.empty() && std::fwrite(image.data(), 1, image.size(), file) != image.size())
        return SystemReason(errno);
    if (std::fflush(file) != 0)
        return SystemReason(errno);
#if defined(__unix__) || defined(__APPLE__)
    // The rename must not be able to land before the data does.
    if (fsync(fileno(file)) != 0)
        return SystemReason(errno);
#endif
    return {};
}

// Opens a fresh file beside the target; "x" refuses to reuse a name that already exists.
std::FILE *OpenTemporaryBeside(const std::string &target, std::string &tempPath, int &error)
{
    error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        tempPath = target + ".saving" + std::to_string(attempt);
        errno = 0;
        if (std::FILE *file = std::fopen(tempPath.c_str(), "wbx"))
            return file;
        error = errno;
    }
    return nullptr;
}

} // namespace

LoadedImage LoadArchiveImage(const std::string &path)
{
    LoadedImage loaded;
    errno = 0;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) {
        loaded.error = SystemReason(errno);
        return loaded;
    }
    std::uint8_t buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        loaded.image.insert(loaded.image.end(), buffer, buffer + got);
    if (std::ferror(file)) {
        loaded.error = SystemReason(errno);
        loaded.image.clear();
    }
    std::fclose(file);
    return loaded;
}

std::string SaveArchiveImage(const Bytes &image, const std::string &path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    // Save through a link into the file it names, not over the link itself.
    std::string target = path;
    if (fs::is_symlink(path, ec)) {
        const fs::path resolved = fs::canonical(path, ec);
        if (ec)
            return ec.message();
        target = resolved.string();
    }

    std::string tempPath;
    int openError = 0;
    std::FILE *file = OpenTemporaryBeside(target, tempPath, openError);
    if (!file)
        return SystemReason(openError);
    std::string error = WriteWhole(image, file);
    if (std::fclose(file) != 0 && error.empty())
        error = SystemReason(errno);
    if (error.empty()) {
        // Keep the archive's permissions; the fresh file was made with the default ones.
        const fs::file_status old = fs::status(target, ec);
        if (!ec && fs::exists(old))
            fs::permissions(tempPath, old.permissions(), ec);
        fs::rename(tempPath, target, ec);
        if (ec)
            error = ec.message();
    }
    if (!error.empty())
        fs::remove(tempPath, ec);
    return error;
}

LocateResult LocateLevelResource(const Bytes &image, std::uint16_t id)
{
    const TablePlace table = FindLevelTable(image);
    if (table.status != ArchiveStatus::Found)
        return {table.status, {}};
    for (std::uint32_t j = 0; j < table.count; ++j) {
        ResourceEntry entry;
        if (!ReadResourceEntry(image, table, j, entry))
            return {ArchiveStatus::Damaged, {}};
        if (entry.id != id)
            continue;
        if (!DataInside(image, entry))
            return {ArchiveStatus::Damaged, entry};
        return {ArchiveStatus::Found, entry};
    }
    return {ArchiveStatus::NoLevel, {}};
}

LevelTable ReadLevelTable(const Bytes &image)
{
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

ReadStatus ReadLevelResource(const Bytes &image, const ResourceEntry &entry, LevelStore &level)
{
    if (!DataInside(image, entry))
        return ReadStatus::Damaged;
    const auto first = image.begin() + static_cast<std::ptrdiff_t>(entry.dataOffset) + 1;
    Bytes bytes(first, first + entry.dataSize);
    const std::uint8_t expected = ChecksumByteFor(bytes.data(), bytes.size());
    level.assign(std::move(bytes));
    return image[entry.dataOffset] == expected ? ReadStatus::ChecksumGood : ReadStatus::ChecksumBad;
}

WriteStatus WriteLevelResource(Bytes &image, const ResourceEntry &entry, const LevelStore &level)
{
    if (!DataInside(image, entry))
        return WriteStatus::Damaged;
    std::uint8_t *slot = image.data() + entry.dataOffset + 1;
    const std::size_t count = std::min<std::size_t>(level.size(), entry.dataSize);
    std::copy_n(level.bytes().begin(), count, slot);
    image[entry.dataOffset] = ChecksumByteFor(slot, entry.dataSize);
    return WriteStatus::Written;
}

std::uint8_t ChecksumByteFor(const std::uint8_t *data, std::size_t size)
{
    std::uint8_t sum = 0;
    for (std::size_t k = 0; k < size; ++k)
        sum = static_cast<std::uint8_t>(sum + data[k]);
    return static_cast<std::uint8_t>(0xFF - sum);
}

} // namespace qv2

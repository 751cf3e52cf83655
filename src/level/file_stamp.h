#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>

namespace qv2 {

// Which file a name led to and how it stood then. A save that replaces a file makes a new one (a
// new inode); a write in place keeps the file and changes its time.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;

    bool sameFile(const FileStamp &other) const {
        return device == other.device && inode == other.inode;
    }
    bool operator==(const FileStamp &) const = default;
};

FileStamp StampOf(const struct stat &status);

// The stamp of the file `path` leads to (links followed); nothing when there is none.
std::optional<FileStamp> StampOfFile(const std::string &path);

} // namespace qv2

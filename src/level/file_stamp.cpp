#include "level/file_stamp.h"

namespace qv2 {

FileStamp StampOf(const struct stat &status) {
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                status.st_mtim.tv_nsec};
}

std::optional<FileStamp> StampOfFile(const std::string &path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return StampOf(status);
}

} // namespace qv2

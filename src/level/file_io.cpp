#include "level/file_io.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace qv2 {

std::string SystemReason(int error) { return std::generic_category().message(error); }

std::string ReadUpTo(int fd, std::size_t limit, Bytes &bytes)
{
    bytes.clear();
    std::uint8_t buffer[65536];
    while (bytes.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - bytes.size());
        const ssize_t got = read(fd, buffer, want);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return SystemReason(errno);
        if (got == 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    return {};
}

std::string ReadFileUpTo(const std::string &path, std::size_t limit, Bytes &bytes)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return SystemReason(errno);
    std::string error = ReadUpTo(fd, limit, bytes);
    close(fd);
    return error;
}

std::string WriteAll(int fd, const Bytes &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return SystemReason(errno);
        done += static_cast<std::size_t>(put);
    }
    return {};
}

std::string CheckMayChange(const std::string &path, const struct stat &status)
{
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return SystemReason(EACCES);
    if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return SystemReason(errno);
    return {};
}

} // namespace qv2

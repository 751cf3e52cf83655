#include "level/file_io.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace qv2 {

namespace {

const char *const kCutShort = "the file ended early: another program is changing it";

// Repeats a read or write of the bytes from `done` on until all `count` are done.
template <class Step> std::string Repeat(std::size_t count, Step step) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t moved = step(done);
        if (moved < 0 && errno == EINTR)
            continue;
        if (moved < 0)
            return SystemReason(errno);
        if (moved == 0)
            return kCutShort;
        done += static_cast<std::size_t>(moved);
    }
    return {};
}

} // namespace

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

std::string ReadUpTo(int fd, std::size_t limit, Bytes &bytes) {
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

namespace {

// Opens without waiting for a writer of a FIFO (without one, reading finds the end at once); reads
// then wait for data as usual.
int OpenForReading(const std::string &path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0)
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

template <class Read> std::string ReadOpened(const std::string &path, Read read) {
    const int fd = OpenForReading(path);
    if (fd < 0)
        return SystemReason(errno);
    std::string error = read(fd);
    close(fd);
    return error;
}

} // namespace

std::string ReadFileUpTo(const std::string &path, std::size_t limit, Bytes &bytes) {
    return ReadOpened(path, [&](int fd) { return ReadUpTo(fd, limit, bytes); });
}

std::string ReadWholeStream(int fd, std::size_t limit, Bytes &bytes) {
    bytes.clear();
    struct stat status {};
    if (fstat(fd, &status) != 0)
        return SystemReason(errno);
    if (S_ISDIR(status.st_mode))
        return SystemReason(EISDIR);
    // A file's size refuses it before any read, however sparse it is.
    if (S_ISREG(status.st_mode) && static_cast<std::uint64_t>(status.st_size) > limit)
        return SystemReason(EFBIG);
    std::string error = ReadUpTo(fd, limit + 1, bytes);
    if (error.empty() && bytes.size() > limit) {
        Bytes().swap(bytes);
        return SystemReason(EFBIG);
    }
    return error;
}

std::string ReadWholeFile(const std::string &path, std::size_t limit, Bytes &bytes) {
    bytes.clear();
    return ReadOpened(path, [&](int fd) { return ReadWholeStream(fd, limit, bytes); });
}

std::string WriteAll(int fd, const Bytes &bytes) {
    return Repeat(bytes.size(), [&](std::size_t done) {
        return write(fd, bytes.data() + done, bytes.size() - done);
    });
}

std::string ReadAt(int fd, std::uint64_t offset, std::size_t count, std::uint8_t *out) {
    return Repeat(count, [&](std::size_t done) {
        return pread(fd, out + done, count - done, static_cast<off_t>(offset + done));
    });
}

std::string WriteAt(int fd, std::uint64_t offset, const std::uint8_t *bytes, std::size_t count) {
    return Repeat(count, [&](std::size_t done) {
        return pwrite(fd, bytes + done, count - done, static_cast<off_t>(offset + done));
    });
}

std::string CopyFileStart(int from, std::uint64_t size, int to) {
    auto in = static_cast<off_t>(0);
    auto out = static_cast<off_t>(0);
    while (static_cast<std::uint64_t>(in) < size) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(size - in, 1u << 30));
        const ssize_t copied = copy_file_range(from, &in, to, &out, want, 0);
        if (copied > 0)
            continue;
        if (copied == 0)
            return kCutShort;
        if (errno == EINTR)
            continue;
        // Other file systems, or kernels without it: the same through a buffer.
        if (in != 0 ||
            (errno != EXDEV && errno != ENOSYS && errno != EOPNOTSUPP && errno != EINVAL))
            return SystemReason(errno);
        break;
    }
    if (static_cast<std::uint64_t>(in) >= size)
        return {};
    Bytes buffer(1 << 20);
    for (auto at = static_cast<std::uint64_t>(in); at < size; at += buffer.size()) {
        const auto count =
            static_cast<std::size_t>(std::min<std::uint64_t>(size - at, buffer.size()));
        std::string error = ReadAt(from, at, count, buffer.data());
        if (error.empty())
            error = WriteAt(to, at, buffer.data(), count);
        if (!error.empty())
            return error;
    }
    return {};
}

std::string CheckMayChange(const std::string &path, const struct stat &status) {
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return SystemReason(EACCES);
    if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return SystemReason(errno);
    return {};
}

} // namespace qv2

#include "level/locked_file.h"

#include "level/file_io.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace qv2 {

LockedFile::LockedFile(const std::string &path, Mode mode, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (openOnce(path, mode) && lockUntil(mode, deadline)) {
        if (stillNamed())
            return;
        // Another save replaced the file while this one waited: lock the file the name has now.
        close();
        if (std::chrono::steady_clock::now() >= deadline) {
            fail(Problem::Busy, SystemReason(EWOULDBLOCK));
            return;
        }
    }
}

LockedFile::~LockedFile() {
    close();
}

bool LockedFile::openOnce(const std::string &path, Mode mode) {
    // A save renames a new file over the file itself, not over a link to it; a read needs only a
    // name that stat() follows to the file.
    m_path = path;
    if (mode == Mode::Save) {
        char *resolved = realpath(path.c_str(), nullptr);
        if (!resolved)
            return fail(Problem::CantRead, SystemReason(errno));
        m_path = resolved;
        std::free(resolved);
    }

    // Only a regular file is an archive; opening a pipe or a device could wait or act on it.
    struct stat named {};
    if (stat(m_path.c_str(), &named) != 0)
        return fail(Problem::CantRead, SystemReason(errno));
    if (S_ISDIR(named.st_mode))
        return fail(Problem::CantRead, SystemReason(EISDIR));
    if (!S_ISREG(named.st_mode))
        return fail(Problem::CantRead, "not a regular file");
    if (mode == Mode::Save) {
        if (faccessat(AT_FDCWD, m_path.c_str(), R_OK, AT_EACCESS) != 0)
            return fail(Problem::CantRead, SystemReason(errno));
        if (std::string denied = CheckMayChange(m_path, named); !denied.empty())
            return fail(Problem::CantWrite, std::move(denied));
    }

    m_fd = open(m_path.c_str(), (mode == Mode::Save ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0)
        return fail(Problem::CantRead, SystemReason(errno));
    if (fstat(m_fd, &m_status) != 0)
        return fail(Problem::CantRead, SystemReason(errno));
    if (!S_ISREG(m_status.st_mode))
        return fail(Problem::CantRead, "not a regular file");
    return true;
}

bool LockedFile::lockUntil(Mode mode, std::chrono::steady_clock::time_point deadline) {
    const int kind = mode == Mode::Save ? LOCK_EX : LOCK_SH;
    for (;;) {
        if (flock(m_fd, kind | LOCK_NB) == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return fail(Problem::CantRead, SystemReason(errno));
        if (std::chrono::steady_clock::now() >= deadline)
            return fail(Problem::Busy, SystemReason(EWOULDBLOCK));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool LockedFile::stillNamed() const {
    struct stat named {};
    return stat(m_path.c_str(), &named) == 0 && named.st_dev == m_status.st_dev &&
           named.st_ino == m_status.st_ino;
}

bool LockedFile::refreshStatus() {
    if (fstat(m_fd, &m_status) != 0)
        return fail(Problem::CantRead, SystemReason(errno));
    if (static_cast<std::uint64_t>(m_status.st_size) > kLargestArchive)
        return fail(Problem::CantRead, SystemReason(EFBIG));
    return true;
}

bool LockedFile::fail(Problem problem, std::string reason) {
    close();
    m_problem = problem;
    m_reason = std::move(reason);
    return false;
}

void LockedFile::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

} // namespace qv2

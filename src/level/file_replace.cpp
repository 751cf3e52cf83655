#include "level/file_replace.h"

#include "level/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace qv2 {

namespace {

constexpr int kNameAttempts = 100;
const std::string kSavingMark = ".saving";

std::string TempName(const std::string &name, int attempt) {
    return name + kSavingMark + std::to_string(getpid()) + std::to_string(attempt);
}

// A folder the user may not write (or another refusal of the same kind) only means that this way
// would not keep the file; anything else is a failure of the save itself.
ReplaceResult Refused(int error, const struct stat *old) {
    if (old && (error == EACCES || error == EPERM || error == EROFS))
        return {ReplaceOutcome::IdentityWouldChange, {}};
    return {ReplaceOutcome::Failed, SystemReason(error)};
}

// An unnamed file in the folder; where the file system has none, a named one made exclusively.
int OpenTemp(int folder, const std::string &name, mode_t mode, std::string &named) {
    named.clear();
    const int fd = openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string candidate = TempName(name, attempt);
        const int flags = O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC;
        const int made = openat(folder, candidate.c_str(), flags, mode);
        if (made >= 0)
            named = candidate;
        if (made >= 0 || errno != EEXIST)
            return made;
    }
    return -1;
}

// Gives the complete unnamed file a name of its own beside the target, for the rename.
int GiveName(int fd, int folder, const std::string &name, std::string &named) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string candidate = TempName(name, attempt);
        // Through /proc for everyone; AT_EMPTY_PATH where /proc is missing needs privileges.
        if (linkat(AT_FDCWD, self.c_str(), folder, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            (errno != EEXIST && linkat(fd, "", folder, candidate.c_str(), AT_EMPTY_PATH) == 0)) {
            named = candidate;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

// Group, content and mode of the new file, on disk.
ReplaceResult Fill(int fd, const struct stat *old, const ContentWriter &write) {
    if (old) {
        struct stat made {};
        if (fstat(fd, &made) != 0)
            return {ReplaceOutcome::Failed, SystemReason(errno)};
        if (made.st_gid != old->st_gid && fchown(fd, static_cast<uid_t>(-1), old->st_gid) != 0)
            return {ReplaceOutcome::IdentityWouldChange, {}};
    }
    std::string error = write(fd);
    if (error.empty() && old && fchmod(fd, old->st_mode & 07777) != 0)
        error = SystemReason(errno);
    if (error.empty() && fsync(fd) != 0)
        error = SystemReason(errno);
    if (!error.empty())
        return {ReplaceOutcome::Failed, std::move(error)};
    return {};
}

ReplaceResult ReplaceIn(int folder, const std::string &name, const struct stat *old,
                        const ContentWriter &write) {
    // Made no wider than the file it replaces; a new file as any new file of this user.
    const mode_t mode = old ? (old->st_mode & 0600) : 0666;
    std::string named;
    const int fd = OpenTemp(folder, name, mode, named);
    if (fd < 0)
        return Refused(errno, old);
    ReplaceResult result = Fill(fd, old, write);
    if (result.outcome == ReplaceOutcome::Replaced && named.empty()) {
        if (const int error = GiveName(fd, folder, name, named); error != 0)
            result = {ReplaceOutcome::Failed, SystemReason(error)};
    }
    if (result.outcome == ReplaceOutcome::Replaced &&
        renameat(folder, named.c_str(), folder, name.c_str()) != 0)
        result = {ReplaceOutcome::Failed, SystemReason(errno)};
    if (result.outcome == ReplaceOutcome::Replaced)
        fsync(folder); // the rename is done and cannot be taken back; this only hastens it to disk
    else if (!named.empty())
        unlinkat(folder, named.c_str(), 0);
    close(fd);
    return result;
}

std::string FolderOf(const std::string &path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

std::string WriteInto(const std::string &path, const Bytes &bytes, int flags) {
    const int fd = open(path.c_str(), flags | O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return SystemReason(errno);
    std::string error = WriteAll(fd, bytes);
    if (error.empty() && (flags & O_TRUNC) && fsync(fd) != 0)
        error = SystemReason(errno);
    if (close(fd) != 0 && error.empty())
        error = SystemReason(errno);
    return error;
}

} // namespace

ReplaceResult ReplaceFile(const std::string &target, const struct stat *old, const Bytes &bytes) {
    return ReplaceFile(target, old, [&bytes](int fd) { return WriteAll(fd, bytes); });
}

ReplaceResult ReplaceFile(const std::string &target, const struct stat *old,
                          const ContentWriter &write) {
    if (old && (old->st_nlink != 1 || old->st_uid != geteuid()))
        return {ReplaceOutcome::IdentityWouldChange, {}};
    const int folder = open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return Refused(errno, old);
    const std::string name = std::filesystem::path(target).filename().string();
    ReplaceResult result = ReplaceIn(folder, name, old, write);
    close(folder);
    return result;
}

std::string PatchInPlace(int fd, std::uint64_t offset, const std::uint8_t *bytes,
                         std::size_t size) {
    if (std::string error = WriteAt(fd, offset, bytes, size); !error.empty())
        return error;
    return fsync(fd) == 0 ? std::string() : SystemReason(errno);
}

void RemoveSaveLeftovers(const std::string &target) {
    const std::string prefix = std::filesystem::path(target).filename().string() + kSavingMark;
    DIR *dir = opendir(FolderOf(target).c_str());
    if (!dir)
        return;
    while (const dirent *entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
            !std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                         [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        struct stat status {};
        if (fstatat(dirfd(dir), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode))
            unlinkat(dirfd(dir), name.c_str(), 0);
    }
    closedir(dir);
}

std::string WriteWholeFile(const std::string &path, const Bytes &bytes) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        if (errno != ENOENT)
            return SystemReason(errno);
        return ReplaceFile(path, nullptr, bytes).error;
    }
    if (!S_ISREG(status.st_mode))
        return WriteInto(path, bytes, 0);
    if (std::string denied = CheckMayChange(path, status); !denied.empty())
        return denied;
    char *resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return SystemReason(errno);
    const std::string target = resolved;
    std::free(resolved);
    const ReplaceResult replaced = ReplaceFile(target, &status, bytes);
    if (replaced.outcome != ReplaceOutcome::IdentityWouldChange)
        return replaced.error;
    return WriteInto(target, bytes, O_TRUNC);
}

} // namespace qv2

#pragma once

#include "level/level_store.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace qv2 {

// The furthest byte an archive field can name: a 32-bit data offset, the checksum byte and a
// 16-bit data size. A larger file is no archive.
inline constexpr std::uint64_t kLargestArchive = 0xFFFFFFFFull + 1 + 0xFFFF;

// How long a command waits while another program saves the same archive before it gives up.
inline constexpr std::chrono::milliseconds kArchiveLockWait{3000};

// An archive file, open and locked for the length of one command. Reading takes a shared lock and
// saving an exclusive one, so no reader sees half a save and no save starts from a copy that
// another save is about to replace. The editor and qv2lev both lock this way.
//
// The lock is an flock() on the file itself: it belongs to this open file, works on any descriptor
// and goes with the process. A save that replaces the file renames a new one over the name, and
// a lock on the old file does not hold back a program that opens the new one; so a program that
// waited checks, once it has the lock, that the name still leads to the file it locked, and
// otherwise starts again on the new file.
class LockedFile {
  public:
    enum class Mode { Read, Save };
    enum class Problem { None, CantRead, CantWrite, Busy };

    // Follows links to the file itself. Only a regular file is opened; for Save it must be one
    // the user may change (CheckMayChange). Waits at most `wait` for the lock.
    LockedFile(const std::string &path, Mode mode, std::chrono::milliseconds wait);
    ~LockedFile();
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;

    Problem problem() const { return m_problem; }
    const std::string &reason() const { return m_reason; } // the system's words for the problem

    int fd() const { return m_fd; }
    const std::string &path() const { return m_path; } // for Save with the links resolved
    const struct stat &status() const { return m_status; }

    // Takes the file's status (size, links, mode) as it is now that no other save can change it;
    // a file larger than kLargestArchive is refused.
    bool refreshStatus();

  private:
    bool openOnce(const std::string &path, Mode mode);
    bool lockUntil(Mode mode, std::chrono::steady_clock::time_point deadline);
    bool stillNamed() const;
    bool fail(Problem problem, std::string reason);
    void close();

    int m_fd = -1;
    std::string m_path;
    struct stat m_status {};
    Problem m_problem = Problem::None;
    std::string m_reason;
};

} // namespace qv2

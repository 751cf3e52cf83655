#pragma once

#include "level/level_store.h"

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Putting new content into a file so that it stays the same file to its users.
namespace qv2 {

enum class ReplaceOutcome {
    Replaced,            // the new content has the name and is on disk
    IdentityWouldChange, // a new file would not be the same file to its users: nothing was done
    Failed,              // the system refused (error says why); the file is as it was
};

struct ReplaceResult {
    ReplaceOutcome outcome = ReplaceOutcome::Replaced;
    std::string error;
};

// Writes `bytes` into a new file in the target's folder and renames it over the target once it is
// complete and on disk, then makes the folder's entry durable. `old` is the target's status, or
// null when there is no such file yet. The new file gets the old one's mode (it is never wider
// while it is written) and group. It would not be the same file when the old one has other hard
// links or another owner, or when the folder may not be written: then nothing is done.
// The new file has no name until it is complete (O_TMPFILE), so a killed save leaves nothing;
// where the file system has no unnamed files it is `name.saving<digits>` meanwhile.
ReplaceResult ReplaceFile(const std::string &target, const struct stat *old, const Bytes &bytes);

// The same with the new file's content written by `write` into the descriptor it is given; it
// returns the system's words for a failure, empty on success.
using ContentWriter = std::function<std::string(int fd)>;
ReplaceResult ReplaceFile(const std::string &target, const struct stat *old,
                          const ContentWriter &write);

// Writes `size` bytes at `offset` of the open file and waits until they are on disk.
std::string PatchInPlace(int fd, std::uint64_t offset, const std::uint8_t *bytes, std::size_t size);

// Removes the `name.saving<digits>` files that killed saves of `target` left beside it. Only for a
// caller that holds the archive's exclusive lock: then no live save of it owns such a file.
void RemoveSaveLeftovers(const std::string &target);

// Writes a whole file (a level file, a new archive). A pipe, terminal or device is written to as it
// is, never replaced; a regular file is replaced as above, or overwritten in place when a new file
// would not be the same file. A file the user may not change (CheckMayChange) is refused.
std::string WriteWholeFile(const std::string &path, const Bytes &bytes);

} // namespace qv2

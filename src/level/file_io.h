#pragma once

#include "level/level_store.h"

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <string>

// The few plain file operations under the archive code: bounded reads, complete writes and the
// rule of which files the user may change. Errors come back as the system's words, empty on
// success.
namespace qv2 {

std::string SystemReason(int error);

// Reads from the descriptor until its end or until `limit` bytes are in `bytes`, whichever comes
// first, so a device or pipe without end cannot exhaust the memory.
std::string ReadUpTo(int fd, std::size_t limit, Bytes &bytes);

// The same for a file by its name (a pipe or device included). Opening a FIFO does not wait for a
// writer.
std::string ReadFileUpTo(const std::string &path, std::size_t limit, Bytes &bytes);

// Reads a whole input that no honest file makes longer than `limit` bytes (see read_limits.h). A
// longer one is refused with the system's "File too large": by its size before any read when it
// is a file (a huge sparse one costs nothing), otherwise once the limit is passed (a device or
// pipe without end). A folder is refused too.
std::string ReadWholeStream(int fd, std::size_t limit, Bytes &bytes);
std::string ReadWholeFile(const std::string &path, std::size_t limit, Bytes &bytes);

// Writes all of `bytes` at the descriptor's position.
std::string WriteAll(int fd, const Bytes &bytes);

// Reads exactly `count` bytes at `offset`; a file that ends before them is an error too.
std::string ReadAt(int fd, std::uint64_t offset, std::size_t count, std::uint8_t *out);

// Writes `count` bytes at `offset`.
std::string WriteAt(int fd, std::uint64_t offset, const std::uint8_t *bytes, std::size_t count);

// Copies the first `size` bytes of one file into another from its start, in the kernel where the
// file system can (without passing through this program, or as a clone of the blocks), otherwise
// through a small buffer. A source that ends before `size` is an error.
std::string CopyFileStart(int from, std::uint64_t size, int to);

// Whether the user may change the existing file `path` with this status. A file without any write
// permission bit is read-only for everyone: root could write it, but someone made it read-only on
// purpose. Otherwise the system's access check decides (read-only file systems included).
std::string CheckMayChange(const std::string &path, const struct stat &status);

} // namespace qv2

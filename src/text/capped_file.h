#pragma once

#include "level/level_store.h"

#include <QString>

#include <cstddef>

namespace qv2 {

// Reads a whole file of at most `limit` bytes (see ReadWholeFile and read_limits.h); the error, in
// the system's words, is empty on success.
QString ReadCappedFile(const QString &path, std::size_t limit, Bytes &bytes);

// Reads at most the first `head` bytes of a file.
QString ReadFileHead(const QString &path, std::size_t head, Bytes &bytes);

} // namespace qv2

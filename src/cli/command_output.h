#pragma once

#include "level/level_store.h"

#include <iosfwd>
#include <string>

// Where the commands' results go: a file that is never the archive they read, and a standard
// output whose last write is checked before the program says it is done.
namespace qv2 {

// Writes `bytes` into the output file `file` as WriteWholeFile does; refused, with nothing written,
// when `file` is the archive itself (the same file on the same device, also through links or under
// another name). Tells on `err` what went wrong; gives the exit status.
int WriteOutputFile(const std::string &file, const Bytes &bytes, const std::string &archive,
                    std::ostream &err);

// Flushes and closes the program's standard output at its end. When something written to it was
// lost (a full disk, a closed pipe), tells so on `err` and gives status 2; otherwise `status`.
int FinishStandardOutput(int status, std::ostream &err);

} // namespace qv2

#include "cli/command_output.h"

#include "cli/cli_command.h"
#include "level/file_io.h"
#include "level/file_replace.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

#include <sys/stat.h>

namespace qv2 {

namespace {

bool IsSameFile(const std::string &one, const std::string &other) {
    struct stat first {};
    struct stat second {};
    return stat(one.c_str(), &first) == 0 && stat(other.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

int WriteOutputFile(const std::string &file, const Bytes &bytes, const std::string &archive,
                    std::ostream &err) {
    if (IsSameFile(file, archive)) {
        err << "qv2lev: " << file << " is the archive " << archive
            << " itself; nothing was written\n";
        return kExitFailed;
    }
    const std::string error = WriteWholeFile(file, bytes);
    if (!error.empty()) {
        err << "qv2lev: cannot write " << file << ": " << error << '\n';
        return kExitFailed;
    }
    return kExitDone;
}

int FinishStandardOutput(int status, std::ostream &err) {
    std::cout.flush();
    errno = 0;
    const bool flushed = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    int error = errno;
    // A standard output that was closed before the start holds nothing that could be lost.
    const bool closed = std::fclose(stdout) == 0 || (flushed && errno == EBADF);
    if (flushed && closed)
        return status;
    if (flushed)
        error = errno;
    err << "qv2lev: cannot write the standard output"
        << (error != 0 ? ": " + SystemReason(error) : std::string()) << '\n';
    return kExitFailed;
}

} // namespace qv2

#pragma once

#include "cli/cli_command.h"
#include "support/archive_builder.h"

#include <cstdlib>
#include <sstream>
#include <string>

#include <sys/wait.h>

namespace qv2 {

// What a qv2lev command printed and the exit status it gave, called directly.
struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

inline CommandRun Call(CommandFunction command, const CommandArgs &args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(args, out, err);
    return {status, out.str(), err.str()};
}

// The same for a program run through the shell: `line` is the command, its standard output goes
// to `output` when given (and is not kept), otherwise it is kept as `out`.
inline CommandRun RunProgram(const std::string &line, const std::string &output = {}) {
    const TempFolder folder;
    const std::string out = output.empty() ? folder.file("out") : output;
    const int status = std::system((line + " >" + out + " 2>" + folder.file("err")).c_str());
    const auto text = [](const std::optional<Bytes> &bytes) {
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            output.empty() ? text(ReadFile(out)) : std::string(),
            text(ReadFile(folder.file("err")))};
}

} // namespace qv2

#pragma once

#include "cli/cli_command.h"

#include <sstream>
#include <string>

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

} // namespace qv2

// qv2lev-draw: the commands of qv2lev that draw, which need Qt's GUI library. qv2lev starts it in
// its own place, with the same line.
#include "cli/overview_command.h"
#include "cli/program_main.h"
#include "cli/render_command.h"

namespace {

constexpr qv2::CommandEntry kCommands[] = {
    {"render", qv2::RenderRoom},
    {"overview", qv2::WriteOverview},
};

} // namespace

int main(int argc, char **argv) {
    return qv2::RunProgramLine(argc, argv, kCommands);
}

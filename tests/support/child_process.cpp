#include "support/child_process.h"

#include <filesystem>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qv2 {

pid_t StartChild(const std::function<int()> &work) {
    const pid_t child = fork();
    if (child == 0)
        _exit(work()); // no test framework clean-up in the child
    return child;
}

ChildEnd WaitForChild(pid_t child) {
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return {};
    if (WIFSIGNALED(status))
        return {-1, WTERMSIG(status)};
    return {WEXITSTATUS(status), 0};
}

bool GiveToOrdinaryUser(const TempFolder &folder) {
    if (geteuid() != 0)
        return true;
    bool given = lchown(folder.path().c_str(), kNobody, kNogroup) == 0;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder.path()))
        given = lchown(entry.path().c_str(), kNobody, kNogroup) == 0 && given;
    return given;
}

ChildEnd RunAsOrdinaryUser(const std::function<int()> &work) {
    const bool root = geteuid() == 0;
    return WaitForChild(StartChild([&] {
        if (root && (setgroups(0, nullptr) != 0 || setgid(kNogroup) != 0 || setuid(kNobody) != 0))
            return 125;
        return work();
    }));
}

} // namespace qv2

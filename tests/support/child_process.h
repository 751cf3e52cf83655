#pragma once

#include "support/archive_builder.h"

#include <sys/types.h>

#include <functional>

// Child processes for tests of what happens between programs: two saves at once, a save that is
// killed, a save by an ordinary user while the tests run as root. A child only computes and
// exits with what its work returns; the test checks in the parent.
namespace qv2 {

struct ChildEnd {
    int status = -1; // exit status, or -1 when a signal ended the child
    int signal = 0;
};

// Forks a child that runs `work` and exits with its result.
pid_t StartChild(const std::function<int()> &work);
ChildEnd WaitForChild(pid_t child);

// As root, gives the folder and all in it to the user nobody, for RunAsOrdinaryUser; otherwise
// the folder is this user's already. Returns false when it could not.
bool GiveToOrdinaryUser(const TempFolder &folder);

// Runs `work` in a child process as an ordinary user and waits for it: as root the child becomes
// nobody, otherwise it stays this user.
ChildEnd RunAsOrdinaryUser(const std::function<int()> &work);

// The user and group nobody, to own files of "another user".
inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNogroup = 65534;

} // namespace qv2

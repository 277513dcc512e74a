#pragma once

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Runs check as a user without privileges, so that a folder's permissions
// hold for it (root passes every permission check): in a child process as
// "nobody" when the tests run as root. Returns check's result.
inline bool AsUnprivilegedUser(const std::function<bool()>& check) {
    if (::geteuid() != 0) {
        return check();
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && check();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#pragma once

#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

// Runs check in a child process that has given up root rights (permissions
// mean nothing to root) and tells whether it returned true.
template <typename Check> bool AsUnprivilegedUser(Check check)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace testing_support

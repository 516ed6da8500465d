#pragma once
// Runs a check in a child process of its own, so that a call that would block for ever or
// change the process (its rights, its limits) fails the test instead of hanging or tainting it.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace kemora::testing_support {

// Runs `check` in a child process and returns what it returned. A child that crashes, or that
// has not ended after `seconds` (an alarm ends it then), counts as false.
inline bool RunInChild(const std::function<bool()>& check, unsigned seconds = 20) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGALRM, SIG_DFL);
        ::alarm(seconds);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kemora::testing_support

#pragma once
// Runs a check as an ordinary user, so that folder permissions hold also when the tests run
// as root (as they do on the build machines).

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace kemora::testing_support {

// Runs `check` in a child process that has given up root rights (user nobody when started as
// root, unchanged otherwise) and returns what it returned. A child that cannot drop its
// rights or that crashes counts as false.
inline bool RunUnprivileged(const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kemora::testing_support

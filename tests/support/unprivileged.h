#pragma once
// Runs a check as an ordinary user, so that folder permissions hold also when the tests run
// as root (as they do on the build machines).

#include <unistd.h>

#include <functional>

#include "support/child_process.h"

namespace kemora::testing_support {

// The user and group a test started as root gives its rights away to: nobody, nogroup.
inline constexpr uid_t kUnprivilegedUser = 65534;
inline constexpr gid_t kUnprivilegedGroup = 65534;

// Runs `check` in a child process that has given up root rights (user nobody when started as
// root, unchanged otherwise) and returns what it returned. A child that cannot drop its
// rights, that crashes or that hangs counts as false.
inline bool RunUnprivileged(const std::function<bool()>& check) {
    return RunInChild([&] {
        if (::geteuid() == 0 &&
            (::setgid(kUnprivilegedGroup) != 0 || ::setuid(kUnprivilegedUser) != 0))
            return false;
        return check();
    });
}

}  // namespace kemora::testing_support

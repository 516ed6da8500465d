// For C libraries that declare getrandom but do not provide it: the bytes come from
// getentropy, which such a library fills from its platform's random source and which never
// blocks there. At most 256 bytes per call, far more than a temporary name takes.
#include <unistd.h>

#include <cstddef>

// After <cstddef>: some C libraries' header uses size_t without declaring it.
#include <sys/random.h>

extern "C" ssize_t getrandom(void* buffer, size_t length, unsigned /*flags*/) {
    return ::getentropy(buffer, length) == 0 ? static_cast<ssize_t>(length) : -1;
}

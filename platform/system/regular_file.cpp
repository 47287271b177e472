#include "platform/system/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

int OpenRegularFile(const std::string& path) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return -1;
    struct stat status {};
    int error = 0;
    if (fstat(descriptor, &status) != 0)
        error = errno;
    else if (S_ISDIR(status.st_mode))
        error = EISDIR;
    else if (!S_ISREG(status.st_mode))
        error = ENODEV;
    else if (fcntl(descriptor, F_SETFL, 0) != 0)
        error = errno;
    if (error == 0)
        return descriptor;
    close(descriptor);
    errno = error;
    return -1;
}

} // namespace platform

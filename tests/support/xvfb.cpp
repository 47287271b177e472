#include "tests/support/xvfb.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

namespace {

// Reads the display number Xvfb writes once it accepts connections; empty when it ends or
// stays silent for twenty seconds.
std::string ReadDisplayNumber(int pipe) {
    std::string number;
    for (;;) {
        pollfd readable{pipe, POLLIN, 0};
        if (poll(&readable, 1, 20000) <= 0)
            return {};
        char c = 0;
        const ssize_t got = read(pipe, &c, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || c == '\n')
            return number;
        number += c;
    }
}

} // namespace

TVirtualDisplay::TVirtualDisplay() {
    int report[2];
    if (pipe(report) != 0)
        throw std::runtime_error("Cannot make a pipe for Xvfb");
    FServer = fork();
    if (FServer == 0) {
        // The server goes with the test, also when the test dies.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(report[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);
        const std::string descriptor = std::to_string(report[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", descriptor.c_str(), "-noreset", "-screen", "0",
               "1024x768x24", "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(report[1]);
    const std::string number = FServer > 0 ? ReadDisplayNumber(report[0]) : std::string();
    close(report[0]);
    if (number.empty()) {
        StopServer();
        throw std::runtime_error("Xvfb did not start");
    }
    FName = ":" + number;
    if (const char* previous = std::getenv("DISPLAY")) {
        FPrevious = previous;
        FHadPrevious = true;
    }
    setenv("DISPLAY", FName.c_str(), 1);
}

TVirtualDisplay::~TVirtualDisplay() {
    if (FHadPrevious)
        setenv("DISPLAY", FPrevious.c_str(), 1);
    else if (!FName.empty())
        unsetenv("DISPLAY");
    StopServer();
}

void TVirtualDisplay::StopServer() {
    if (FServer <= 0)
        return;
    kill(FServer, SIGTERM);
    while (waitpid(FServer, nullptr, 0) < 0 && errno == EINTR) {
    }
    FServer = -1;
}

} // namespace testsupport

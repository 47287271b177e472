#include "platform/shell/spawn.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace shell {

namespace {

// Between fork and exec only async-signal-safe calls are made: the parent may have threads.
[[noreturn]] void Fail(int pipe, int error) {
    while (write(pipe, &error, sizeof error) < 0 && errno == EINTR) {
    }
    _exit(127);
}

// Ignored signals and the blocked mask survive exec; the program gets the defaults.
void ResetSignals() {
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) {
        struct sigaction current {};
        if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN)
            sigaction(signal, &standard, nullptr);
    }
}

[[noreturn]] void RunGrandchild(int pipe, char* const* argv, const char* directory) {
    if (setsid() < 0)
        Fail(pipe, errno);
    const pid_t grandchild = fork();
    if (grandchild < 0)
        Fail(pipe, errno);
    if (grandchild > 0)
        _exit(0);
    ResetSignals();
    if (*directory && chdir(directory) != 0)
        Fail(pipe, errno);
    // Descriptors this process holds (the display connection, files) stay with it.
    close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    execve(argv[0], argv, environ);
    Fail(pipe, errno);
}

} // namespace

int SpawnDetached(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& directory) {
    std::vector<std::string> strings{program};
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : strings)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return errno;
    const pid_t child = fork();
    if (child < 0) {
        const int error = errno;
        close(report[0]);
        close(report[1]);
        return error;
    }
    if (child == 0) {
        close(report[0]);
        RunGrandchild(report[1], argv.data(), directory.c_str());
    }
    close(report[1]);
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    // The write end closes at a successful exec: then nothing is read.
    int error = 0;
    ssize_t got;
    while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    return got == ssize_t(sizeof error) ? error : 0;
}

std::string ResolveProgram(const std::string& name) {
    if (name.empty())
        return {};
    if (name.find('/') != std::string::npos)
        return access(name.c_str(), X_OK) == 0 ? name : std::string();
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/local/bin:/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

} // namespace shell

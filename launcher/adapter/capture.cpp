#include "launcher/adapter/capture.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace adapter {

namespace {

class TPipe {
public:
    TPipe() {
        if (pipe2(FEnds, O_CLOEXEC) != 0)
            throw std::system_error(errno, std::generic_category(), "pipe");
    }
    TPipe(const TPipe&) = delete;
    TPipe& operator=(const TPipe&) = delete;
    ~TPipe() {
        CloseWriteEnd();
        close(FEnds[0]);
    }
    int ReadEnd() const { return FEnds[0]; }
    int WriteEnd() const { return FEnds[1]; }
    void CloseWriteEnd() {
        if (FEnds[1] >= 0)
            close(FEnds[1]);
        FEnds[1] = -1;
    }

private:
    int FEnds[2] = {-1, -1};
};

class TFileActions {
public:
    TFileActions() { posix_spawn_file_actions_init(&FActions); }
    TFileActions(const TFileActions&) = delete;
    TFileActions& operator=(const TFileActions&) = delete;
    ~TFileActions() { posix_spawn_file_actions_destroy(&FActions); }
    posix_spawn_file_actions_t* Get() { return &FActions; }

private:
    posix_spawn_file_actions_t FActions;
};

std::string ReadAll(int descriptor) {
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(descriptor, buffer, sizeof buffer);
        if (got > 0)
            text.append(buffer, std::size_t(got));
        else if (got == 0 || errno != EINTR)
            return text;
    }
}

int WaitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TFinished RunAndRead(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::string> strings{program};
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : strings)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    TPipe output;
    TFileActions actions;
    posix_spawn_file_actions_addopen(actions.Get(), 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(actions.Get(), output.WriteEnd(), 1);
    pid_t child = 0;
    const int error =
        posix_spawn(&child, program.c_str(), actions.Get(), nullptr, argv.data(), environ);
    if (error != 0)
        throw std::system_error(error, std::generic_category(), program);
    output.CloseWriteEnd();
    TFinished finished;
    finished.Output = ReadAll(output.ReadEnd());
    finished.ExitStatus = WaitFor(child);
    return finished;
}

} // namespace adapter

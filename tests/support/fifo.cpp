#include "tests/support/fifo.h"

#include <chrono>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

TStallingFifo::TStallingFifo(std::filesystem::path path) : FPath(std::move(path)) {
    if (mkfifo(FPath.c_str(), 0600) != 0)
        throw std::runtime_error("Cannot make the FIFO " + FPath.string());
    FWatcher = std::thread([this] { Watch(); });
}

TStallingFifo::~TStallingFifo() {
    {
        const std::lock_guard<std::mutex> lock(FLock);
        FEnding = true;
    }
    FDone.notify_one();
    FWatcher.join();
}

bool TStallingFifo::Rescued() {
    const std::lock_guard<std::mutex> lock(FLock);
    return FRescued;
}

void TStallingFifo::Watch() {
    std::unique_lock<std::mutex> lock(FLock);
    while (!FEnding) {
        if (FDone.wait_for(lock, std::chrono::seconds(10)) == std::cv_status::no_timeout)
            continue;
        // A writer that opens and closes at once ends a reader's wait with an empty file.
        const int writer = open(FPath.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) {
            close(writer);
            FRescued = true;
        }
    }
}

} // namespace testsupport

#pragma once
// A FIFO that nothing writes to, in place of a file a program reads. Opened the ordinary way
// it would stall the reader forever; so that a test fails instead of hanging, the object
// opens it for writing and closes it again after ten seconds, and says so.

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

namespace testsupport {

class TStallingFifo {
public:
    explicit TStallingFifo(std::filesystem::path path);
    TStallingFifo(const TStallingFifo&) = delete;
    TStallingFifo& operator=(const TStallingFifo&) = delete;
    ~TStallingFifo();

    // Whether a reader had to be let go.
    bool Rescued();

private:
    void Watch();

    std::filesystem::path FPath;
    std::mutex FLock;
    std::condition_variable FDone;
    bool FEnding = false;
    bool FRescued = false;
    std::thread FWatcher;
};

} // namespace testsupport

#pragma once
// A file descriptor that is closed when its owner goes; -1 holds nothing.

#include <unistd.h>

namespace platform {

class TFileDescriptor {
public:
    explicit TFileDescriptor(int descriptor) : FDescriptor(descriptor) {}
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    ~TFileDescriptor() {
        if (FDescriptor >= 0)
            close(FDescriptor);
    }
    int Get() const { return FDescriptor; }

private:
    int FDescriptor;
};

} // namespace platform

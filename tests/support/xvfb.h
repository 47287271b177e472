#pragma once
// A virtual X display of a test's own: Xvfb on a display number it picks itself, named in
// DISPLAY for as long as the object lives.

#include <string>
#include <sys/types.h>

namespace testsupport {

class TVirtualDisplay {
public:
    // Raises std::runtime_error when Xvfb cannot be started.
    TVirtualDisplay();
    TVirtualDisplay(const TVirtualDisplay&) = delete;
    TVirtualDisplay& operator=(const TVirtualDisplay&) = delete;
    ~TVirtualDisplay();

    const std::string& Name() const { return FName; } // ":N"

private:
    void StopServer();

    pid_t FServer = -1;
    std::string FName;
    std::string FPrevious;
    bool FHadPrevious = false;
};

} // namespace testsupport

#pragma once
// Running a program to its end and reading what it writes, for the file choosers.

#include <string>
#include <system_error>
#include <vector>

namespace adapter {

struct TFinished {
    int ExitStatus = -1; // -1 when a signal ended it
    std::string Output;  // its standard output
};

// Runs program (a path) with the arguments, its input from /dev/null, and waits for it.
// std::system_error when it cannot be started.
TFinished RunAndRead(const std::string& program, const std::vector<std::string>& arguments);

} // namespace adapter

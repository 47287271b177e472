#pragma once
// Starting a program detached from this process.

#include <string>
#include <vector>

namespace shell {

// Starts `program` (a path) with the arguments in a new session, as a grandchild that is
// handed to the system at once, so no zombie is left and nothing is waited for. The
// working folder changes to `directory` unless it is empty. Returns 0 once the program
// runs, or the errno of what failed (the folder change or the exec).
int SpawnDetached(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& directory);

// The path of a program name: names holding a '/' are paths already, others are searched
// for in PATH. Empty when no executable file of that name is found.
std::string ResolveProgram(const std::string& name);

} // namespace shell

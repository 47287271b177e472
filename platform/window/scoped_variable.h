#pragma once
// An environment variable set for a scope only.

#include <optional>
#include <string>

namespace win::detail {

// Sets the variable for the guard's lifetime (only when it is not set already, if asked so)
// and gives it back its value, or its absence, when the guard goes. For what a library reads
// while starting; the process's other threads must not read the environment meanwhile.
class TScopedVariable {
public:
    enum class TWhen { wAlways, wUnset };
    TScopedVariable(const char* name, const char* value, TWhen when = TWhen::wAlways);
    ~TScopedVariable();
    TScopedVariable(const TScopedVariable&) = delete;
    TScopedVariable& operator=(const TScopedVariable&) = delete;

private:
    std::string FName;
    std::optional<std::string> FSaved;
    bool FSet = false;
};

} // namespace win::detail

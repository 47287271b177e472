#pragma once
// Tests that change environment variables put them back when they end.

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace adaptertest {

class TEnvironmentGuard {
public:
    TEnvironmentGuard() = default;
    TEnvironmentGuard(const TEnvironmentGuard&) = delete;
    TEnvironmentGuard& operator=(const TEnvironmentGuard&) = delete;
    ~TEnvironmentGuard() {
        for (auto saved = FSaved.rbegin(); saved != FSaved.rend(); ++saved) {
            if (saved->second)
                setenv(saved->first.c_str(), saved->second->c_str(), 1);
            else
                unsetenv(saved->first.c_str());
        }
    }

    // Sets variable, or removes it when value is none.
    void Set(const std::string& variable, const std::optional<std::string>& value) {
        const char* old = std::getenv(variable.c_str());
        FSaved.emplace_back(variable, old ? std::optional<std::string>(old) : std::nullopt);
        if (value)
            setenv(variable.c_str(), value->c_str(), 1);
        else
            unsetenv(variable.c_str());
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> FSaved;
};

} // namespace adaptertest

#pragma once
// Runs an action when the guard goes out of scope, also when an error passes through: the
// states and flags that must be undone on every path.

#include <utility>

template <class F>
class TScopeExit {
public:
    explicit TScopeExit(F action) : FAction(std::move(action)) {}
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;
    ~TScopeExit() { FAction(); }

private:
    F FAction;
};

#pragma once
// Handles are addresses, and a freed address is soon handed out again, which would let a
// stale handle reach a new object. Deleted objects therefore stay allocated, emptied of their
// resources, until many later deletions have passed. Public: every kind of handle the
// platform hands out (device contexts, icons, image lists) is kept this way.

#include <cstddef>
#include <deque>
#include <memory>

namespace gdi {

template <class T>
class TQuarantine {
public:
    void Keep(std::unique_ptr<T> object) {
        FHeld.push_back(std::move(object));
        if (FHeld.size() > kCapacity)
            FHeld.pop_front();
    }

private:
    static constexpr std::size_t kCapacity = 4096;
    std::deque<std::unique_ptr<T>> FHeld;
};

} // namespace gdi

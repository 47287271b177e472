// Zeroed pixel memory: every size reads as zeros and takes writes to its last byte, moves
// hand the block over, and large blocks are mapped where the kernel may back them with
// large pages.

#include "platform/system/zeroed_memory.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

using platform::TZeroedMemory;

// The smaps lines of the mapping that holds the address; empty when none does.
std::string MappingOf(const void* address) {
    std::ifstream maps("/proc/self/smaps");
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::string line;
    std::string found;
    bool inside = false;
    while (std::getline(maps, line)) {
        std::uintptr_t start = 0, end = 0;
        char dash = 0;
        std::istringstream head(line);
        if (head >> std::hex >> start >> dash >> end && dash == '-' &&
            line.find(':') > line.find(' ')) {
            inside = start <= at && at < end;
            continue;
        }
        if (inside)
            found += line + "\n";
    }
    return found;
}

// The number after "name:" in smaps lines; -1 when there is none.
long Field(const std::string& mapping, const std::string& name) {
    const auto at = mapping.find(name + ":");
    return at == std::string::npos ? -1 : std::stol(mapping.substr(at + name.size() + 1));
}

bool LargePagesOnAdvice() {
    std::ifstream setting("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string text;
    std::getline(setting, text);
    return text.find("[always]") != std::string::npos ||
           text.find("[madvise]") != std::string::npos;
}

TEST(ZeroedMemory, EverySizeIsZeroAndWritableToItsEnd) {
    for (const std::size_t size : {std::size_t(1), std::size_t(4095), std::size_t(1 << 20) - 1,
                                   std::size_t(1 << 20), std::size_t(3 << 20) + 5}) {
        TZeroedMemory memory = TZeroedMemory::Allocate(size);
        ASSERT_TRUE(memory) << size;
        EXPECT_EQ(memory.Size(), size);
        EXPECT_TRUE(std::all_of(memory.Data(), memory.Data() + size, [](auto b) { return b == 0; }))
            << size;
        memory.Data()[size - 1] = 7;
        TZeroedMemory moved = std::move(memory);
        EXPECT_FALSE(memory);
        EXPECT_EQ(moved.Data()[size - 1], 7);
    }
    EXPECT_FALSE(TZeroedMemory::Allocate(0));
    EXPECT_FALSE(TZeroedMemory::Allocate(SIZE_MAX));
}

// One fault then fills 2 MiB instead of 4 KiB; the block still costs nothing until touched.
TEST(ZeroedMemory, LargeBlocksMayTakeLargePages) {
    if (!LargePagesOnAdvice())
        GTEST_SKIP() << "the kernel gives no large pages on advice here";
    TZeroedMemory memory = TZeroedMemory::Allocate(5 << 20);
    ASSERT_TRUE(memory);
    const std::string mapping = MappingOf(memory.Data());
    ASSERT_FALSE(mapping.empty());
    EXPECT_EQ(Field(mapping, "THPeligible"), 1) << mapping;
    EXPECT_EQ(Field(mapping, "Rss"), 0) << mapping;
    memory.Data()[0] = 1;
    EXPECT_LE(Field(MappingOf(memory.Data()), "Rss"), 2048);
}

} // namespace

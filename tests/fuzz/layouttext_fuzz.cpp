// Text layouts, as the layout compiler reads them, without reading any file they include;
// what compiles must print back as text that compiles to the same stream.

#include "fuzz_support.h"
#include "tools/layoutc/layouttext.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Included files are looked for where none can be.
    const TLayoutOptions options{.BaseDirectory = "/nonexistent/brenlow-fuzz"};
    std::vector<std::uint8_t> stream;
    if (!fuzzing::Succeeds([&] { stream = ObjectTextToBinary(text, options); }))
        return 0;
    std::string printed;
    if (!fuzzing::Succeeds([&] { printed = ObjectBinaryToText(stream); }))
        fuzzing::Finding("a compiled layout does not print");
    std::vector<std::uint8_t> again;
    if (!fuzzing::Succeeds([&] { again = ObjectTextToBinary(printed, options); }))
        fuzzing::Finding("a printed layout does not compile");
    if (again != stream)
        fuzzing::Finding("a printed layout compiles to another stream");
    return 0;
}

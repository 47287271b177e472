#pragma once
// Components written to and read back from the bytes of a form stream, for the tests of
// every streamed class.

#include "gui/classes/reader.h"
#include "gui/classes/stream.h"
#include "gui/classes/writer.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

// Reads bytes into root from a heap block of exactly their size, so that a read past the
// end is one the address sanitizer reports.
inline void ReadStream(const std::vector<std::uint8_t>& bytes, TComponent& root) {
    const auto exact = std::make_unique_for_overwrite<std::uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), exact.get());
    TReadOnlyMemoryStream stream(exact.get(), std::int64_t(bytes.size()));
    TReader(stream).ReadRootComponent(root);
}

inline std::vector<std::uint8_t> WriteStream(TComponent& root) {
    TMemoryStream stream;
    TWriter(stream).WriteRootComponent(root);
    return stream.Bytes();
}

#pragma once
// One-shot zlib streams of the compressed text chunk.

#include <cstdint>
#include <string>

namespace png {

// Inflates one complete zlib stream; false with zlib's message when the data is invalid,
// cut short or asks for a preset dictionary.
bool InflateBuffer(const std::uint8_t* input, std::size_t size, std::string& output,
                   std::string& message);
// Deflates text into one complete zlib stream at the level; false when zlib fails.
bool DeflateBuffer(const std::string& text, int level, std::string& output);

} // namespace png

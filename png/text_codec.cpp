#include "png/text_codec.h"

#include "png/format.h"

#include <array>
#include <zlib.h>

namespace png {

namespace {

// Ends a zlib stream when the call leaves, on every path.
template <int (*End)(z_streamp)>
struct TStreamEnd {
    z_stream& Stream;
    ~TStreamEnd() { End(&Stream); }
};

} // namespace

bool InflateBuffer(const std::uint8_t* input, std::size_t size, std::string& output,
                   std::string& message) {
    output.clear();
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return false;
    TStreamEnd<inflateEnd> end{stream};
    stream.next_in = const_cast<Bytef*>(input);
    stream.avail_in = static_cast<uInt>(size);
    std::array<Bytef, TextWindowSize> window;
    int result = Z_OK;
    while (result != Z_STREAM_END) {
        stream.next_out = window.data();
        stream.avail_out = TextWindowSize;
        result = inflate(&stream, Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END) {
            message = stream.msg              ? stream.msg
                      : result == Z_NEED_DICT ? "need dictionary"
                                              : zError(result);
            return false;
        }
        output.append(reinterpret_cast<const char*>(window.data()),
                      TextWindowSize - stream.avail_out);
    }
    return true;
}

bool DeflateBuffer(const std::string& text, int level, std::string& output) {
    output.clear();
    z_stream stream{};
    if (deflateInit(&stream, level) != Z_OK)
        return false;
    TStreamEnd<deflateEnd> end{stream};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    std::array<Bytef, TextWindowSize> window;
    int result = Z_OK;
    while (result != Z_STREAM_END) {
        stream.next_out = window.data();
        stream.avail_out = TextWindowSize;
        result = deflate(&stream, Z_FINISH);
        if (result < 0)
            return false;
        output.append(reinterpret_cast<const char*>(window.data()),
                      TextWindowSize - stream.avail_out);
    }
    return true;
}

} // namespace png

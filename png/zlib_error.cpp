#include "png/zlib_error.h"

#include "png/errors.h"

#include <string>
#include <zlib.h>

namespace png {

namespace {

std::string ZlibResultText(int result) {
    switch (result) {
    case Z_ERRNO:
        return "file error (-1)";
    case Z_STREAM_ERROR:
        return "stream error (-2)";
    case Z_DATA_ERROR:
        return "data error (-3)";
    case Z_MEM_ERROR:
        return "insufficient memory (-4)";
    case Z_BUF_ERROR:
        return "buffer error (-5)";
    case Z_VERSION_ERROR:
        return "incompatible version (-6)";
    default:
        return "unknown error (" + std::to_string(result) + ")";
    }
}

} // namespace

void RaiseZlibError(int result) {
    RaisePngError<EPNGZLIBError>(png::msg::ZLIBError + ZlibResultText(result));
}

} // namespace png

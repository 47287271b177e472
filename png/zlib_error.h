#pragma once
// zlib results as the codec reports them.

namespace png {

// Raises EPNGZLIBError: the fixed message followed by the result's text, for example
// "data error (-3)".
[[noreturn]] void RaiseZlibError(int result);

} // namespace png

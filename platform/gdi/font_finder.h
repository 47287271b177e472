#pragma once
// Finding font files by family through fontconfig. The directory of the Windows-metric fonts
// is registered as an application font directory so that "Tahoma" resolves to its own file;
// a family that fontconfig does not hold falls back to DejaVu Sans.

#include <string>

namespace gdi::detail {

struct TFontFile {
    std::string Path; // empty when no font could be found at all
    int Index = 0;
};

// The file closest to the request; whether it is bold or italic is the face's to say.
TFontFile FindFontFile(const std::string& family, bool bold, bool italic);

} // namespace gdi::detail

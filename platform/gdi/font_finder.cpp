#include "platform/gdi/font_finder.h"

#include <fontconfig/fontconfig.h>
#include <memory>
#include <strings.h>

namespace gdi::detail {

namespace {

constexpr const char* kApplicationFontDir = "/usr/share/wine/fonts";
constexpr const char* kFallbackFamily = "DejaVu Sans";

using TPattern = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

// The Windows-metric fonts alone, read from fontconfig's cache of their directory. Most
// faces asked for are there, and finding them so spares parsing the system's whole
// configuration, the largest part of starting fontconfig.
FcConfig* ApplicationConfig() {
    static FcConfig* config = [] {
        const std::string xml = std::string("<fontconfig><dir>") + kApplicationFontDir +
                                "</dir><cachedir>/var/cache/fontconfig</cachedir>"
                                "<cachedir prefix=\"xdg\">fontconfig</cachedir></fontconfig>";
        FcConfig* made = FcConfigCreate();
        if (!FcConfigParseAndLoadFromMemory(made, reinterpret_cast<const FcChar8*>(xml.c_str()),
                                            FcFalse) ||
            !FcConfigBuildFonts(made)) {
            FcConfigDestroy(made);
            return static_cast<FcConfig*>(nullptr);
        }
        return made;
    }();
    return config;
}

// The system's configuration with the Windows-metric fonts added, for every other family.
FcConfig* SystemConfig() {
    static FcConfig* config = [] {
        FcInit();
        FcConfig* current = FcConfigGetCurrent();
        FcConfigAppFontAddDir(current, reinterpret_cast<const FcChar8*>(kApplicationFontDir));
        return current;
    }();
    return config;
}

TPattern Match(FcConfig* config, const std::string& family, bool bold, bool italic) {
    if (!config)
        return TPattern(nullptr, FcPatternDestroy);
    TPattern pattern(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    return TPattern(FcFontMatch(config, pattern.get(), &result), FcPatternDestroy);
}

// Whether the match is the family asked for, not a substitute fontconfig chose.
bool IsFamily(const FcPattern* match, const std::string& family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (strcasecmp(reinterpret_cast<const char*>(name), family.c_str()) == 0)
            return true;
    return false;
}

TFontFile Describe(const FcPattern* match) {
    TFontFile file;
    FcChar8* path = nullptr;
    if (!match || FcPatternGetString(match, FC_FILE, 0, &path) != FcResultMatch)
        return file;
    file.Path = reinterpret_cast<const char*>(path);
    FcPatternGetInteger(match, FC_INDEX, 0, &file.Index);
    return file;
}

} // namespace

TFontFile FindFontFile(const std::string& family, bool bold, bool italic) {
    TPattern match = Match(ApplicationConfig(), family, bold, italic);
    if (!match || !IsFamily(match.get(), family))
        match = Match(SystemConfig(), family, bold, italic);
    if (match && IsFamily(match.get(), family))
        return Describe(match.get());
    TPattern fallback = Match(SystemConfig(), kFallbackFamily, bold, italic);
    return Describe(fallback ? fallback.get() : match.get());
}

} // namespace gdi::detail

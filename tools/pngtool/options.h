#pragma once
// The command line of pngtool.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pngtool {

enum TCommandKind { ckInfo, ckDecode, ckRecode };

struct TRecodeSettings {
    std::optional<std::uint8_t> RowFilters;
    std::optional<std::uint8_t> DeflateLevel;
    std::optional<std::uint32_t> IdatLimit;
    bool Interlace = false;
};

// Images of more pixels are refused unless --max-pixels raises the limit: decoding one
// writes 4 bytes a pixel, and a small file may claim 65535 x 65535.
inline constexpr std::uint64_t DefaultMaxPixels = std::uint64_t(1) << 28;

struct TCommand {
    TCommandKind Kind = ckInfo;
    std::string Input;
    std::string Output;
    TRecodeSettings Settings;
    std::uint64_t MaxPixels = DefaultMaxPixels;
};

// The command the arguments ask for; nothing when they are not a valid command line.
std::optional<TCommand> ParseCommand(const std::vector<std::string>& arguments);

extern const char* const UsageText;

} // namespace pngtool

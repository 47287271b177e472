#pragma once
// Constants of the PNG file format as this codec reads and writes it: the signature, chunk
// types, colour types, filter types, the Adam7 pass tables and the codec's own limits.

#include <array>
#include <cstdint>

// The four bytes of a chunk type exactly as they stand in the stream.
using TChunkType = std::array<char, 4>;

constexpr TChunkType MakeChunkType(const char (&text)[5]) {
    return {text[0], text[1], text[2], text[3]};
}

namespace png {

inline constexpr std::array<std::uint8_t, 8> Signature = {137, 80, 78, 71, 13, 10, 26, 10};

inline constexpr TChunkType ctIHDR = MakeChunkType("IHDR");
inline constexpr TChunkType ctIDAT = MakeChunkType("IDAT");
inline constexpr TChunkType ctIEND = MakeChunkType("IEND");
inline constexpr TChunkType ctPLTE = MakeChunkType("PLTE");
inline constexpr TChunkType ctgAMA = MakeChunkType("gAMA");
inline constexpr TChunkType cttRNS = MakeChunkType("tRNS");
inline constexpr TChunkType cttIME = MakeChunkType("tIME");
inline constexpr TChunkType cttEXt = MakeChunkType("tEXt");
inline constexpr TChunkType ctzTXt = MakeChunkType("zTXt");
inline constexpr TChunkType ctcHRM = MakeChunkType("cHRM");
// Kept as read, but their values depend on the bit depth and colour type written.
inline constexpr TChunkType ctbKGD = MakeChunkType("bKGD");
inline constexpr TChunkType ctsBIT = MakeChunkType("sBIT");

// Bit 5 of a type's first byte is set for ancillary chunks and clear for critical ones.
inline constexpr std::uint8_t AncillaryBit = 0x20;

inline constexpr std::uint8_t COLOR_GRAYSCALE = 0;
inline constexpr std::uint8_t COLOR_RGB = 2;
inline constexpr std::uint8_t COLOR_PALETTE = 3;
inline constexpr std::uint8_t COLOR_GRAYSCALEALPHA = 4;
inline constexpr std::uint8_t COLOR_RGBALPHA = 6;

inline constexpr std::uint8_t FILTER_NONE = 0;
inline constexpr std::uint8_t FILTER_SUB = 1;
inline constexpr std::uint8_t FILTER_UP = 2;
inline constexpr std::uint8_t FILTER_AVERAGE = 3;
inline constexpr std::uint8_t FILTER_PAETH = 4;
inline constexpr int FilterTypeCount = 5;

inline constexpr std::uint8_t INTERLACE_NONE = 0;
inline constexpr std::uint8_t INTERLACE_ADAM7 = 1;

struct TAdam7Pass {
    std::uint32_t FirstRow;
    std::uint32_t FirstColumn;
    std::uint32_t RowStep;
    std::uint32_t ColumnStep;

    // Pixels of an image row of the given width that belong to this pass.
    constexpr std::uint32_t Width(std::uint32_t imageWidth) const {
        return imageWidth <= FirstColumn ? 0
                                         : (imageWidth - FirstColumn + ColumnStep - 1) / ColumnStep;
    }
};

inline constexpr std::array<TAdam7Pass, 7> Adam7Passes = {{
    {0, 0, 8, 8},
    {0, 4, 8, 8},
    {4, 0, 8, 4},
    {0, 2, 4, 4},
    {2, 0, 4, 2},
    {0, 1, 2, 2},
    {1, 0, 2, 1},
}};

// A grey level of one bit depth below 16 as the level of another, the top level staying the
// top level (so 2-bit 3 is 4-bit 15 and 8-bit 255); bits beyond the first depth are dropped.
constexpr std::uint32_t RescaleGreyLevel(std::uint32_t level, std::uint8_t fromDepth,
                                         std::uint8_t toDepth) {
    const std::uint32_t fromMax = (1u << fromDepth) - 1;
    return (level & fromMax) * ((1u << toDepth) - 1) / fromMax;
}

inline constexpr std::uint32_t MaxDimension = 65535;
// Entries of a palette, and alpha values of a palette's tRNS chunk, at most.
inline constexpr std::uint32_t MaxPaletteEntries = 256;
// Chunk lengths at or above this are not PNG lengths; the reader treats them as a cut file.
inline constexpr std::uint32_t ChunkLengthLimit = 0x80000000u;
// Compressed data is read, and short rows are inflated, in blocks of these sizes. Together with
// zlib's own state and 32 KiB window they keep the decoder's memory beyond the image under two
// rows plus 64 KiB.
inline constexpr std::uint32_t InputBufferSize = 8192;
inline constexpr std::uint32_t OutputBlockSize = 8192;
inline constexpr std::uint32_t MinIdatLimit = 65535;
inline constexpr std::uint8_t DefaultDeflateLevel = 7;
inline constexpr std::uint8_t DefaultRowFilters = 1u << FILTER_SUB;
inline constexpr int ChunkListStep = 10;
// zTXt: the compression method byte after the keyword's zero byte.
inline constexpr std::uint8_t CompressionDeflate = 0;
// Window of the one-shot zlib calls of the compressed text chunks.
inline constexpr std::uint32_t TextWindowSize = 256;
inline constexpr std::uint32_t GammaScale = 100000;
inline constexpr double DisplayGamma = 2.2;

} // namespace png

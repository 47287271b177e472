#include "png/errors.h"
#include "png/framing.h"
#include "png/pngobject.h"
#include "png/text_codec.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t TimeBodySize = 7;
constexpr std::uint32_t GammaBodySize = 4;

TColor ColourOf(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return gdi::RGB(red, green, blue);
}

// Whether the palette or the image data has been read, which decodes their colours.
bool ColoursDecoded(const TPNGObject& image) {
    return image.Chunks().ChunkOfClass<TChunkPLTE>() || image.Chunks().ChunkOfClass<TChunkIDAT>();
}

} // namespace

// ---- gAMA ---------------------------------------------------------------------------------

TChunkgAMA::TChunkgAMA(TPNGObject* owner) : TChunk(owner, ClassType) {
    SetGammaValue(1);
}

std::unique_ptr<TChunk> TChunkgAMA::NewOfSameClass(TPNGObject* owner) const {
    return std::make_unique<TChunkgAMA>(owner);
}

// The body is copied as it is: one of the wrong length is written back unchanged, and so
// must be the copy's.
void TChunkgAMA::CopyFrom(const TChunk& source) {
    CopyTypeAndBody(CompatibleSource<TChunkgAMA>(source));
}

// A body of another length carries no gamma: it is kept as it is (and written back so), and
// the tables stay as they are instead of being built for the stand-in value 1, which would
// turn every colour black. A gAMA after the palette or the image data is kept as well but
// comes too late: those colours were decoded without it, and writing them back through its
// inverse table would change them.
bool TChunkgAMA::ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadBody(stream, type, length);
    if (length != GammaBodySize || !FImage || ColoursDecoded(*FImage))
        return true;
    const std::uint32_t gamma = GammaValue();
    if (gamma != 0)
        FImage->BuildGammaTables(gamma);
    return true;
}

std::uint32_t TChunkgAMA::GammaValue() {
    if (FBodySize == GammaBodySize)
        return png::LoadU32(FBody.data());
    ResizeBody(GammaBodySize);
    return 1;
}

void TChunkgAMA::SetGammaValue(std::uint32_t value) {
    if (FBodySize != GammaBodySize)
        ResizeBody(GammaBodySize);
    png::StoreU32(FBody.data(), value);
}

// ---- PLTE ---------------------------------------------------------------------------------

std::unique_ptr<TChunk> TChunkPLTE::NewOfSameClass(TPNGObject* owner) const {
    return std::make_unique<TChunkPLTE>(owner);
}

void TChunkPLTE::CopyFrom(const TChunk& source) {
    FEntryCount = CompatibleSource<TChunkPLTE>(source).FEntryCount;
}

bool TChunkPLTE::ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadBody(stream, type, length);
    if (length % 3 != 0 || length > 3 * 256)
        RaisePngError<EPNGInvalidPalette>(png::msg::InvalidPalette);
    FEntryCount = length / 3;
    const TGammaTable& gamma = FImage->GammaLut();
    gdi::RGBQUAD* table = HeaderChunk().ColourTable();
    for (std::uint32_t i = 0; i < FEntryCount; ++i) {
        const std::uint8_t* rgb = FBody.data() + 3 * i;
        table[i] = {gamma[rgb[2]], gamma[rgb[1]], gamma[rgb[0]], 0};
    }
    return true;
}

bool TChunkPLTE::WriteTo(TStream& stream) {
    const TGammaTable& inverse = FImage->InverseGammaLut();
    const gdi::RGBQUAD* table = HeaderChunk().ColourTable();
    const std::uint32_t count = std::min<std::uint32_t>(FEntryCount, 256);
    ResizeBody(3 * count);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint8_t* rgb = FBody.data() + 3 * i;
        rgb[0] = inverse[table[i].rgbRed];
        rgb[1] = inverse[table[i].rgbGreen];
        rgb[2] = inverse[table[i].rgbBlue];
    }
    WriteFramed(stream);
    return true;
}

std::uint32_t TChunkPLTE::EntryAt(std::uint32_t index) const {
    if (index >= FEntryCount || index >= 256)
        RaisePngError<EPngError>(png::msg::NoSuchPaletteEntry);
    const gdi::RGBQUAD& entry = HeaderChunk().ColourTable()[index];
    return std::uint32_t(entry.rgbBlue) | std::uint32_t(entry.rgbGreen) << 8 |
           std::uint32_t(entry.rgbRed) << 16;
}

// ---- tRNS ---------------------------------------------------------------------------------

std::unique_ptr<TChunk> TChunktRNS::NewOfSameClass(TPNGObject* owner) const {
    return std::make_unique<TChunktRNS>(owner);
}

void TChunktRNS::CopyFrom(const TChunk& source) {
    if (const auto* from = dynamic_cast<const TChunktRNS*>(&source)) {
        FAlphaValues = from->FAlphaValues;
        FSingleTransparent = from->FSingleTransparent;
    }
    CopyTypeAndBody(source);
}

// A palette image counts as colour-keyed only when exactly one entry is not opaque and
// that entry is fully transparent; a single half-transparent entry is blended, since a
// key cannot show it.
bool TChunktRNS::ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadBody(stream, type, length);
    if (length > png::MaxPaletteEntries)
        RaisePngError<EPNGInvalidPalette>(png::msg::InvalidPalette);
    FAlphaValues.fill(255);
    std::memcpy(FAlphaValues.data(), FBody.data(), length);
    switch (HeaderChunk().ColourType()) {
    case png::COLOR_GRAYSCALE:
    case png::COLOR_RGB:
        FSingleTransparent = true;
        break;
    case png::COLOR_PALETTE: {
        const auto begin = FAlphaValues.begin();
        const auto translucent =
            std::count_if(begin, begin + length, [](auto a) { return a != 255; });
        FSingleTransparent = translucent == 1 && std::count(begin, begin + length, 0) == 1;
        break;
    }
    default:
        break;
    }
    return true;
}

// A grey or RGB key is written in the form the rows are written in, so that it names exactly
// the written pixels it named before: a grey level as stored, colour samples through the
// gamma table and back like the samples, a 16-bit sample as its stored byte twice. It is
// always written whole, as the key the codec has been comparing.
bool TChunktRNS::WriteTo(TStream& stream) {
    const TChunkIHDR& header = HeaderChunk();
    const std::uint8_t type = header.ColourType();
    if (type == png::COLOR_GRAYSCALE || type == png::COLOR_RGB) {
        const TGammaTable& gamma = FImage->GammaLut();
        const TGammaTable& inverse = FImage->InverseGammaLut();
        const std::uint32_t samples = type == png::COLOR_RGB ? 3 : 1;
        ResizeBody(2 * samples);
        for (std::uint32_t i = 0; i < samples; ++i) {
            std::uint8_t value = StoredKeySample(i);
            if (type == png::COLOR_RGB)
                value = inverse[gamma[value]];
            FBody[2 * i] = header.BitDepth() == 16 ? value : 0;
            FBody[2 * i + 1] = value;
        }
    } else if (FBodySize <= png::MaxPaletteEntries) {
        std::memcpy(FBody.data(), FAlphaValues.data(), FBodySize);
    }
    WriteFramed(stream);
    return true;
}

std::uint8_t TChunktRNS::StoredKeySample(std::uint32_t index) const {
    const std::uint8_t depth = HeaderChunk().BitDepth();
    const std::uint8_t* key = FAlphaValues.data() + 2 * index;
    if (depth == 16)
        return key[0];
    return std::uint8_t(png::LoadU16(key) & ((1u << std::min<std::uint8_t>(depth, 8)) - 1));
}

// Keys are compared with the stored pixels, so they take the stored form: the high byte of
// a 16-bit sample, grey levels spread like the grey colour table, and the gamma table.
TColor TChunktRNS::GetColourKey() const {
    const TChunkIHDR& header = HeaderChunk();
    const TGammaTable& gamma = FImage->GammaLut();
    const std::uint8_t depth = header.BitDepth();
    const auto sample = [&](std::uint32_t index) -> std::uint8_t {
        const std::uint8_t stored = StoredKeySample(index);
        return gamma[depth < 8 ? png::RescaleGreyLevel(stored, depth, 8) : stored];
    };
    switch (header.ColourType()) {
    case png::COLOR_GRAYSCALE: {
        const std::uint8_t level = sample(0);
        return ColourOf(level, level, level);
    }
    case png::COLOR_RGB:
        return ColourOf(sample(0), sample(1), sample(2));
    case png::COLOR_PALETTE: {
        const auto index = PaletteKeyIndex();
        const auto* palette = FImage->Chunks().ChunkOfClass<TChunkPLTE>();
        if (!index || !palette)
            return 0;
        const std::uint32_t entry = palette->EntryAt(*index);
        return ColourOf(std::uint8_t(entry >> 16), std::uint8_t(entry >> 8), std::uint8_t(entry));
    }
    default:
        return 0;
    }
}

// An entry beyond the palette names no colour, so it is no key.
std::optional<std::uint32_t> TChunktRNS::PaletteKeyIndex() const {
    const auto* palette = FImage ? FImage->Chunks().ChunkOfClass<TChunkPLTE>() : nullptr;
    const std::uint32_t count = std::min(FBodySize, png::MaxPaletteEntries);
    const auto index = std::uint32_t(
        std::find(FAlphaValues.begin(), FAlphaValues.begin() + count, 0) - FAlphaValues.begin());
    if (index >= count || !palette || index >= palette->EntryCount())
        return std::nullopt;
    return index;
}

void TChunktRNS::SetColourKey(TColor colour) {
    FAlphaValues.fill(0);
    FSingleTransparent = true;
    const TChunkIHDR& header = HeaderChunk();
    const TGammaTable& inverse = FImage->InverseGammaLut();
    const std::uint8_t depth = header.BitDepth();
    const auto store = [&](int index, std::uint8_t value) {
        std::uint8_t* key = FAlphaValues.data() + 2 * index;
        const std::uint8_t stored = inverse[value];
        if (depth == 16) {
            key[0] = key[1] = stored;
        } else if (depth == 8) {
            key[1] = stored;
        } else {
            const std::uint32_t max = (1u << depth) - 1;
            key[1] = std::uint8_t((stored * max + 127) / 255);
        }
    };
    switch (header.ColourType()) {
    case png::COLOR_GRAYSCALE:
        ResizeBody(2);
        store(0, gdi::GetRValue(colour));
        break;
    case png::COLOR_RGB:
        ResizeBody(6);
        store(0, gdi::GetRValue(colour));
        store(1, gdi::GetGValue(colour));
        store(2, gdi::GetBValue(colour));
        break;
    case png::COLOR_PALETTE: {
        const gdi::RGBQUAD* table = header.ColourTable();
        std::uint32_t index = 0;
        while (index < 256 && !(table[index].rgbRed == gdi::GetRValue(colour) &&
                                table[index].rgbGreen == gdi::GetGValue(colour) &&
                                table[index].rgbBlue == gdi::GetBValue(colour)))
            ++index;
        index = index == 256 ? 0 : index;
        std::fill_n(FAlphaValues.begin(), index, 255);
        ResizeBody(index + 1);
        break;
    }
    default:
        break;
    }
}

// The key is read from the first two values of a body of any length (a shorter body is
// padded with 255s, which name the top level), so those two are rescaled.
void TChunktRNS::RescaleGreyKey(std::uint8_t fromDepth, std::uint8_t toDepth) {
    png::StoreU16(FAlphaValues.data(), std::uint16_t(png::RescaleGreyLevel(
                                           png::LoadU16(FAlphaValues.data()), fromDepth, toDepth)));
}

// ---- IDAT ---------------------------------------------------------------------------------

std::unique_ptr<TChunk> TChunkIDAT::NewOfSameClass(TPNGObject* owner) const {
    return std::make_unique<TChunkIDAT>(owner);
}

// ---- tIME ---------------------------------------------------------------------------------

std::unique_ptr<TChunk> TChunktIME::NewOfSameClass(TPNGObject* owner) const {
    return std::make_unique<TChunktIME>(owner);
}

void TChunktIME::CopyFrom(const TChunk& source) {
    CopyTypeAndBody(source);
    if (const auto* from = dynamic_cast<const TChunktIME*>(&source)) {
        FYear = from->FYear;
        FMonth = from->FMonth;
        FDay = from->FDay;
        FHour = from->FHour;
        FMinute = from->FMinute;
        FSecond = from->FSecond;
    }
}

bool TChunktIME::ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadBody(stream, type, length);
    if (length == TimeBodySize) {
        const std::uint8_t* b = FBody.data();
        FYear = png::LoadU16(b);
        FMonth = b[2];
        FDay = b[3];
        FHour = b[4];
        FMinute = b[5];
        FSecond = b[6];
    }
    return true;
}

bool TChunktIME::WriteTo(TStream& stream) {
    ResizeBody(TimeBodySize);
    std::uint8_t* b = FBody.data();
    png::StoreU16(b, FYear);
    b[2] = FMonth;
    b[3] = FDay;
    b[4] = FHour;
    b[5] = FMinute;
    b[6] = FSecond;
    WriteFramed(stream);
    return true;
}

// ---- tEXt and zTXt ------------------------------------------------------------------------

std::unique_ptr<TChunk> TChunktEXt::NewOfSameClass(TPNGObject* owner) const {
    return std::make_unique<TChunktEXt>(owner);
}

void TChunktEXt::CopyFrom(const TChunk& source) {
    if (const auto* from = dynamic_cast<const TChunktEXt*>(&source)) {
        FKeyword = from->FKeyword;
        FText = from->FText;
    }
}

std::uint32_t TChunktEXt::SplitKeyword() {
    const auto* begin = reinterpret_cast<const char*>(FBody.data());
    const auto* zero = static_cast<const char*>(std::memchr(begin, 0, FBodySize));
    const std::uint32_t keywordLength = zero ? std::uint32_t(zero - begin) : FBodySize;
    FKeyword.assign(begin, keywordLength);
    FText = zero ? std::string(zero + 1, begin + FBodySize) : std::string();
    return keywordLength;
}

// Every non-empty body is split, the shortest too: a one-letter keyword with an empty text
// is two bytes, and an unsplit chunk would be written back without them.
bool TChunktEXt::ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadBody(stream, type, length);
    if (length > 0)
        SplitKeyword();
    return true;
}

bool TChunktEXt::WriteTo(TStream& stream) {
    ResizeBody(std::uint32_t(FKeyword.size() + FText.size() + 1));
    std::uint8_t* b = FBody.data();
    std::memcpy(b, FKeyword.data(), FKeyword.size());
    b[FKeyword.size()] = 0;
    std::memcpy(b + FKeyword.size() + 1, FText.data(), FText.size());
    WriteFramed(stream);
    return true;
}

std::unique_ptr<TChunk> TChunkzTXt::NewOfSameClass(TPNGObject* owner) const {
    return std::make_unique<TChunkzTXt>(owner);
}

// A text that cannot be inflated stays empty; that is no error of the image.
bool TChunkzTXt::ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunktEXt::ReadBody(stream, type, length);
    if (length < 4)
        return true;
    const std::uint32_t keywordLength = SplitKeyword();
    FText.clear();
    if (std::uint64_t(keywordLength) + 2 > length ||
        FBody[keywordLength + 1] != png::CompressionDeflate)
        return true;
    std::string text;
    std::string message;
    if (png::InflateBuffer(FBody.data() + keywordLength + 2, length - keywordLength - 2, text,
                           message))
        FText = std::move(text);
    return true;
}

bool TChunkzTXt::WriteTo(TStream& stream) {
    if (FText.empty())
        FText = " ";
    std::string compressed;
    if (!png::DeflateBuffer(FText, FImage ? FImage->DeflateLevel() : png::DefaultDeflateLevel,
                            compressed))
        return false;
    ResizeBody(std::uint32_t(FKeyword.size() + compressed.size() + 2));
    std::uint8_t* b = FBody.data();
    std::memcpy(b, FKeyword.data(), FKeyword.size());
    b[FKeyword.size()] = 0;
    b[FKeyword.size() + 1] = png::CompressionDeflate;
    std::memcpy(b + FKeyword.size() + 2, compressed.data(), compressed.size());
    WriteFramed(stream);
    return true;
}

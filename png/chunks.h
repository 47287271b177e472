#pragma once
// The chunk classes: one object per chunk of a PNG file, holding the chunk's type and body
// and, for the chunks the codec understands, the fields read from the body. The header
// chunk also owns the decoded picture.

#include "gui/classes/object.h"
#include "gui/classes/stream.h"
#include "gui/graphics/colors.h"
#include "platform/gdi/owned.h"
#include "platform/system/zeroed_memory.h"
#include "png/format.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TPNGObject;
class TChunkIHDR;

class TChunk : public TObject {
public:
    // The chunk type of the class; the base class has none.
    static constexpr TChunkType ClassType{};

    explicit TChunk(TPNGObject* owner) : TChunk(owner, ClassType) {}
    ~TChunk() override = default;

    // A new chunk of this chunk's own class, owned by owner, as its constructor leaves it.
    virtual std::unique_ptr<TChunk> NewOfSameClass(TPNGObject* owner) const;
    // Makes this chunk a copy of source (what is copied depends on the class).
    virtual void CopyFrom(const TChunk& source);
    // Reads the body of length bytes and the CRC that follows, then the class's fields.
    virtual bool ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length);
    // Writes the chunk with its framing; true when it was written.
    virtual bool WriteTo(TStream& stream);

    // Sets the body size; the content of a grown body is not set.
    void ResizeBody(std::uint32_t size);
    void WriteFramed(TStream& stream) const;
    // Position in the owner's chunk list, -1 when absent.
    int IndexInList() const;
    // The first chunk of the owner's list; EInvalidCast when it is not a header chunk.
    TChunkIHDR& HeaderChunk() const;

    const TChunkType& ChunkType() const { return FChunkType; }
    void SetChunkType(const TChunkType& type) { FChunkType = type; }
    std::uint8_t* Body() { return FBody.data(); }
    const std::uint8_t* Body() const { return FBody.data(); }
    std::uint32_t BodySize() const { return FBodySize; }
    TPNGObject* Owner() const { return FImage; }

protected:
    TChunk(TPNGObject* owner, const TChunkType& type);
    // Copies type and body.
    void CopyTypeAndBody(const TChunk& source);
    // Raises EPngError unless source is of class T.
    template <class T>
    static const T& CompatibleSource(const TChunk& source);

    // One byte longer than the body, so an empty body still has an address.
    std::vector<std::uint8_t> FBody = std::vector<std::uint8_t>(1);
    std::uint32_t FBodySize = 0;
    TPNGObject* FImage;
    TChunkType FChunkType;
};

class TChunkIEND : public TChunk {
public:
    static constexpr TChunkType ClassType = png::ctIEND;
    explicit TChunkIEND(TPNGObject* owner) : TChunk(owner, ClassType) {}
    std::unique_ptr<TChunk> NewOfSameClass(TPNGObject* owner) const override;
};

// The header fields of an image.
struct TPngHeader {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::uint8_t BitDepth = 0;
    std::uint8_t ColourType = 0;
    std::uint8_t Compression = 0;
    std::uint8_t FilterMethod = 0;
    std::uint8_t Interlace = 0;
};

// Raises the header errors for fields that this codec cannot hold: size above 65535
// (EPNGSizeExceeds), compression (EPNGUnknownCompression), interlace method
// (EPNGUnknownInterlace), zero size or a colour type and bit depth the format forbids
// (EPngInvalidIHDR).
void ValidateHeader(const TPngHeader& header);

class TChunkIHDR : public TChunk {
public:
    static constexpr TChunkType ClassType = png::ctIHDR;
    explicit TChunkIHDR(TPNGObject* owner) : TChunk(owner, ClassType) {}
    ~TChunkIHDR() override;

    std::unique_ptr<TChunk> NewOfSameClass(TPNGObject* owner) const override;
    void CopyFrom(const TChunk& source) override;
    bool ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteTo(TStream& stream) override;

    TPngHeader Header() const;
    // Takes the fields and rebuilds the decoded picture for them (CreateImageBuffers).
    void SetHeader(const TPngHeader& header);
    // Rebuilds the zeroed picture for the header fields: DIB section, colour table, alpha
    // plane for colour types 4 and 6; deletes the owner's palette handle.
    void CreateImageBuffers();
    // Gives colour types 0 and 2 an alpha plane of 255s and the matching alpha type.
    void AddAlphaPlaneForGrey();

    std::uint32_t Width() const { return FWidth; }
    std::uint32_t Height() const { return FHeight; }
    std::uint8_t BitDepth() const { return FBitDepth; }
    std::uint8_t ColourType() const { return FColourType; }
    std::uint8_t Compression() const { return FCompression; }
    std::uint8_t FilterMethod() const { return FFilterMethod; }
    std::uint8_t Interlace() const { return FInterlace; }

    bool UsesColourTable() const { return FUsesColourTable; }
    const gdi::BITMAPINFO& DibInfo() const { return FDibInfo; }
    gdi::RGBQUAD* ColourTable() { return FDibInfo.bmiColors; }
    const gdi::RGBQUAD* ColourTable() const { return FDibInfo.bmiColors; }
    int DibBitsPerPixel() const { return FDibInfo.bmiHeader.biBitCount; }
    std::uint32_t RowStride() const { return FRowStride; }
    std::uint8_t* Pixels() const { return FPixels; }
    std::uint8_t* AlphaPlane() const { return FAlphaPlane.Data(); }
    // Image row y (0 = top) of the bottom-up DIB; y must be below the height.
    std::uint8_t* PixelRow(std::uint32_t y) const {
        return FPixels + std::size_t(FRowStride) * (FHeight - 1 - y);
    }
    // Alpha row y, or null without an alpha plane.
    std::uint8_t* AlphaRow(std::uint32_t y) const {
        return FAlphaPlane.Data() ? FAlphaPlane.Data() + std::size_t(FWidth) * y : nullptr;
    }

private:
    // Takes the fields as they are, checked or not, and rebuilds the picture for them.
    void TakeHeader(const TPngHeader& header);
    void ReleaseImageBuffers();

    gdi::TOwnedBitmap FDibHandle;
    gdi::TOwnedDC FDibDC;
    bool FUsesColourTable = false;
    gdi::BITMAPINFO FDibInfo{};
    std::uint32_t FRowStride = 0;
    std::uint8_t* FPixels = nullptr;
    platform::TZeroedMemory FAlphaPlane;
    std::uint32_t FWidth = 0;
    std::uint32_t FHeight = 0;
    std::uint8_t FBitDepth = 0;
    std::uint8_t FColourType = 0;
    std::uint8_t FCompression = 0;
    std::uint8_t FFilterMethod = 0;
    std::uint8_t FInterlace = 0;
};

class TChunkgAMA : public TChunk {
public:
    static constexpr TChunkType ClassType = png::ctgAMA;
    explicit TChunkgAMA(TPNGObject* owner);

    std::unique_ptr<TChunk> NewOfSameClass(TPNGObject* owner) const override;
    void CopyFrom(const TChunk& source) override;
    bool ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) override;

    // Gamma x 100000; 1 (and a 4-byte body) when the body is not 4 bytes long.
    std::uint32_t GammaValue();
    void SetGammaValue(std::uint32_t value);
};

class TChunkPLTE : public TChunk {
public:
    static constexpr TChunkType ClassType = png::ctPLTE;
    explicit TChunkPLTE(TPNGObject* owner) : TChunk(owner, ClassType) {}

    std::unique_ptr<TChunk> NewOfSameClass(TPNGObject* owner) const override;
    void CopyFrom(const TChunk& source) override;
    bool ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteTo(TStream& stream) override;

    // Colour-table entry index as blue (low byte), green, red, 0; EPngError when index is
    // not below the entry count.
    std::uint32_t EntryAt(std::uint32_t index) const;
    std::uint32_t EntryCount() const { return FEntryCount; }
    void SetEntryCount(std::uint32_t count) { FEntryCount = count; }

private:
    std::uint32_t FEntryCount = 0;
};

class TChunktRNS : public TChunk {
public:
    static constexpr TChunkType ClassType = png::cttRNS;
    explicit TChunktRNS(TPNGObject* owner) : TChunk(owner, ClassType) { FAlphaValues.fill(255); }

    std::unique_ptr<TChunk> NewOfSameClass(TPNGObject* owner) const override;
    void CopyFrom(const TChunk& source) override;
    bool ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteTo(TStream& stream) override;

    // The transparent colour as the stored pixels show it (0x00BBGGRR).
    TColor GetColourKey() const;
    void SetColourKey(TColor colour);
    // Sample index (0 for grey; 0, 1, 2 for red, green, blue) of a grey or RGB key at the
    // header's depth, before gamma: the high byte of a 16-bit sample, lower depths masked to
    // their range.
    std::uint8_t StoredKeySample(std::uint32_t index) const;
    // The palette entry a palette image's key names: the first entry of alpha 0, when the
    // palette holds it.
    std::optional<std::uint32_t> PaletteKeyIndex() const;
    // Moves the grey key to another bit depth, as the grey rows move when they are written
    // at another depth: the top level stays the top level.
    void RescaleGreyKey(std::uint8_t fromDepth, std::uint8_t toDepth);

    bool SingleTransparent() const { return FSingleTransparent; }
    std::array<std::uint8_t, 256>& AlphaValues() { return FAlphaValues; }
    const std::array<std::uint8_t, 256>& AlphaValues() const { return FAlphaValues; }
    void SetSingleTransparent(bool value) { FSingleTransparent = value; }

private:
    bool FSingleTransparent = false;
    std::array<std::uint8_t, 256> FAlphaValues{};
};

class TChunkIDAT : public TChunk {
public:
    static constexpr TChunkType ClassType = png::ctIDAT;
    explicit TChunkIDAT(TPNGObject* owner) : TChunk(owner, ClassType) {}

    std::unique_ptr<TChunk> NewOfSameClass(TPNGObject* owner) const override;
    // Consumes this and every following IDAT chunk that the image data needs and decodes
    // the rows into the header chunk; the body stays empty.
    bool ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    // Encodes the header chunk's picture into one or more IDAT chunks.
    bool WriteTo(TStream& stream) override;
};

class TChunktIME : public TChunk {
public:
    static constexpr TChunkType ClassType = png::cttIME;
    explicit TChunktIME(TPNGObject* owner) : TChunk(owner, ClassType) {}

    std::unique_ptr<TChunk> NewOfSameClass(TPNGObject* owner) const override;
    void CopyFrom(const TChunk& source) override;
    bool ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteTo(TStream& stream) override;

    std::uint16_t FYear = 0;
    std::uint8_t FMonth = 0;
    std::uint8_t FDay = 0;
    std::uint8_t FHour = 0;
    std::uint8_t FMinute = 0;
    std::uint8_t FSecond = 0;
};

class TChunktEXt : public TChunk {
public:
    static constexpr TChunkType ClassType = png::cttEXt;
    explicit TChunktEXt(TPNGObject* owner) : TChunk(owner, ClassType) {}

    std::unique_ptr<TChunk> NewOfSameClass(TPNGObject* owner) const override;
    void CopyFrom(const TChunk& source) override;
    bool ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteTo(TStream& stream) override;

    std::string FKeyword;
    std::string FText;

protected:
    TChunktEXt(TPNGObject* owner, const TChunkType& type) : TChunk(owner, type) {}
    // Keyword and the bytes after its zero byte; the zero byte's position, or the body
    // size when there is none.
    std::uint32_t SplitKeyword();
};

class TChunkzTXt : public TChunktEXt {
public:
    static constexpr TChunkType ClassType = png::ctzTXt;
    explicit TChunkzTXt(TPNGObject* owner) : TChunktEXt(owner, ClassType) {}

    std::unique_ptr<TChunk> NewOfSameClass(TPNGObject* owner) const override;
    bool ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) override;
    bool WriteTo(TStream& stream) override;
};

#pragma once
// The codec's exception classes and the one fixed message each failure carries. None of
// the classes derives from another, so catching one never catches the rest.

#include "gui/classes/exceptions.h"

#include <string>

DECLARE_EXCEPTION(EPNGOutMemory, Exception);
DECLARE_EXCEPTION(EPngError, Exception);
DECLARE_EXCEPTION(EPngUnexpectedEnd, Exception);
DECLARE_EXCEPTION(EPngInvalidCRC, Exception);
DECLARE_EXCEPTION(EPngInvalidIHDR, Exception);
DECLARE_EXCEPTION(EPNGMissingMultipleIDAT, Exception);
DECLARE_EXCEPTION(EPNGZLIBError, Exception);
DECLARE_EXCEPTION(EPNGInvalidPalette, Exception);
DECLARE_EXCEPTION(EPNGInvalidFileHeader, Exception);
DECLARE_EXCEPTION(EPNGIHDRNotFirst, Exception);
DECLARE_EXCEPTION(EPNGSizeExceeds, Exception);
DECLARE_EXCEPTION(EPNGUnknownCriticalChunk, Exception);
DECLARE_EXCEPTION(EPNGUnknownCompression, Exception);
DECLARE_EXCEPTION(EPNGUnknownInterlace, Exception);
DECLARE_EXCEPTION(EPNGNoImageData, Exception);
DECLARE_EXCEPTION(EPNGHeaderNotPresent, Exception);

namespace png::msg {

inline constexpr const char* InvalidFileHeader =
    "The file being readed is not a valid \"Portable Network Graphics\" image because it "
    "contains an invalid header. This file may be corruped, try obtaining it again.";
inline constexpr const char* UnexpectedEnd =
    "This \"Portable Network Graphics\" image is invalid because the decoder found an "
    "unexpected end of the file.";
inline constexpr const char* IHDRNotFirst =
    "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n"
    "(IHDR chunk is not the first)";
inline constexpr const char* UnknownCriticalChunk =
    "This \"Portable Network Graphics\" image contains an unknown critical part which could "
    "not be decoded.";
inline constexpr const char* InvalidCRC =
    "This \"Portable Network Graphics\" image is not valid because it contains invalid pieces "
    "of data (crc error)";
inline constexpr const char* InvalidIHDR =
    "The \"Portable Network Graphics\" image could not be loaded because one of its main piece "
    "of data (ihdr) might be corrupted";
inline constexpr const char* SizeExceeds =
    "This \"Portable Network Graphics\" image is not supported because either it's width or "
    "height exceeds the maximum size, which is 65535 pixels length.";
inline constexpr const char* UnknownCompression =
    "This \"Portable Network Graphics\" image is encoded with an unknown compression scheme "
    "which could not be decoded.";
inline constexpr const char* UnknownInterlace =
    "This \"Portable Network Graphics\" image uses an unknown interlace scheme which could not "
    "be decoded.";
inline constexpr const char* InvalidPalette =
    "The \"Portable Network Graphics\" image contains an invalid palette.";
inline constexpr const char* MissingMultipleIDAT =
    "This \"Portable Network Graphics\" image is invalid because it has missing image parts.";
inline constexpr const char* ZLIBError =
    "Could not decompress the image because it contains invalid compressed data.\r\n"
    " Description: ";
inline constexpr const char* NoImageData =
    "This \"Portable Network Graphics\" image contains no data.";
inline constexpr const char* HeaderNotPresent =
    "This operation is not valid because the current image contains no valid header.";
inline constexpr const char* ChunksNotCompatible = "The chunks must be compatible to be assigned.";
inline constexpr const char* NoSuchPaletteEntry = "There is no such palette entry.";
inline constexpr const char* CannotResize =
    "The \"Portable Network Graphics\" image can not be resize by changing width and height "
    "properties. Try assigning the image from a bitmap.";
inline constexpr const char* ExistentChunk =
    "The program tried to add a existent critical chunk to the current image which is not "
    "allowed.";
inline constexpr const char* InvalidImageForAdd =
    "It's not allowed to add a new chunk because the current image is invalid.";
inline constexpr const char* OutOfResources =
    "Some operation could not be performed because the system is out of resources. Close "
    "some windows and try again.";

} // namespace png::msg

// Raises an exception of class E with the message.
template <class E>
[[noreturn]] void RaisePngError(const std::string& message) {
    throw E(message);
}

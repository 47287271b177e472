#pragma once
// The text form of layouts and its conversion to and from the binary form stream.
//
//   object MainForm: TMainForm            an object: name (optional) and class
//     Caption = 'Brenlow'                 property = value
//     Font.Style = [fsBold]               dotted names reach nested objects
//     Color = clBtnFace                   identifiers; True, False and nil are values
//     Left = -8                           integers (decimal or $hex) and floats (1.5, 2E3)
//     Hint = 'Line one'#13#10 +           strings: quoted parts ('' is a quote) and
//       'line two'                        #code characters (Unicode), joined by +
//     Items.Strings = (                   lists of values
//       'Data'
//       'Music')
//     PngImages = <                       collections of items
//       item
//         PngImage.Data = {file 'icons/data.png'}
//         Name = 'PngImage0'
//       end>
//     Bitmap = {0A1B2C}                   bytes in hex, or
//                                         {file 'path'}: the bytes of a file, its path
//                                         relative to the layout's folder
//     object ButtonOK: TGlyphButton       child objects after the properties
//     end
//   end

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TLayoutOptions {
    // Where {file '...'} paths start.
    std::filesystem::path BaseDirectory;
    // When given, receives the path of every file the layout includes.
    std::vector<std::filesystem::path>* IncludedFiles = nullptr;
};

// Raises EParserError "Line <n>: <what is wrong>" for text that is not a layout, or names a
// file that cannot be read.
std::vector<std::uint8_t> ObjectTextToBinary(std::string_view text,
                                             const TLayoutOptions& options = {});
// The text form of a binary form stream; EReadError for a stream that is not one.
std::string ObjectBinaryToText(std::span<const std::uint8_t> stream);

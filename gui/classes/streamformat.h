#pragma once
// The binary form-stream format. A stream is the signature followed by one object:
//   [filer flags] class name, object name, properties, 0, child objects, 0
// where names are short strings (a length byte and the characters), a property is its
// (possibly dotted) name as a short string followed by a tagged value, and all integers are
// little-endian.

#include <array>
#include <cstdint>

constexpr std::array<std::uint8_t, 4> FormStreamSignature = {'T', 'P', 'F', '0'};

// The tag in front of every value.
enum TValueType : std::uint8_t {
    vaNull = 0x00,       // end of a list of properties, objects, list items or items
    vaList = 0x01,       // values up to vaNull
    vaInt8 = 0x02,       // 1-byte signed integer
    vaInt16 = 0x03,      // 2-byte signed integer
    vaInt32 = 0x04,      // 4-byte signed integer
    vaExtended = 0x05,   // 10-byte extended-precision float
    vaString = 0x06,     // short string of single-byte characters
    vaIdent = 0x07,      // identifier as a short string
    vaFalse = 0x08,      //
    vaTrue = 0x09,       //
    vaBinary = 0x0A,     // 4-byte length and the bytes
    vaSet = 0x0B,        // identifiers as short strings up to an empty one
    vaLString = 0x0C,    // 4-byte length and single-byte characters
    vaNil = 0x0D,        //
    vaCollection = 0x0E, // items up to vaNull: [integer] vaList properties vaNull
    vaWString = 0x12,    // 4-byte count of UTF-16 units and the units
    vaInt64 = 0x13,      // 8-byte signed integer
    vaUTF8String = 0x14, // 4-byte length and UTF-8 bytes
};

// An object may start with a byte whose high nibble is all ones; its low nibble holds these
// flags, and with ffChildPos an integer value (the child's position) follows. Both are
// accepted and ignored.
constexpr std::uint8_t FilerFlagsPrefix = 0xF0;
constexpr std::uint8_t ffInherited = 0x01;
constexpr std::uint8_t ffChildPos = 0x02;
constexpr std::uint8_t ffInline = 0x04;

constexpr std::size_t ExtendedSize = 10;
constexpr std::size_t MaxShortString = 255;
// Objects, collections and lists nested deeper than this are refused rather than risking the
// reader's stack.
constexpr int MaxNestingDepth = 64;

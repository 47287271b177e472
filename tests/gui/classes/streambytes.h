#pragma once
// Form-stream bytes assembled by hand, one tag at a time, to check the reader and the
// converters against the format itself rather than against our own writer.

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

class TStreamBytes {
public:
    std::vector<std::uint8_t> Bytes;

    TStreamBytes& Raw(std::initializer_list<int> bytes) {
        for (int byte : bytes)
            Bytes.push_back(std::uint8_t(byte));
        return *this;
    }
    TStreamBytes& Little(std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i)
            Bytes.push_back(std::uint8_t(value >> (8 * i)));
        return *this;
    }
    TStreamBytes& Signature() { return Raw({'T', 'P', 'F', '0'}); }
    // A short string without tag: names of classes, objects and properties.
    TStreamBytes& Str(std::string_view text) {
        Bytes.push_back(std::uint8_t(text.size()));
        Bytes.insert(Bytes.end(), text.begin(), text.end());
        return *this;
    }
    TStreamBytes& Object(std::string_view className, std::string_view name) {
        return Str(className).Str(name);
    }
    TStreamBytes& End() { return Raw({0x00}); }
    TStreamBytes& List() { return Raw({0x01}); }
    TStreamBytes& Int8(int value) { return Raw({0x02}).Little(std::uint64_t(value), 1); }
    TStreamBytes& Int16(int value) { return Raw({0x03}).Little(std::uint64_t(value), 2); }
    TStreamBytes& Int32(std::int64_t value) { return Raw({0x04}).Little(std::uint64_t(value), 4); }
    TStreamBytes& Int64(std::int64_t value) { return Raw({0x13}).Little(std::uint64_t(value), 8); }
    TStreamBytes& String(std::string_view text) { return Raw({0x06}).Str(text); }
    TStreamBytes& Ident(std::string_view text) { return Raw({0x07}).Str(text); }
    TStreamBytes& False() { return Raw({0x08}); }
    TStreamBytes& True() { return Raw({0x09}); }
    TStreamBytes& Binary(std::initializer_list<int> bytes) {
        Raw({0x0A}).Little(bytes.size(), 4);
        return Raw(bytes);
    }
    TStreamBytes& Set(std::initializer_list<std::string_view> idents) {
        Raw({0x0B});
        for (std::string_view ident : idents)
            Str(ident);
        return Str("");
    }
    TStreamBytes& Nil() { return Raw({0x0D}); }
    TStreamBytes& Collection() { return Raw({0x0E}); }
};

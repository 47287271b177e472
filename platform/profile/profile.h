#pragma once
// The platform's profile-string (INI file) reader.

#include <string>
#include <string_view>

namespace profile {

// The value of `key` in `[section]` of the file, or `defaultValue` when the file, the section
// or the key is missing. Section and key names compare without regard to case; the first
// match wins. Names and values are trimmed of surrounding white space, and a value enclosed
// in a pair of quotes loses them. Lines that are neither a section header nor key=value, and
// lines starting with ';', are ignored. Only a regular file is read: a directory, a FIFO or
// a device counts as missing, and opening one never waits.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName);

// The same, for contents already in memory.
std::string ProfileStringIn(std::string_view contents, const std::string& section,
                            const std::string& key, const std::string& defaultValue);

} // namespace profile

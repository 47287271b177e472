#pragma once
// Settings files in INI form, read through the platform's profile-string reader: a section
// starts with its name in square brackets, key=value lines follow, and anything else is
// ignored. The file is read afresh on every call and never kept open.

#include "gui/classes/object.h"

#include <string>

class TIniFile : public TObject {
public:
    explicit TIniFile(std::string fileName) : FFileName(std::move(fileName)) {}

    // The value of ident in section, or defaultValue when the file, the section or the key
    // is missing. Names compare without regard to case; values are trimmed.
    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) const;

private:
    std::string FFileName;
};

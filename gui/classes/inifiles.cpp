#include "gui/classes/inifiles.h"

#include "platform/profile/profile.h"

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) const {
    return profile::GetPrivateProfileString(section, ident, defaultValue, FFileName);
}

#pragma once
// The cdrom driver's capability table (/proc/sys/dev/cdrom/info): one column per drive, one
// "Can ..." row per capability.

#include <istream>
#include <map>
#include <string>
#include <vector>

namespace drives {

// The rows of each drive: drive name -> row title ("Can write CD-R") -> value.
using TCdromInfo = std::map<std::string, std::map<std::string, std::string>>;

// Reads the table; rows with fewer or more values than there are drives are skipped.
TCdromInfo ParseCdromInfo(std::istream& text);

// The media kinds a drive's rows say it reads and writes, in a fixed order. Every drive in
// the table reads CD.
struct TMediaKinds {
    std::vector<std::string> Reads;
    std::vector<std::string> Writes;
};
TMediaKinds MediaKindsOf(const std::map<std::string, std::string>& rows);

} // namespace drives

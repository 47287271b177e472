#include "launcher/drives/drives.h"

#include "launcher/drives/cdrominfo.h"
#include "launcher/drives/discstate.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace drives {

namespace fs = std::filesystem;

namespace {

constexpr char RootVariable[] = "BRENLOW_SYSTEM_ROOT";

// sysfs pads the SCSI inquiry strings with blanks.
std::string ReadTrimmed(const fs::path& file) {
    std::ifstream stream(file);
    std::string text;
    std::getline(stream, text);
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "sr12" -> 12, for ordering; names without a number come last.
long DriveNumber(const std::string& name) {
    const auto digits = name.find_first_of("0123456789");
    return digits == std::string::npos ? -1 : std::strtol(name.c_str() + digits, nullptr, 10);
}

std::vector<std::string> DriveNames(const fs::path& blockFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(blockFolder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("sr"))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const long left = DriveNumber(a);
        const long right = DriveNumber(b);
        return left != right ? left < right : a < b;
    });
    return names;
}

TCdromInfo ReadCdromInfo(const fs::path& file) {
    std::ifstream stream(file);
    return ParseCdromInfo(stream);
}

} // namespace

std::string SystemRoot() {
    const char* root = std::getenv(RootVariable);
    return root && *root ? root : "/";
}

std::vector<TDrive> FindDrives(const std::string& root) {
    const fs::path base(root);
    const TCdromInfo info = ReadCdromInfo(base / "proc/sys/dev/cdrom/info");
    std::vector<TDrive> found;
    for (const std::string& name : DriveNames(base / "sys/block")) {
        const fs::path device = base / "sys/block" / name / "device";
        TDrive drive;
        drive.Name = name;
        drive.Node = "/dev/" + name;
        drive.Vendor = ReadTrimmed(device / "vendor");
        drive.Model = ReadTrimmed(device / "model");
        drive.Revision = ReadTrimmed(device / "rev");
        if (const auto rows = info.find(name); rows != info.end()) {
            TMediaKinds kinds = MediaKindsOf(rows->second);
            drive.Reads = std::move(kinds.Reads);
            drive.Writes = std::move(kinds.Writes);
        }
        drive.Disc = ReadDiscState((base / "dev" / name).string(),
                                   (base / "sys/block" / name / "size").string());
        found.push_back(std::move(drive));
    }
    return found;
}

} // namespace drives

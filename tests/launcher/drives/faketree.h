#pragma once
// A fake machine for the drive readers: sysfs entries and the cdrom driver's table under a
// folder that stands for "/", written as the kernel writes them.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace drivetest {

struct TFakeDrive {
    std::string Name;   // "sr0"
    std::string Vendor; // padded as sysfs pads it
    std::string Model;
    std::string Revision;
    long long Sectors = 0;                   // 0 for an empty drive
    std::map<std::string, std::string> Rows; // "Can write CD-R" -> "1"
};

class TFakeSystem {
public:
    explicit TFakeSystem(std::filesystem::path root) : FRoot(std::move(root)) {}

    // Adds the drive's sysfs entry and rewrites the driver's table with every drive so far,
    // the newest first, as the kernel lists them.
    void AddDrive(const TFakeDrive& drive);
    void SetSectors(const std::string& name, long long sectors) const;

    const std::filesystem::path& Root() const { return FRoot; }

private:
    void WriteTable() const;

    std::filesystem::path FRoot;
    std::vector<TFakeDrive> FDrives;
};

// A DVD writer and a reader of DVDs that writes nothing.
TFakeDrive DvdWriter(const std::string& name, long long sectors = 0);
TFakeDrive DvdReader(const std::string& name, long long sectors = 0);

} // namespace drivetest

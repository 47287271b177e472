#include "faketree.h"

#include <fstream>
#include <set>

namespace drivetest {

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

} // namespace

void TFakeSystem::AddDrive(const TFakeDrive& drive) {
    const fs::path device = FRoot / "sys/block" / drive.Name / "device";
    Write(device / "vendor", drive.Vendor + "\n");
    Write(device / "model", drive.Model + "\n");
    Write(device / "rev", drive.Revision + "\n");
    FDrives.push_back(drive);
    SetSectors(drive.Name, drive.Sectors);
    WriteTable();
}

void TFakeSystem::SetSectors(const std::string& name, long long sectors) const {
    Write(FRoot / "sys/block" / name / "size", std::to_string(sectors) + "\n");
}

void TFakeSystem::WriteTable() const {
    std::set<std::string> titles;
    for (const TFakeDrive& drive : FDrives)
        for (const auto& row : drive.Rows)
            titles.insert(row.first);
    std::string table = "CD-ROM information, Id: cdrom.c 3.20 2003/12/17\n\ndrive name:\t";
    for (auto drive = FDrives.rbegin(); drive != FDrives.rend(); ++drive)
        table += "\t" + drive->Name;
    table += "\ndrive speed:\t";
    for (std::size_t i = 0; i < FDrives.size(); ++i)
        table += "\t48";
    for (const std::string& title : titles) {
        table += "\n" + title + ":\t";
        for (auto drive = FDrives.rbegin(); drive != FDrives.rend(); ++drive) {
            const auto value = drive->Rows.find(title);
            table += "\t" + (value == drive->Rows.end() ? std::string("0") : value->second);
        }
    }
    Write(FRoot / "proc/sys/dev/cdrom/info", table + "\n\n");
}

TFakeDrive DvdWriter(const std::string& name, long long sectors) {
    return {name,
            "HL-DT-ST",
            "DVDRAM GH24NSD1 ",
            "LG00",
            sectors,
            {{"Can play audio", "1"},
             {"Can read DVD", "1"},
             {"Can read MRW", "1"},
             {"Can write CD-R", "1"},
             {"Can write CD-RW", "1"},
             {"Can write DVD-R", "1"},
             {"Can write DVD-RAM", "1"},
             {"Can write MRW", "1"},
             {"Can write RAM", "1"}}};
}

TFakeDrive DvdReader(const std::string& name, long long sectors) {
    return {name,
            "ASUS    ",
            "DVD-E818A9T     ",
            "1.00",
            sectors,
            {{"Can play audio", "1"}, {"Can read DVD", "1"}, {"Can write CD-R", "0"}}};
}

} // namespace drivetest

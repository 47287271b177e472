#include "launcher/driveprobe/drivetext.h"

namespace driveprobe {

namespace {

using drives::TDiscState;

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::string NameLine(const drives::TDrive& drive) {
    const std::string name = drive.Vendor.empty() || drive.Model.empty()
                                 ? drive.Vendor + drive.Model
                                 : drive.Vendor + " " + drive.Model;
    return name.empty() ? "Optical drive" : name;
}

std::string DeviceLine(const drives::TDrive& drive) {
    return "Device " + drive.Node +
           (drive.Revision.empty() ? std::string() : ", firmware " + drive.Revision);
}

std::string MediaLine(const drives::TDrive& drive) {
    if (drive.Reads.empty())
        return "The kernel does not say which discs it reads and writes.";
    return "Reads " + Joined(drive.Reads) + "; " +
           (drive.Writes.empty() ? "writes no discs." : "writes " + Joined(drive.Writes) + ".");
}

} // namespace

std::string DiscText(TDiscState state) {
    switch (state) {
    case TDiscState::dsNoDisc:
        return "No disc";
    case TDiscState::dsTrayOpen:
        return "Tray open";
    case TDiscState::dsNotReady:
        return "A disc is being read in";
    case TDiscState::dsPresent:
        return "Disc inserted";
    case TDiscState::dsAudio:
        return "Audio CD inserted";
    case TDiscState::dsData:
        return "Data disc inserted";
    case TDiscState::dsMixed:
        return "Disc with data and audio tracks inserted";
    case TDiscState::dsUnknown:
        break;
    }
    return "Disc state unknown";
}

std::string DriveText(const drives::TDrive& drive) {
    return NameLine(drive) + '\r' + DeviceLine(drive) + '\r' + MediaLine(drive) + '\r' +
           DiscText(drive.Disc);
}

} // namespace driveprobe

#pragma once
// Optical drives as the kernel describes them: which there are, who made them and what media
// they read and write (sysfs and the cdrom driver's table), and the state of the disc in each.

#include <string>
#include <vector>

namespace drives {

enum class TDiscState {
    dsUnknown,  // the drive cannot be asked and the kernel says nothing
    dsNoDisc,   // empty, tray closed
    dsTrayOpen, // tray open
    dsNotReady, // a disc is spinning up
    dsPresent,  // a disc is in, of a type nobody reported
    dsAudio,    // an audio CD
    dsData,     // a data disc
    dsMixed,    // data and audio tracks
};

struct TDrive {
    std::string Name; // "sr0"
    std::string Node; // "/dev/sr0", as the user knows it (without the test root)
    std::string Vendor;
    std::string Model;
    std::string Revision;
    // Media kinds in a fixed order ("CD", "DVD", ...); empty when the driver's table does not
    // list the drive.
    std::vector<std::string> Reads;
    std::vector<std::string> Writes;
    TDiscState Disc = TDiscState::dsUnknown;

    bool operator==(const TDrive&) const = default;
};

// The folder that stands for "/" when drives are read: the value of BRENLOW_SYSTEM_ROOT,
// which tests point at a fake tree, else "/".
std::string SystemRoot();

// The drives under root/sys/block (sr0, sr1, ... in numeric order), with their capabilities
// from root/proc/sys/dev/cdrom/info and the state of their discs. Missing or unreadable files
// leave the fields they would fill empty; nothing here throws for what the system holds.
std::vector<TDrive> FindDrives(const std::string& root);

} // namespace drives

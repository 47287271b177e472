#pragma once
// What the drive window says about a drive.

#include "launcher/drives/drives.h"

#include <string>

namespace driveprobe {

// One line on the disc: "No disc", "Tray open", "Audio CD inserted"...
std::string DiscText(drives::TDiscState state);

// Four lines joined by carriage returns: the drive's name (vendor and model), its device node
// and firmware, what it reads and writes, and its disc.
std::string DriveText(const drives::TDrive& drive);

} // namespace driveprobe

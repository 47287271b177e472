#pragma once
// Asking a drive what is in it.

#include "launcher/drives/drives.h"

#include <string>

namespace drives {

// What the cdrom driver's answers mean: driveStatus from CDROM_DRIVE_STATUS, discStatus from
// CDROM_DISC_STATUS (asked only once the drive reports a disc); negative for a failed call.
TDiscState DiscStateFrom(int driveStatus, int discStatus);

// Asks the block device at node (opened without waiting for a disc, so an empty drive answers
// at once). A node that is not a block device, or that cannot be opened, is not asked: then
// the size in sizeFile tells an empty drive (0) from one with a disc, and without it the
// state is unknown.
TDiscState ReadDiscState(const std::string& node, const std::string& sizeFile);

} // namespace drives

#include "launcher/drives/discstate.h"

#include "platform/system/file_descriptor.h"

#include <climits>
#include <fcntl.h>
#include <fstream>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drives {

namespace {

bool IsBlockDevice(int descriptor) {
    struct stat status {};
    return fstat(descriptor, &status) == 0 && S_ISBLK(status.st_mode);
}

TDiscState StateFromSize(const std::string& sizeFile) {
    std::ifstream stream(sizeFile);
    long long sectors = -1;
    if (!(stream >> sectors) || sectors < 0)
        return TDiscState::dsUnknown;
    return sectors == 0 ? TDiscState::dsNoDisc : TDiscState::dsPresent;
}

} // namespace

TDiscState DiscStateFrom(int driveStatus, int discStatus) {
    switch (driveStatus) {
    case CDS_NO_DISC:
        return TDiscState::dsNoDisc;
    case CDS_TRAY_OPEN:
        return TDiscState::dsTrayOpen;
    case CDS_DRIVE_NOT_READY:
        return TDiscState::dsNotReady;
    case CDS_DISC_OK:
        break;
    default:
        return TDiscState::dsUnknown;
    }
    switch (discStatus) {
    case CDS_AUDIO:
        return TDiscState::dsAudio;
    case CDS_DATA_1:
    case CDS_DATA_2:
    case CDS_XA_2_1:
    case CDS_XA_2_2:
        return TDiscState::dsData;
    case CDS_MIXED:
        return TDiscState::dsMixed;
    default:
        return TDiscState::dsPresent;
    }
}

TDiscState ReadDiscState(const std::string& node, const std::string& sizeFile) {
    const platform::TFileDescriptor device(open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (device.Get() < 0 || !IsBlockDevice(device.Get()))
        return StateFromSize(sizeFile);
    const int driveStatus = ioctl(device.Get(), CDROM_DRIVE_STATUS, CDSL_CURRENT);
    if (driveStatus < 0)
        return StateFromSize(sizeFile);
    const int discStatus =
        driveStatus == CDS_DISC_OK ? ioctl(device.Get(), CDROM_DISC_STATUS, 0) : -1;
    return DiscStateFrom(driveStatus, discStatus);
}

} // namespace drives

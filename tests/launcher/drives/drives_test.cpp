// Reading the optical drives: the driver's table, sysfs under a fake root, and what the
// driver's status answers mean.

#include "faketree.h"
#include "launcher/drives/cdrominfo.h"
#include "launcher/drives/discstate.h"
#include "launcher/drives/drives.h"
#include "tests/support/standins.h"

#include <fstream>
#include <gtest/gtest.h>
#include <linux/cdrom.h>
#include <sstream>

namespace drivetest {
namespace {

using drives::TDiscState;
using Strings = std::vector<std::string>;

TEST(CdromInfo, ReadsTheColumnsInTheOrderTheDriveNamesGive) {
    std::istringstream text("CD-ROM information, Id: cdrom.c 3.20 2003/12/17\n\n"
                            "drive name:\t\tsr1\tsr0\n"
                            "Can write CD-R:\t\t0\t1\n"
                            "Can read DVD:\t\t1\t0\n"
                            "Can read MRW:\t\t1\n" // short rows are not trusted
                            "\n");
    const drives::TCdromInfo info = drives::ParseCdromInfo(text);
    ASSERT_EQ(info.size(), 2u);
    EXPECT_EQ(info.at("sr0").at("Can write CD-R"), "1");
    EXPECT_EQ(info.at("sr1").at("Can write CD-R"), "0");
    EXPECT_EQ(info.at("sr0").at("Can read DVD"), "0");
    EXPECT_EQ(info.at("sr0").count("Can read MRW"), 0u);
}

TEST(CdromInfo, MediaKindsFollowAFixedOrderAndEveryDriveReadsCd) {
    const drives::TMediaKinds kinds = drives::MediaKindsOf({{"Can write DVD-RAM", "1"},
                                                            {"Can read DVD", "1"},
                                                            {"Can write CD-R", "1"},
                                                            {"Can write CD-RW", "0"},
                                                            {"Can write RAM", "1"},
                                                            {"Can play audio", "1"}});
    EXPECT_EQ(kinds.Reads, (Strings{"CD", "DVD"}));
    EXPECT_EQ(kinds.Writes, (Strings{"CD-R", "DVD-RAM"}));
    EXPECT_EQ(drives::MediaKindsOf({}).Reads, Strings{"CD"});
}

TEST(DiscState, TheDriversAnswersMapToStates) {
    EXPECT_EQ(drives::DiscStateFrom(CDS_NO_DISC, -1), TDiscState::dsNoDisc);
    EXPECT_EQ(drives::DiscStateFrom(CDS_TRAY_OPEN, -1), TDiscState::dsTrayOpen);
    EXPECT_EQ(drives::DiscStateFrom(CDS_DRIVE_NOT_READY, -1), TDiscState::dsNotReady);
    EXPECT_EQ(drives::DiscStateFrom(CDS_NO_INFO, -1), TDiscState::dsUnknown);
    EXPECT_EQ(drives::DiscStateFrom(-1, -1), TDiscState::dsUnknown);
    EXPECT_EQ(drives::DiscStateFrom(CDS_DISC_OK, CDS_AUDIO), TDiscState::dsAudio);
    for (const int data : {CDS_DATA_1, CDS_DATA_2, CDS_XA_2_1, CDS_XA_2_2})
        EXPECT_EQ(drives::DiscStateFrom(CDS_DISC_OK, data), TDiscState::dsData) << data;
    EXPECT_EQ(drives::DiscStateFrom(CDS_DISC_OK, CDS_MIXED), TDiscState::dsMixed);
    EXPECT_EQ(drives::DiscStateFrom(CDS_DISC_OK, CDS_NO_INFO), TDiscState::dsPresent);
    EXPECT_EQ(drives::DiscStateFrom(CDS_DISC_OK, -1), TDiscState::dsPresent);
}

class FakeMachine : public ::testing::Test {
protected:
    testsupport::TScratchFolder Scratch{"drives_test"};
    TFakeSystem System{Scratch.Path()};
};

TEST_F(FakeMachine, WithoutOpticalDrivesThereAreNone) {
    EXPECT_TRUE(drives::FindDrives(System.Root().string()).empty());
    std::filesystem::create_directories(System.Root() / "sys/block/sda");
    EXPECT_TRUE(drives::FindDrives(System.Root().string()).empty());
}

TEST_F(FakeMachine, OneEmptyDriveIsReadWithItsNamesAndMedia) {
    System.AddDrive(DvdWriter("sr0"));
    const auto found = drives::FindDrives(System.Root().string());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Name, "sr0");
    EXPECT_EQ(found[0].Node, "/dev/sr0");
    EXPECT_EQ(found[0].Vendor, "HL-DT-ST");
    EXPECT_EQ(found[0].Model, "DVDRAM GH24NSD1");
    EXPECT_EQ(found[0].Revision, "LG00");
    EXPECT_EQ(found[0].Reads, (Strings{"CD", "DVD", "MRW"}));
    EXPECT_EQ(found[0].Writes, (Strings{"CD-R", "CD-RW", "DVD-R", "DVD-RAM", "MRW"}));
    // The fake tree has no device to ask: the size tells an empty drive.
    EXPECT_EQ(found[0].Disc, TDiscState::dsNoDisc);
}

TEST_F(FakeMachine, DrivesComeInNumericOrderEachWithItsOwnColumn) {
    System.AddDrive(DvdReader("sr10", 2097152));
    System.AddDrive(DvdWriter("sr2"));
    const auto found = drives::FindDrives(System.Root().string());
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].Name, "sr2");
    EXPECT_EQ(found[1].Name, "sr10");
    EXPECT_EQ(found[0].Writes.size(), 5u);
    EXPECT_EQ(found[1].Reads, (Strings{"CD", "DVD"}));
    EXPECT_TRUE(found[1].Writes.empty());
    EXPECT_EQ(found[1].Model, "DVD-E818A9T");
    EXPECT_EQ(found[0].Disc, TDiscState::dsNoDisc);
    EXPECT_EQ(found[1].Disc, TDiscState::dsPresent);
}

TEST_F(FakeMachine, ADriveMissingFromTheTableOrWithoutSizeIsStillListed) {
    std::filesystem::create_directories(System.Root() / "sys/block/sr0/device");
    const auto found = drives::FindDrives(System.Root().string());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(found[0].Reads.empty());
    EXPECT_TRUE(found[0].Vendor.empty());
    EXPECT_EQ(found[0].Disc, TDiscState::dsUnknown);
}

TEST_F(FakeMachine, ANodeThatIsNoBlockDeviceIsNotAsked) {
    System.AddDrive(DvdWriter("sr0", 1000));
    std::filesystem::create_directories(System.Root() / "dev");
    std::ofstream(System.Root() / "dev/sr0") << "not a device";
    EXPECT_EQ(drives::ReadDiscState((System.Root() / "dev/sr0").string(),
                                    (System.Root() / "sys/block/sr0/size").string()),
              TDiscState::dsPresent);
}

} // namespace
} // namespace drivetest

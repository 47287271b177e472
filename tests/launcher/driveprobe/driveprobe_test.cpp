// The drive window on the headless window system against a fake machine: what it says with
// no drive, one and two drives, and how it follows discs and drives that come and go.

#include "launcher/driveprobe/driveform.h"
#include "launcher/driveprobe/drivetext.h"
#include "tests/gui/controls/fixture.h"
#include "tests/launcher/drives/faketree.h"
#include "tests/support/standins.h"

namespace drivetest {
namespace {

constexpr char WriterText[] = "HL-DT-ST DVDRAM GH24NSD1\r"
                              "Device /dev/sr0, firmware LG00\r"
                              "Reads CD, DVD, MRW; writes CD-R, CD-RW, DVD-R, DVD-RAM, MRW.\r"
                              "No disc";

class DriveWindow : public guitest::TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        TFormDriveProbe::Register();
    }

    void Open() {
        Window = new TFormDriveProbe(&Application, System.Root().string());
        Window->Show();
        Pump();
    }

    std::vector<std::string> Items() const {
        std::vector<std::string> items;
        for (int i = 0; i < Window->ListBoxDrives->Count(); ++i)
            items.push_back(Window->ListBoxDrives->Items()->Strings(i));
        return items;
    }

    // Lets the poll timer run once.
    void Poll() {
        Headless->Advance(Window->PollInterval());
        Pump();
    }

    testsupport::TScratchFolder Scratch{"driveprobe_test"};
    TFakeSystem System{Scratch.Path()};
    TFormDriveProbe* Window = nullptr;
};

TEST_F(DriveWindow, WithoutDrivesSaysSoAndShowsNoList) {
    Open();
    EXPECT_EQ(Window->Caption(), "Device Info");
    EXPECT_EQ(Window->LabelIntro->Caption(),
              "No optical drive was found on this computer. A drive that is connected later "
              "appears here by itself.");
    EXPECT_FALSE(Window->ListBoxDrives->Visible());
    EXPECT_TRUE(Items().empty());
}

TEST_F(DriveWindow, OneDriveWithoutADisc) {
    System.AddDrive(DvdWriter("sr0"));
    Open();
    EXPECT_EQ(Window->LabelIntro->Caption(),
              "Optical drives of this computer, with the disc in each:");
    EXPECT_TRUE(Window->ListBoxDrives->Visible());
    EXPECT_EQ(Items(), std::vector<std::string>{WriterText});
}

TEST_F(DriveWindow, TwoDrivesWithDifferentCapabilities) {
    System.AddDrive(DvdWriter("sr0"));
    System.AddDrive(DvdReader("sr1", 2097152));
    Open();
    EXPECT_EQ(Items(), (std::vector<std::string>{WriterText, "ASUS DVD-E818A9T\r"
                                                             "Device /dev/sr1, firmware 1.00\r"
                                                             "Reads CD, DVD; writes no discs.\r"
                                                             "Disc inserted"}));
}

TEST_F(DriveWindow, EachDriveIsDrawnWithItsTitleInBold) {
    System.AddDrive(DvdWriter("sr0"));
    Open();
    // The title's ink lies in the first item's top line, and the bold face is wider than the
    // regular one: its last ink column lies further right than the same text's would. The
    // focus rectangle's dots at the item's edges are left out.
    const TListBox& list = *Window->ListBoxDrives;
    int rightmostInk = -1;
    for (int x = 2; x < list.ClientWidth() - 2; ++x)
        for (int y = 5; y < 18; ++y)
            if (Pixel(list, x, y) == 0x000000)
                rightmostInk = x;
    TCanvas& canvas = *Window->ListBoxDrives->Canvas();
    canvas.Font().SetStyle({});
    const int regularWidth = canvas.TextWidth("HL-DT-ST DVDRAM GH24NSD1");
    EXPECT_GT(rightmostInk, 8 + regularWidth - 2);
    EXPECT_LT(rightmostInk, list.ClientWidth() / 2);
}

TEST_F(DriveWindow, ADiscThatGoesInShowsAtTheNextPoll) {
    System.AddDrive(DvdWriter("sr0"));
    Open();
    System.SetSectors("sr0", 4096);
    Poll();
    ASSERT_EQ(Items().size(), 1u);
    EXPECT_TRUE(Items()[0].ends_with("\rDisc inserted"));
    System.SetSectors("sr0", 0);
    Poll();
    EXPECT_TRUE(Items()[0].ends_with("\rNo disc"));
}

TEST_F(DriveWindow, ADriveConnectedLaterAppearsAndTheMessageGoes) {
    Open();
    System.AddDrive(DvdWriter("sr0"));
    Poll();
    EXPECT_TRUE(Window->ListBoxDrives->Visible());
    EXPECT_EQ(Items(), std::vector<std::string>{WriterText});
    std::filesystem::remove_all(System.Root() / "sys/block/sr0");
    Poll();
    EXPECT_FALSE(Window->ListBoxDrives->Visible());
}

TEST_F(DriveWindow, PollingSlowsWhileNothingChangesAndSpeedsUpAfterAChange) {
    System.AddDrive(DvdWriter("sr0"));
    Open();
    std::vector<unsigned> intervals{Window->PollInterval()};
    for (int i = 0; i < 4; ++i) {
        Poll();
        intervals.push_back(Window->PollInterval());
    }
    EXPECT_EQ(intervals, (std::vector<unsigned>{1000, 2000, 4000, 4000, 4000}));
    // Not yet due: nothing is read before the interval is over.
    System.SetSectors("sr0", 4096);
    Headless->Advance(3000);
    Pump();
    EXPECT_TRUE(Items()[0].ends_with("\rNo disc"));
    Headless->Advance(1000);
    Pump();
    EXPECT_TRUE(Items()[0].ends_with("\rDisc inserted"));
    EXPECT_EQ(Window->PollInterval(), 1000u);
}

TEST_F(DriveWindow, TheSelectionStaysOnItsDriveAcrossARefresh) {
    System.AddDrive(DvdWriter("sr0"));
    System.AddDrive(DvdReader("sr1"));
    Open();
    Window->ListBoxDrives->SetItemIndex(1);
    System.SetSectors("sr1", 4096);
    EXPECT_TRUE(Window->RefreshDrives());
    EXPECT_EQ(Window->ListBoxDrives->ItemIndex(), 1);
    EXPECT_FALSE(Window->RefreshDrives());
}

TEST(DriveText, NamesWhatTheKernelLeavesOut) {
    drives::TDrive drive;
    drive.Node = "/dev/sr3";
    drive.Disc = drives::TDiscState::dsTrayOpen;
    EXPECT_EQ(driveprobe::DriveText(drive),
              "Optical drive\rDevice /dev/sr3\r"
              "The kernel does not say which discs it reads and writes.\rTray open");
    drive.Model = "BD-RE";
    EXPECT_TRUE(driveprobe::DriveText(drive).starts_with("BD-RE\r"));
}

} // namespace
} // namespace drivetest

// The program's icon: assets/brenlow.ico, embedded in the program and shown by its windows.

#include "launcher/aboutform.h"
#include "mainwindow.h"

#include <fstream>
#include <iterator>
#include <memory>

namespace launchertest {
namespace {

using commctrl::TIconRgba;

std::vector<std::uint8_t> AssetBytes(const std::string& name) {
    std::ifstream file(std::string(BRENLOW_ASSETS_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The 32-bit image of an icon file with the given side, read here from the format's
// description (bottom-up rows of blue, green, red and alpha after the header): straight RGBA,
// top row first. Empty when the file has none.
TIconRgba ImageOfSide(const std::vector<std::uint8_t>& file, int side) {
    const auto u16 = [&](std::size_t at) { return unsigned(file.at(at) | file.at(at + 1) << 8); };
    const auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
    for (std::size_t entry = 6; entry < 6 + 16 * std::size_t(u16(4)); entry += 16) {
        if (file.at(entry) != side || u16(entry + 6) != 32)
            continue;
        const std::size_t pixels = u32(entry + 12) + u32(u32(entry + 12));
        TIconRgba image{side, side, {}};
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const std::size_t at = pixels + std::size_t(((side - 1 - y) * side + x) * 4);
                image.Rgba.insert(image.Rgba.end(),
                                  {file.at(at + 2), file.at(at + 1), file.at(at), file.at(at + 3)});
            }
        return image;
    }
    return {};
}

class ProgramIcon : public TMainWindowTest {};

TEST_F(ProgramIcon, TheMainWindowAndTheAboutWindowShowTheArtwork) {
    const std::vector<std::uint8_t> file = AssetBytes("brenlow.ico");
    const TIconRgba large = ImageOfSide(file, 48);
    const TIconRgba small = ImageOfSide(file, 16);
    ASSERT_EQ(large.Rgba.size(), 48u * 48u * 4u);
    ASSERT_EQ(small.Rgba.size(), 16u * 16u * 4u);

    Open();
    EXPECT_EQ(Headless->Icon(Window->Handle()), large);
    const auto smallHandle = reinterpret_cast<commctrl::HICON>(
        win::SendMessage(Window->Handle(), win::WM_GETICON, win::ICON_SMALL, 0));
    EXPECT_EQ(commctrl::ReadIconRgba(smallHandle), small);

    const std::unique_ptr<TFormAbout> about(new TFormAbout(Window, Window->AboutSubject()));
    EXPECT_EQ(Headless->Icon(about->Handle()), large);
}

} // namespace
} // namespace launchertest

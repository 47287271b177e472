// The icons of the main window's lists: the three PNG image lists built from the embedded
// layout, and every category tile and tool entry showing its icon, checked pixel by pixel
// against the icon's own file blended by the codec's formula over the item's background.

#include "launcher/catalogue.h"
#include "mainwindow.h"
#include "png/format.h"

#include <map>
#include <memory>
#include <string>

namespace launchertest {
namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Grey = 0x808080;

const std::vector<std::string> CategoryIcons = {
    "icons/48/category-data.png", "icons/48/category-music.png", "icons/48/category-video.png",
    "icons/48/category-tools.png"};
// The tool entries in catalogue order: most share their category's icon.
const std::vector<std::string> ToolIcons = {CategoryIcons[0],
                                            CategoryIcons[0],
                                            CategoryIcons[0],
                                            CategoryIcons[0],
                                            CategoryIcons[1],
                                            "icons/48/tool-grab-audio.png",
                                            CategoryIcons[2],
                                            CategoryIcons[2],
                                            CategoryIcons[2],
                                            "icons/48/tool-disc-eraser.png",
                                            "icons/48/tool-device-info.png",
                                            CategoryIcons[3],
                                            "icons/48/tool-iso-burner.png",
                                            "icons/48/tool-iso-grabber.png"};
const std::vector<std::string> ButtonGlyphs = {"glyphs/32/help.png", "glyphs/32/ok.png"};

// The double-size rendering of a file: icons/48/x.png has icons/96/x.png.
std::string DoubleSize(const std::string& file, int size) {
    const std::string folder = "/" + std::to_string(size) + "/";
    return file.substr(0, file.find(folder)) + "/" + std::to_string(2 * size) + "/" +
           file.substr(file.find(folder) + folder.size());
}

class ListIcons : public TMainWindowTest {
protected:
    // The pixels of control's 48 x 48 square at (x, y) that differ from the icon blended
    // over the background.
    int Mismatches(const TControl& control, int x, int y, const TPNGObject& icon,
                   gdi::COLORREF background) const {
        int mismatches = 0;
        for (int row = 0; row < icon.Height(); ++row)
            for (int column = 0; column < icon.Width(); ++column)
                mismatches +=
                    Pixel(control, x + column, y + row) != Blended(icon, column, row, background);
        return mismatches;
    }

    // An RGBA image of the size, 8 bits, not interlaced, holding what the file holds.
    static void ExpectImage(const TPNGObject& png, int size, const std::string& file) {
        ASSERT_EQ(png.HeaderChunk().ColourType(), png::COLOR_RGBALPHA) << file;
        EXPECT_EQ(png.HeaderChunk().BitDepth(), 8);
        EXPECT_EQ(png.HeaderChunk().Interlace(), 0);
        ASSERT_EQ(png.Width(), size) << file;
        ASSERT_EQ(png.Height(), size) << file;
        const TPNGObject& expected = Artwork(file);
        int differing = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                differing += png.PixelColour(x, y) != expected.PixelColour(x, y) ||
                             png.PixelAlpha(x, y) != expected.PixelAlpha(x, y);
        EXPECT_EQ(differing, 0) << "not " << file;
    }

    // Each item holds its file and the file's double-size rendering.
    static void ExpectItems(TPngImageList& list, int size, const std::vector<std::string>& files) {
        EXPECT_EQ(list.Width(), size);
        EXPECT_EQ(list.Height(), size);
        ASSERT_EQ(list.PngImages()->Count(), int(files.size()));
        EXPECT_EQ(list.Count(), int(files.size()));
        for (int i = 0; i < int(files.size()); ++i) {
            TPngImageCollectionItem& item = *list.PngImages()->Items(i);
            EXPECT_EQ(item.Name(), "PngImage" + std::to_string(i));
            EXPECT_EQ(item.Background(), clWindow);
            ExpectImage(*item.PngImage(), size, files[std::size_t(i)]);
            ASSERT_NE(item.PngImage2x(), nullptr) << files[std::size_t(i)];
            ExpectImage(*item.PngImage2x(), 2 * size, DoubleSize(files[std::size_t(i)], size));
        }
    }
};

TEST_F(ListIcons, TheLayoutFillsTheThreeListsWithTheirIconsAndTheirDoubleSizeRenderings) {
    Open();
    ExpectItems(*Window->PngImageListMain, 48, CategoryIcons);
    ExpectItems(*Window->PngImageListData, 48, ToolIcons);
    ExpectItems(*Window->PngImageListButton, 32, ButtonGlyphs);
}

TEST_F(ListIcons, EveryCategoryTileShowsItsIconAt60And6OverItsBackground) {
    Open();
    const TListBox& list = *Window->ListBoxMain;
    for (int selected = 0; selected < 4; ++selected) {
        Click(list, 80, selected * 80 + 70);
        for (int category = 0; category < 4; ++category)
            EXPECT_EQ(Mismatches(list, 60, category * 80 + 6, Artwork(CategoryIcons[category]),
                                 category == selected ? Grey : White),
                      0)
                << "category " << category << " with " << selected << " selected";
    }
    // One pixel off would not match.
    EXPECT_GT(Mismatches(list, 61, 6, Artwork(CategoryIcons[0]), White), 0);
}

TEST_F(ListIcons, EveryToolEntryShowsItsIconAt25And15OverItsBackground) {
    Open();
    const TListBox& tools = *Window->ListBoxData;
    for (int category = 0; category < 4; ++category) {
        Click(*Window->ListBoxMain, 80, category * 80 + 40);
        const int count = tools.Items()->Count();
        ASSERT_EQ(count, int(catalogue::EntryTexts(category, "Brenlow").size()));
        for (int entry = 0; entry < count; ++entry) {
            const std::string& file =
                ToolIcons[std::size_t(catalogue::FirstToolIcon(category) + entry)];
            // The first entry is the selected one after a refill.
            EXPECT_EQ(
                Mismatches(tools, 25, entry * 75 + 15, Artwork(file), entry == 0 ? Grey : White), 0)
                << "category " << category << " entry " << entry;
        }
    }
    MoveTo(tools, 200, 75 + 30);
    EXPECT_EQ(Mismatches(tools, 25, 75 + 15, Artwork(ToolIcons[9 + 1]), Grey), 0);
    EXPECT_EQ(Mismatches(tools, 25, 15, Artwork(ToolIcons[9]), White), 0);
}

} // namespace
} // namespace launchertest

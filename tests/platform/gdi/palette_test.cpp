#include "platform/gdi/owned.h"
#include "platform/gdi/syscolors.h"

#include <gtest/gtest.h>

namespace gdi {
namespace {

TOwnedPalette MakePalette(std::initializer_list<COLORREF> colours) {
    LOGPALETTE log;
    log.palNumEntries = WORD(colours.size());
    int i = 0;
    for (COLORREF c : colours)
        log.palPalEntry[i++] = {GetRValue(c), GetGValue(c), GetBValue(c), 0};
    return TOwnedPalette(CreatePalette(&log));
}

TEST(Palette, NearestEntryByDistanceLowestIndexOnTies) {
    TOwnedPalette palette =
        MakePalette({RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 0, 255), RGB(255, 0, 0)});
    ASSERT_TRUE(palette);
    EXPECT_EQ(GetNearestPaletteIndex(palette.Get(), RGB(200, 30, 30)), 1u);
    EXPECT_EQ(GetNearestPaletteIndex(palette.Get(), RGB(255, 0, 0)), 1u) << "tie: lowest";
    EXPECT_EQ(GetNearestPaletteIndex(palette.Get(), RGB(10, 10, 130)), 2u);
    EXPECT_EQ(GetNearestPaletteIndex(palette.Get(), RGB(40, 40, 40)), 0u);
}

TEST(Palette, EntriesReadAndWriteWithinTheTable) {
    TOwnedPalette palette = MakePalette({RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)});
    PALETTEENTRY entries[4] = {};
    EXPECT_EQ(GetPaletteEntries(palette.Get(), 0, 0, nullptr), 3u);
    EXPECT_EQ(GetPaletteEntries(palette.Get(), 1, 10, entries), 2u);
    EXPECT_EQ(entries[0].peRed, 4);
    EXPECT_EQ(entries[1].peBlue, 9);
    const PALETTEENTRY replacement[2] = {{100, 101, 102, 0}, {200, 201, 202, 0}};
    EXPECT_EQ(SetPaletteEntries(palette.Get(), 2, 2, replacement), 1u) << "one slot left";
    EXPECT_EQ(GetPaletteEntries(palette.Get(), 2, 1, entries), 1u);
    EXPECT_EQ(entries[0].peGreen, 101);
    EXPECT_EQ(GetPaletteEntries(palette.Get(), 3, 1, entries), 0u);
    EXPECT_EQ(GetNearestPaletteIndex(palette.Get(), RGB(99, 99, 99)), 2u);
}

TEST(Palette, MalformedPalettesAreRefused) {
    LOGPALETTE log;
    log.palNumEntries = 0;
    EXPECT_EQ(CreatePalette(&log), nullptr);
    log.palNumEntries = 2;
    log.palVersion = 0x200;
    EXPECT_EQ(CreatePalette(&log), nullptr);
    EXPECT_EQ(CreatePalette(nullptr), nullptr);
    EXPECT_EQ(GetNearestPaletteIndex(nullptr, 0), CLR_INVALID);
}

TEST(SystemColours, StandardSchemeValues) {
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(10, 36, 106));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(64, 64, 64));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
    EXPECT_EQ(GetSysColor(COLOR_HOTLIGHT), RGB(0, 0, 128));
    EXPECT_EQ(GetSysColor(COLOR_COUNT), 0u);
    EXPECT_EQ(GetSysColor(-1), 0u);
}

TEST(SystemColours, BrushesAreSharedStockObjects) {
    const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    EXPECT_TRUE(DeleteObject(face));
    EXPECT_TRUE(IsValidObject(face)) << "a user's delete leaves it alone";
    EXPECT_EQ(GetSysColorBrush(COLOR_COUNT), nullptr);
}

} // namespace
} // namespace gdi

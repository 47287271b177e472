#include "launcher/catalogue.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\r')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

TEST(Catalogue, EveryEntryHasATitleAndThreeDescriptionLines) {
    int total = 0;
    for (int c = 0; c < catalogue::CategoryCount; ++c) {
        for (const std::string& text : catalogue::EntryTexts(c, "Brenlow")) {
            EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 3) << text;
            ++total;
        }
    }
    EXPECT_EQ(total, 14);
}

TEST(Catalogue, MusicHasTwoEntriesAndTheSecondEndsWithASpace) {
    const auto music = catalogue::EntryTexts(1, "Brenlow");
    ASSERT_EQ(music.size(), 2u);
    EXPECT_EQ(
        Lines(music[1]),
        (std::vector<std::string>{
            "Grab Audio CD", "Grab audio track from Audio CD to wave file and convert audio data",
            "to Windows Media Audio format", " "}));
}

TEST(Catalogue, TheTitleIsFilledInWhenTheListIsBuilt) {
    const auto tools = catalogue::EntryTexts(3, "Brenlow");
    ASSERT_EQ(tools.size(), 5u);
    EXPECT_EQ(Lines(tools[0])[2], "using Brenlow.");
    EXPECT_EQ(Lines(tools[3])[2], "using Brenlow.");
    EXPECT_EQ(Lines(tools[4])[2], "Brenlow.");
    EXPECT_EQ(Lines(tools[4])[3], " ");
    EXPECT_EQ(Lines(catalogue::EntryTexts(3, "Other")[4])[2], "Other.");
}

TEST(Catalogue, ProgramsExistOnlyForRealPositions) {
    EXPECT_EQ(catalogue::ProgramFor(1, 1), "SoundRipper.exe");
    EXPECT_EQ(catalogue::ProgramFor(3, 4), "ImageRipper.exe");
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(catalogue::ProgramFor(0, p), "FileWriter.exe");
    EXPECT_EQ(catalogue::ProgramFor(0, 4), std::nullopt);
    EXPECT_EQ(catalogue::ProgramFor(1, 2), std::nullopt);
    EXPECT_EQ(catalogue::ProgramFor(2, 3), std::nullopt);
    EXPECT_EQ(catalogue::ProgramFor(2, -1), std::nullopt);
    EXPECT_EQ(catalogue::ProgramFor(-1, 0), std::nullopt);
    EXPECT_EQ(catalogue::ProgramFor(4, 0), std::nullopt);
}

TEST(Catalogue, IconsFollowTheTableOrder) {
    EXPECT_EQ(catalogue::IconFor(0, 3), 3);
    EXPECT_EQ(catalogue::IconFor(1, 0), 4);
    EXPECT_EQ(catalogue::IconFor(2, 2), 8);
    EXPECT_EQ(catalogue::IconFor(3, 4), 13);
    EXPECT_EQ(catalogue::IconFor(-1, 2), 2);
    EXPECT_TRUE(catalogue::EntryTexts(4, "Brenlow").empty());
}

} // namespace

#include "launcher/paths.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(NormalizeFolderPath, AppendsOneSeparatorOnlyWhenMissing) {
    EXPECT_EQ(NormalizeFolderPath("/opt/brenlow"), "/opt/brenlow/");
    EXPECT_EQ(NormalizeFolderPath("/opt/brenlow/"), "/opt/brenlow/");
    EXPECT_EQ(NormalizeFolderPath(NormalizeFolderPath("/opt/brenlow")),
              NormalizeFolderPath("/opt/brenlow/"));
    EXPECT_EQ(NormalizeFolderPath(""), "/");
}

TEST(LauncherFolder, IsTheFolderOfTheRunningExecutable) {
    const std::filesystem::path folder = LauncherFolder();
    EXPECT_EQ(folder.string().back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder / "launcher_launch_tests"));
}

} // namespace

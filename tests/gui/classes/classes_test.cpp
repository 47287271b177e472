#include "gui/classes/exceptions.h"
#include "gui/classes/format.h"
#include "gui/classes/persistent.h"
#include "gui/classes/stream.h"
#include "tests/support/fifo.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class TApple : public TPersistent {};
class TPear : public TPersistent {};

TEST(Format, FillsStringAndIntegerPlaceholders) {
    EXPECT_EQ(Format("%s On the Web...", "Brenlow"), "Brenlow On the Web...");
    EXPECT_EQ(Format("(c) 2001-%d %s", 2026, "Acme"), "(c) 2001-2026 Acme");
    EXPECT_EQ(Format("100%% %s", "sure"), "100% sure");
}

TEST(Format, RejectsPatternsThatDoNotFitTheArguments) {
    EXPECT_THROW(Format("%d", "text"), EConvertError);
    EXPECT_THROW(Format("%s %s", "one"), EConvertError);
    EXPECT_THROW(Format("trailing %"), EConvertError);
    EXPECT_THROW(Format("%x", 1), EConvertError);
}

TEST(Persistent, AssignBetweenUnrelatedClassesNamesBoth) {
    TApple apple;
    TPear pear;
    try {
        pear.Assign(&apple);
        FAIL() << "no error raised";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a TApple to a TPear");
    }
    try {
        pear.Assign(nullptr);
        FAIL() << "no error raised";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a nil to a TPear");
    }
}

TEST(Exceptions, ReportTheirOwnClassName) {
    EXPECT_EQ(ExceptionClassName(EReadError("x")), "EReadError");
}

TEST(MemoryStream, ReadsWhatWasWrittenAndStopsAtTheEnd) {
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    EXPECT_EQ(stream.Size(), 6);
    stream.SetPosition(4);
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 2);
    EXPECT_STREQ(buffer, "ef");
    EXPECT_EQ(stream.Read(buffer, 8), 0);
    EXPECT_THROW(stream.ReadBuffer(buffer, 1), EReadError);
    EXPECT_EQ(stream.Seek(-1, soBeginning), -1);
    EXPECT_EQ(stream.Position(), 6);
}

TEST(ReadOnlyMemoryStream, NeverWrites) {
    const char data[] = "xyz";
    TReadOnlyMemoryStream stream(data, 3);
    EXPECT_THROW(stream.WriteBuffer("a", 1), EWriteError);
    char c = 0;
    stream.Seek(-1, soEnd);
    stream.ReadBuffer(&c, 1);
    EXPECT_EQ(c, 'z');
}

TEST(FileStream, RoundTripsThroughAFileAndNamesAMissingOne) {
    const auto path = std::filesystem::temp_directory_path() / "brenlow_stream_test.bin";
    TMemoryStream out;
    out.WriteBuffer("hello", 5);
    out.SaveToFile(path.string());
    TMemoryStream in;
    in.LoadFromFile(path.string());
    EXPECT_EQ(in.Bytes(), out.Bytes());
    std::filesystem::remove(path);
    try {
        TFileStream missing(path.string(), fmOpenRead);
        FAIL() << "no error raised";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message(),
                  "Cannot open file \"" + path.string() + "\". No such file or directory");
    }
}

// The message of the error opening a path for reading raises; empty when it opens.
std::string OpenErrorOf(const std::filesystem::path& path) {
    try {
        TFileStream stream(path.string(), fmOpenRead);
        return {};
    } catch (const EFOpenError& error) {
        return error.Message();
    }
}

// Reading opens regular files only: nothing else waits or reads as an empty file.
TEST(FileStream, ADirectoryFifoOrDeviceFailsToOpenAndSaysWhy) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("brenlow_stream_test_" + std::to_string(getpid()));
    std::filesystem::create_directory(folder);
    EXPECT_EQ(OpenErrorOf(folder), "Cannot open file \"" + folder.string() + "\". Is a directory");
    {
        testsupport::TStallingFifo fifo(folder / "fifo");
        EXPECT_EQ(OpenErrorOf(folder / "fifo"),
                  "Cannot open file \"" + (folder / "fifo").string() + "\". Not a regular file");
        EXPECT_FALSE(fifo.Rescued());
    }
    EXPECT_EQ(OpenErrorOf("/dev/zero"), "Cannot open file \"/dev/zero\". Not a regular file");
    std::filesystem::remove_all(folder);
}

} // namespace

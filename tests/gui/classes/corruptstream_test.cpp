#include "gui/classes/exceptions.h"
#include "tests/gui/classes/streambytes.h"
#include "tests/gui/classes/streamfixture.h"
#include "tools/layoutc/layouttext.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> ValidStream() {
    return ObjectTextToBinary(R"(object Form1: TTestForm
  Caption = 'Main'
  object Button1: TTestControl
    Font.Style = [fsBold]
    Color = clWindow
    Ratio = 0.5
    Images = Images1
    OnClick = ButtonClick
  end
  object Images1: TTestImages
    Items = <
      item
        Picture.Data = {0102030405}
        Name = 'first'
        Link = Button1
      end>
    Lines.Strings = (
      'Data')
    Left = 4
  end
end
)");
}

// Expects reading to fail with EReadError and leave the root without components.
void ExpectReadError(const std::vector<std::uint8_t>& bytes, const std::string& message = {}) {
    TTestForm form(nullptr);
    try {
        ReadStream(bytes, form);
        ADD_FAILURE() << "no error raised";
    } catch (const EReadError& error) {
        if (!message.empty()) {
            EXPECT_EQ(error.Message(), message);
        }
    }
    EXPECT_EQ(form.ComponentCount(), 0);
}

class CorruptStream : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestClasses(); }
};

TEST_F(CorruptStream, EveryTruncationFails) {
    const std::vector<std::uint8_t> bytes = ValidStream();
    TTestForm whole(nullptr);
    ASSERT_NO_THROW(ReadStream(bytes, whole));
    for (size_t size = 0; size < bytes.size(); ++size) {
        SCOPED_TRACE(size);
        ExpectReadError(
            std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + std::ptrdiff_t(size)));
    }
}

// A form whose one property has the value that value writes.
std::vector<std::uint8_t> PropertyStream(const char* object, const char* property,
                                         std::initializer_list<int> value) {
    TStreamBytes s;
    s.Signature().Object("TTestForm", "Form1").End();
    s.Object(object, "X").Str(property).Raw(value).End().End();
    s.End();
    return s.Bytes;
}

TEST_F(CorruptStream, LengthsBeyondTheStreamAreRefusedBeforeAllocating) {
    ExpectReadError(PropertyStream("TTestImages", "Bitmap", {0x0A, 0xF0, 0xFF, 0xFF, 0xFF, 0}),
                    "Error reading X.Bitmap: Stream read error");
    ExpectReadError(PropertyStream("TTestControl", "Caption", {0x0C, 0xFF, 0xFF, 0xFF, 0x7F}),
                    "Error reading X.Caption: Stream read error");
    ExpectReadError(PropertyStream("TTestControl", "Caption", {0x12, 0x00, 0x00, 0x00, 0x80}),
                    "Error reading X.Caption: Stream read error");
    ExpectReadError(PropertyStream("TTestControl", "Caption", {0x14, 0x06, 0, 0, 0, 'a'}),
                    "Error reading X.Caption: Stream read error");
    ExpectReadError(PropertyStream("TTestControl", "Caption", {0x06, 0xFF, 'a'}),
                    "Error reading X.Caption: Stream read error");
}

TEST_F(CorruptStream, UnknownTagsAndSignaturesFail) {
    ExpectReadError(PropertyStream("TTestControl", "Left", {0x7F}),
                    "Error reading X.Left: Invalid value tag 0x7F");
    ExpectReadError(PropertyStream("TTestControl", "Ratio", {0x0F, 0, 0, 0, 0}),
                    "Error reading X.Ratio: Invalid value tag 0x0F");
    std::vector<std::uint8_t> bytes = ValidStream();
    bytes[3] = '1';
    ExpectReadError(bytes, "Invalid stream format");
}

TEST_F(CorruptStream, DeepNestingIsRefused) {
    TStreamBytes s;
    s.Signature().Object("TTestForm", "Form1").End();
    for (int i = 0; i < 100; ++i)
        s.Object("TTestPanel", "P" + std::to_string(i)).End();
    for (int i = 0; i < 101; ++i)
        s.End();
    ExpectReadError(s.Bytes, "Stream nested too deeply");

    TStreamBytes lists;
    lists.Signature().Object("TTestForm", "Form1").End();
    lists.Object("TTestImages", "X").Str("Lines.Strings").List().Raw({0x01});
    for (int i = 0; i < 100; ++i)
        lists.List();
    ExpectReadError(lists.Bytes);
}

TEST_F(CorruptStream, FilerFlagsAreAcceptedAndIgnored) {
    TStreamBytes s;
    s.Signature().Raw({0xF1}).Object("TTestForm", "Form1").End();
    s.Raw({0xF2}).Int8(3).Object("TTestControl", "Button1").End().End();
    s.End();
    TTestForm form(nullptr);
    ReadStream(s.Bytes, form);
    EXPECT_NE(form.FindComponent("Button1"), nullptr);
}

TEST_F(CorruptStream, DamagedBytesFailWithTypedErrorsOnly) {
    const std::vector<std::uint8_t> bytes = ValidStream();
    std::mt19937 random(20240611);
    std::uniform_int_distribution<size_t> position(0, bytes.size() - 1);
    std::uniform_int_distribution<int> value(0, 255);
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> damaged = bytes;
        for (int flips = 1 + round % 3; flips > 0; --flips)
            damaged[position(random)] = std::uint8_t(value(random));
        TTestForm form(nullptr);
        try {
            ReadStream(damaged, form);
        } catch (const Exception&) {
            EXPECT_EQ(form.ComponentCount(), 0);
        }
        try {
            ObjectBinaryToText(damaged);
        } catch (const EReadError&) {
        }
    }
}

} // namespace

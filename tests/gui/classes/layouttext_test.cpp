#include "gui/classes/exceptions.h"
#include "tests/gui/classes/streambytes.h"
#include "tools/layoutc/layouttext.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

TEST(LayoutText, ConvertsALayoutToTheFormatsBytes) {
    const char* text = R"(object ImageList1: TImageList
  Height = 48
  Width = 300
  PngImages = <
    item
      PngImage.Data = {89 50 4e 47}
      Name = 'PngImage0'
      Background = clWindow
    end>
  Enabled = False
  Tag = -70000
  Style = [fsBold, fsItalic]
  Lines.Strings = (
    'Data'
    'Music')
  object Child: TPanel
    Owner = nil
  end
end
)";
    TStreamBytes s;
    s.Signature().Object("TImageList", "ImageList1");
    s.Str("Height").Int8(48).Str("Width").Int16(300);
    s.Str("PngImages").Collection().List();
    s.Str("PngImage.Data").Binary({0x89, 0x50, 0x4E, 0x47});
    s.Str("Name").String("PngImage0").Str("Background").Ident("clWindow").End().End();
    s.Str("Enabled").False().Str("Tag").Int32(-70000);
    s.Str("Style").Set({"fsBold", "fsItalic"});
    s.Str("Lines.Strings").List().String("Data").String("Music").End();
    s.End();
    s.Object("TPanel", "Child").Str("Owner").Nil().End().End();
    s.End();
    EXPECT_EQ(ObjectTextToBinary(text), s.Bytes);
}

TEST(LayoutText, ValuesTakeTheirSmallestForm) {
    const char* text = "object TForm\n"
                       "  A = 'It''s'#13#10 +\n"
                       "    'ok' + #$41\n"
                       "  B = 127\n  C = -128\n  D = 128\n  E = $7FFFFFFF\n"
                       "  F = 9223372036854775807\n  G = -9223372036854775808\n"
                       "  H = 'caf'#233\n  I = 2.5\n  J = ''\n"
                       "end";
    TStreamBytes s;
    s.Signature().Object("TForm", "");
    s.Str("A").String("It's\r\nokA");
    s.Str("B").Int8(127).Str("C").Int8(-128).Str("D").Int16(128).Str("E").Int32(0x7FFFFFFF);
    s.Str("F").Int64(INT64_MAX).Str("G").Int64(INT64_MIN);
    s.Str("H").Raw({0x14}).Little(5, 4).Raw({'c', 'a', 'f', 0xC3, 0xA9});
    s.Str("I").Raw({0x05, 0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0x40});
    s.Str("J").String("");
    s.End().End();
    EXPECT_EQ(ObjectTextToBinary(text), s.Bytes);
}

TEST(LayoutText, ErrorsNameTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"object A: TA\n  X 1\nend", "Line 2: Expected ="},
        {"object A: TA\n  X = 'open\nend", "Line 2: Unterminated string"},
        {"object A: TA\n\n  X = {0A1}\nend",
         "Line 3: Invalid binary value: odd number of hex digits"},
        {"object A: TA\n  X = {0G}\nend", "Line 2: Invalid binary value: G is no hex digit"},
        {"object A: TA\n  X = {0A\nend", "Line 2: Missing } after binary value"},
        {"object A: TA\n  X = #1114112\nend", "Line 2: Invalid character code"},
        {"object A: TA\n  X = 'a' +\n  Y = 1\nend", "Line 3: Expected a string after +"},
        {"object A: TA\n  X = 9223372036854775808\nend", "Line 2: Number out of range"},
        {"object A: TA\n  X = 12ab\nend", "Line 2: Invalid number"},
        {"object A: TA\n  X = [a b]\nend", "Line 2: Expected ]"},
        {"object A: TA\n  X = <item Y = 1>\nend", "Line 2: Expected end"},
        {"object A: TA\n  X = ;\nend", "Line 2: Unexpected character #59"},
        {"object A: TA\n  X = 1\n", "Line 3: Expected end"},
        {"object A: TA\nend\nend", "Line 3: Text after the end of the layout"},
        {"thing A: TA\nend", "Line 1: Expected object"},
        {"object A: TA\n  X = {file 'no/such.png'}\nend",
         "Line 2: Cannot open file \"no/such.png\""},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        try {
            ObjectTextToBinary(text);
            ADD_FAILURE() << "no error raised";
        } catch (const EParserError& error) {
            EXPECT_EQ(error.Message(), message);
        }
    }
}

TEST(LayoutText, FileValuesHoldTheBytesOfAFileBesideTheLayout) {
    const fs::path folder = fs::temp_directory_path() / "brenlow_layout_include";
    fs::create_directories(folder / "icons");
    const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0xFF};
    std::ofstream(folder / "icons" / "it's.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));

    std::vector<fs::path> included;
    const TLayoutOptions options{.BaseDirectory = folder, .IncludedFiles = &included};
    const auto bytes = ObjectTextToBinary(
        "object A: TA\n  Data = {\n    file 'icons/it''s.png'\n  }\nend", options);
    fs::remove_all(folder);

    TStreamBytes s;
    s.Signature().Object("TA", "A").Str("Data").Raw({0x0A}).Little(png.size(), 4);
    s.Bytes.insert(s.Bytes.end(), png.begin(), png.end());
    s.End().End();
    EXPECT_EQ(bytes, s.Bytes);
    EXPECT_EQ(included, std::vector<fs::path>{folder / "icons" / "it's.png"});
}

TEST(LayoutText, TextOfTheBinaryFormReadsBackToTheSameStream) {
    const std::string text = R"(object Form1: TForm
  Caption = 'Tab'#9'bed ''quoted'' '#10
  Unicode = 'Ünïcode'
  Negative = -5
  Huge = 5000000000
  Float = 0.1
  Whole = 3.0
  Empty = ''
  Flags = []
  Yes = True
  Items.Strings = (
    'one'
    (
      1
      nil)
    [a, b])
  Nothing = ()
  Collection = <
    item
      Name = 'x'
    end
    item
    end>
  NoItems = <>
  Data = {
    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F
    20}
  NoData = {}
  object TButton
  end
end
)";
    const auto bytes = ObjectTextToBinary(text);
    EXPECT_EQ(ObjectBinaryToText(bytes), text);
}

} // namespace

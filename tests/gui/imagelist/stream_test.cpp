#include "gui/classes/classbuilder.h"
#include "gui/classes/exceptions.h"
#include "tests/gui/classes/streamio.h"
#include "tests/gui/imagelist/helpers.h"
#include "tests/platform/commctrl/pixels.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace testing_imagelist;
using TBytes = std::vector<std::uint8_t>;

class TStreamRoot : public TComponent {
public:
    using TComponent::TComponent;
    void ImagesChange(TObject*) {}
};

// A list that keeps its images elsewhere and so stores no native images.
class TSilentList : public TImageList {
public:
    using TImageList::TImageList;
    int ReadCalls = 0;

protected:
    void ReadData(TStream& stream) override {
        ++ReadCalls;
        EXPECT_EQ(stream.Size(), 0);
    }
    void WriteData(TStream&) override {}
};

void RegisterStreamClasses() {
    RegisterClass<TStreamRoot, TComponent>([](TClassBuilder<TStreamRoot>& c) {
        c.Method("ImagesChange", &TStreamRoot::ImagesChange);
    });
    RegisterClass<TSilentList, TImageList>();
}

// Where a property's name, as the stream writes it (length byte first), starts.
std::size_t NameAt(const TBytes& bytes, std::string_view name) {
    TBytes key{std::uint8_t(name.size())};
    key.insert(key.end(), name.begin(), name.end());
    const auto found = std::search(bytes.begin(), bytes.end(), key.begin(), key.end());
    return found == bytes.end() ? std::string_view::npos : std::size_t(found - bytes.begin());
}

// Where the data of the "Bitmap" block lies: after its name, the binary tag and the length.
std::pair<std::size_t, std::uint32_t> BitmapBlock(const TBytes& bytes) {
    const std::size_t at = NameAt(bytes, "Bitmap");
    EXPECT_NE(at, std::string_view::npos);
    std::uint32_t length;
    std::memcpy(&length, &bytes.at(at + 8), 4);
    return {at + 12, length};
}

TBytes BitmapData(const TBytes& bytes) {
    const auto [start, length] = BitmapBlock(bytes);
    return TBytes(bytes.begin() + std::ptrdiff_t(start),
                  bytes.begin() + std::ptrdiff_t(start + length));
}

// The stream with the "Bitmap" block's data replaced.
TBytes WithBitmapData(const TBytes& bytes, const TBytes& data) {
    const auto [start, length] = BitmapBlock(bytes);
    TBytes patched(bytes.begin(), bytes.begin() + std::ptrdiff_t(start - 4));
    const auto newLength = std::uint32_t(data.size());
    const auto* lengthBytes = reinterpret_cast<const std::uint8_t*>(&newLength);
    patched.insert(patched.end(), lengthBytes, lengthBytes + 4);
    patched.insert(patched.end(), data.begin(), data.end());
    patched.insert(patched.end(), bytes.begin() + std::ptrdiff_t(start + length), bytes.end());
    return patched;
}

testing_commctrl::TIconPixels Pixels(TCustomImageList& list, int index) {
    TIcon icon;
    list.GetIcon(index, icon);
    return testing_commctrl::IconPixels(icon.Handle());
}

// The list's stream values in the order they are written.
constexpr const char* kStreamedNames[] = {"Tag",          "BlendColor",  "BkColor",   "AllocBy",
                                          "DrawingStyle", "Height",      "ImageType", "Masked",
                                          "OnChange",     "ShareImages", "Width",     "Bitmap"};

class ImageListStreaming : public ::testing::Test {
protected:
    void SetUp() override { RegisterStreamClasses(); }

    // A list of three images of 3 x 2: alpha, masked and opaque.
    static TImageList* MakeList(TComponent& root) {
        auto* list = new TImageList(&root, 3, 2);
        list->SetName("Images");
        using testing_commctrl::Argb;
        TIcon alpha;
        alpha.SetHandle(
            testing_commctrl::MakeIcon(3, 2,
                                       {Argb(255, 1, 2, 3), Argb(128, 4, 5, 6), 0, Argb(9, 9, 9, 9),
                                        Argb(200, 7, 8, 9), Argb(1, 0, 0, 0)},
                                       std::vector<bool>(6))
                .Release());
        list->AddIcon(&alpha);
        list->AddMasked(
            PaintedBitmap(3, 2, [](int x, int y) { return x == y ? clBlue : clRed; }).get(),
            clBlue);
        list->Add(SolidBitmap(3, 2, clGreen).get(), nullptr);
        return list;
    }
};

TEST_F(ImageListStreaming, RoundTripsSettingsAndNativeImages) {
    TStreamRoot original(nullptr);
    original.SetName("Root");
    TImageList* list = MakeList(original);
    list->SetBkColor(clWindow);
    list->SetBlendColor(clRed);
    list->SetAllocBy(8);
    list->SetDrawingStyle(dsSelected);
    list->SetImageType(itMask);
    list->SetTag(7);
    const TBytes bytes = WriteStream(original);

    TStreamRoot copy(nullptr);
    ReadStream(bytes, copy);
    auto* read = dynamic_cast<TImageList*>(copy.FindComponent("Images"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Width(), 3);
    EXPECT_EQ(read->Height(), 2);
    EXPECT_EQ(read->BkColor(), clWindow);
    EXPECT_EQ(read->BlendColor(), clRed);
    EXPECT_EQ(read->AllocBy(), 8);
    EXPECT_EQ(read->DrawingStyle(), dsSelected);
    EXPECT_EQ(read->ImageType(), itMask);
    EXPECT_EQ(read->Tag(), 7);
    ASSERT_EQ(read->Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Pixels(*read, i), Pixels(*list, i)) << "image " << i;
    EXPECT_EQ(WriteStream(copy), bytes);
}

TEST_F(ImageListStreaming, WritesPublishedPropertiesInOrderAndOnlyWhenNotDefault) {
    TStreamRoot root(nullptr);
    auto* plain = new TImageList(&root);
    plain->SetName("Plain");
    const TBytes defaults = WriteStream(root);
    for (const char* name : kStreamedNames)
        EXPECT_EQ(NameAt(defaults, name), std::string_view::npos) << name;

    plain->SetTag(1);
    plain->SetBlendColor(clRed);
    plain->SetBkColor(clRed);
    plain->SetAllocBy(1);
    plain->SetDrawingStyle(dsFocus);
    plain->SetHeight(1);
    plain->SetImageType(itMask);
    plain->SetMasked(false);
    plain->OnChange = TNotifyEvent([](TObject*) {}, "ImagesChange");
    plain->SetShareImages(true);
    plain->SetWidth(3);
    plain->Add(SolidBitmap(3, 1, clRed).get(), nullptr);
    const TBytes all = WriteStream(root);
    plain->SetShareImages(false);
    std::size_t previous = 0;
    for (const char* name : kStreamedNames) {
        const std::size_t at = NameAt(all, name);
        EXPECT_NE(at, std::string_view::npos) << name;
        EXPECT_GT(at, previous) << name;
        previous = at;
    }
}

TEST_F(ImageListStreaming, RefusesCorruptBitmapData) {
    TStreamRoot original(nullptr);
    MakeList(original);
    const TBytes bytes = WriteStream(original);
    const TBytes data = BitmapData(bytes);
    ASSERT_EQ(data.size(), 18u + 3 * (3 * 2 * 4 + 2));
    auto with = [&](std::size_t offset, std::uint8_t value) {
        TBytes changed = data;
        changed.at(offset) = value;
        return changed;
    };
    const std::vector<std::pair<const char*, TBytes>> cases = {
        {"empty", {}},
        {"header cut short", TBytes(data.begin(), data.begin() + 10)},
        {"bad magic", with(0, 'X')},
        {"unknown version", with(4, 2)},
        {"another width", with(6, 4)},
        {"more images than data", with(14, 4)},
        {"negative count", with(17, 0x80)},
        {"last image cut short", TBytes(data.begin(), data.end() - 1)},
        {"trailing byte",
         [&] {
             TBytes longer = data;
             longer.push_back(0);
             return longer;
         }()},
    };
    for (const auto& [name, corrupt] : cases) {
        SCOPED_TRACE(name);
        TStreamRoot copy(nullptr);
        try {
            ReadStream(WithBitmapData(bytes, corrupt), copy);
            ADD_FAILURE() << "read without error";
        } catch (const EReadError& error) {
            EXPECT_NE(error.Message().find("Image list data is not valid"), std::string::npos)
                << error.Message();
        }
        EXPECT_EQ(copy.ComponentCount(), 0);
    }
}

TEST_F(ImageListStreaming, ADerivedListReplacesTheBitmapHandlers) {
    TStreamRoot original(nullptr);
    auto* list = new TSilentList(&original);
    list->SetName("Silent");
    list->Add(SolidBitmap(16, 16, clRed).get(), nullptr);
    const TBytes bytes = WriteStream(original);
    EXPECT_TRUE(BitmapData(bytes).empty());

    TStreamRoot copy(nullptr);
    ReadStream(bytes, copy);
    auto* read = dynamic_cast<TSilentList*>(copy.FindComponent("Silent"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->ReadCalls, 1);
    EXPECT_EQ(read->Count(), 0);
}

} // namespace

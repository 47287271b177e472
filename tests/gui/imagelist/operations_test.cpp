#include "gui/classes/exceptions.h"
#include "tests/gui/imagelist/helpers.h"
#include "tests/platform/commctrl/pixels.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_imagelist;
using Names = std::vector<std::string>;

// An icon of one colour, owned by the caller.
commctrl::HICON SolidIcon(int size, std::uint32_t pixel) {
    const auto pixels = std::size_t(size * size);
    return testing_commctrl::MakeIcon(size, size, testing_commctrl::TPixels(pixels, pixel),
                                      std::vector<bool>(pixels))
        .Release();
}

// Colours of every image, in order.
std::vector<TColor> Colours(TCustomImageList& list) {
    std::vector<TColor> colours;
    for (int i = 0; i < list.Count(); ++i)
        colours.push_back(TopLeftColour(list, i));
    return colours;
}

class ImageListOperations : public ::testing::Test {
protected:
    TRecordingList List{nullptr, 2, 2};
    std::unique_ptr<TBitmap> Red = SolidBitmap(2, 2, clRed);
    std::unique_ptr<TBitmap> Green = SolidBitmap(2, 2, clLime);
    std::unique_ptr<TBitmap> Blue = SolidBitmap(2, 2, clBlue);
    TIcon Yellow;
    int Notifications = 0;

    void SetUp() override {
        Yellow.SetHandle(SolidIcon(2, 0x00FFFF00));
        List.OnChange = [this](TObject*) { ++Notifications; };
    }
    void Fill() {
        for (TBitmap* b : {Red.get(), Green.get(), Blue.get()})
            List.Add(b, nullptr);
    }
};

TEST_F(ImageListOperations, CallsThroughTheBaseTypeReachEveryOverride) {
    TCustomImageList& base = List;
    TImageList other(nullptr, 2, 2);
    other.Add(Red.get(), nullptr);
    base.Add(Red.get(), nullptr);
    base.AddIcon(&Yellow);
    base.AddImage(&other, 0);
    base.AddImages(&other);
    base.AddMasked(Green.get(), clNone);
    base.Delete(0);
    base.Insert(0, Blue.get(), nullptr);
    base.InsertIcon(1, &Yellow);
    base.InsertMasked(0, Red.get(), clRed);
    base.Move(0, 1);
    base.Replace(0, Red.get(), nullptr);
    base.ReplaceIcon(1, &Yellow);
    base.ReplaceMasked(2, Green.get(), clNone);
    base.Clear();
    EXPECT_EQ(List.Calls, (Names{"Add", "AddIcon", "AddImage", "AddImages", "AddMasked", "Delete",
                                 "Insert", "InsertIcon", "InsertMasked", "Move", "Replace",
                                 "ReplaceIcon", "ReplaceMasked", "Clear"}));
}

TEST_F(ImageListOperations, TheBaseClassCallsClearAndAddImagesThroughTheOverrides) {
    Fill();
    List.Calls.clear();
    List.SetWidth(2);
    EXPECT_TRUE(List.Calls.empty());
    EXPECT_EQ(List.Count(), 3);
    List.SetWidth(3);
    EXPECT_EQ(List.Calls, Names{"Clear"});
    List.Calls.clear();
    List.SetHeight(5);
    EXPECT_EQ(List.Calls, Names{"Clear"});

    TImageList source(nullptr, 4, 4);
    source.SetBkColor(clWhite);
    source.SetDrawingStyle(dsTransparent);
    source.SetMasked(false);
    source.Add(SolidBitmap(4, 4, clRed).get(), nullptr);
    List.Calls.clear();
    Notifications = 0;
    List.Assign(&source);
    EXPECT_EQ(List.Calls, (Names{"Clear", "AddImages"}));
    EXPECT_EQ(Notifications, 1);
    EXPECT_EQ(List.Width(), 4);
    EXPECT_EQ(List.BkColor(), clWhite);
    EXPECT_EQ(List.DrawingStyle(), dsTransparent);
    EXPECT_FALSE(List.Masked());
    EXPECT_EQ(Colours(List), std::vector<TColor>{clRed});
}

TEST_F(ImageListOperations, EveryCompletedOperationNotifiesOnce) {
    TImageList other(nullptr, 2, 2);
    other.Add(Red.get(), nullptr);
    const std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"Add", [&] { List.Add(Red.get(), nullptr); }},
        {"AddIcon", [&] { List.AddIcon(&Yellow); }},
        {"AddImage", [&] { List.AddImage(&other, 0); }},
        {"AddImages", [&] { List.AddImages(&other); }},
        {"AddMasked", [&] { List.AddMasked(Green.get(), clLime); }},
        {"Insert", [&] { List.Insert(1, Blue.get(), nullptr); }},
        {"InsertIcon", [&] { List.InsertIcon(0, &Yellow); }},
        {"InsertMasked", [&] { List.InsertMasked(2, Red.get(), clNone); }},
        {"Move", [&] { List.Move(0, 3); }},
        {"Replace", [&] { List.Replace(0, Green.get(), nullptr); }},
        {"ReplaceIcon", [&] { List.ReplaceIcon(1, &Yellow); }},
        {"ReplaceMasked", [&] { List.ReplaceMasked(2, Blue.get(), clBlue); }},
        {"Delete", [&] { List.Delete(1); }},
        {"Clear", [&] { List.Clear(); }},
    };
    TChangeLink link;
    TCustomImageList* told = nullptr;
    int linked = 0;
    link.OnChange = [&](TObject* sender) {
        told = dynamic_cast<TCustomImageList*>(sender);
        ++linked;
    };
    List.RegisterChanges(&link);
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        Notifications = linked = 0;
        operation();
        EXPECT_EQ(Notifications, 1);
        EXPECT_EQ(linked, 1);
    }
    EXPECT_EQ(told, &List);
}

TEST_F(ImageListOperations, UpdateBracketsHoldNotificationsUntilTheLastEnd) {
    List.BeginUpdate();
    List.BeginUpdate();
    Fill();
    List.Delete(0);
    List.EndUpdate();
    EXPECT_EQ(Notifications, 0);
    List.EndUpdate();
    EXPECT_EQ(Notifications, 1);
    List.BeginUpdate();
    List.EndUpdate();
    EXPECT_EQ(Notifications, 1);
}

TEST_F(ImageListOperations, ChangeLinksLeaveCleanlyEitherWay) {
    auto link = std::make_unique<TChangeLink>();
    int linked = 0;
    link->OnChange = [&](TObject*) { ++linked; };
    List.RegisterChanges(link.get());
    EXPECT_EQ(link->Sender(), &List);
    link.reset();
    List.Clear();
    EXPECT_EQ(Notifications, 1);
    EXPECT_EQ(linked, 0);

    TChangeLink survivor;
    {
        TImageList shortLived(nullptr);
        shortLived.RegisterChanges(&survivor);
    }
    EXPECT_EQ(survivor.Sender(), nullptr);
}

TEST_F(ImageListOperations, ImagesGoWhereTheOperationsPutThem) {
    Fill();
    List.InsertIcon(1, &Yellow);
    EXPECT_EQ(Colours(List), (std::vector<TColor>{clRed, clYellow, clLime, clBlue}));
    List.Move(0, 3);
    EXPECT_EQ(Colours(List), (std::vector<TColor>{clYellow, clLime, clBlue, clRed}));
    List.Move(3, 1);
    EXPECT_EQ(Colours(List), (std::vector<TColor>{clYellow, clRed, clLime, clBlue}));
    List.Replace(0, Blue.get(), nullptr);
    List.Delete(2);
    EXPECT_EQ(Colours(List), (std::vector<TColor>{clBlue, clRed, clBlue}));
    // Key-coloured pixels come out transparent, white on GetBitmap's new bitmap.
    List.ReplaceMasked(1, Red.get(), clRed);
    List.InsertMasked(0, Green.get(), clBlue);
    EXPECT_EQ(Colours(List), (std::vector<TColor>{clLime, clBlue, clWhite, clBlue}));
    List.Delete(0);
    List.Delete(1);
    // A strip of two cells goes in as two images, in order.
    auto strip = PaintedBitmap(4, 2, [](int x, int) { return x < 2 ? clAqua : clFuchsia; });
    List.Insert(2, strip.get(), nullptr);
    List.Insert(0, strip.get(), nullptr);
    EXPECT_EQ(Colours(List),
              (std::vector<TColor>{clAqua, clFuchsia, clBlue, clBlue, clAqua, clFuchsia}));
}

TEST_F(ImageListOperations, BadIndexesRaiseAndMissingImagesChangeNothing) {
    Fill();
    TImageList other(nullptr, 2, 2);
    const std::vector<std::pair<const char*, std::function<void()>>> raising = {
        {"Insert", [&] { List.Insert(4, Red.get(), nullptr); }},
        {"InsertIcon", [&] { List.InsertIcon(-1, &Yellow); }},
        {"Replace", [&] { List.Replace(3, Red.get(), nullptr); }},
        {"ReplaceMasked", [&] { List.ReplaceMasked(-1, Red.get(), clRed); }},
        {"ReplaceIcon", [&] { List.ReplaceIcon(3, &Yellow); }},
        {"Move", [&] { List.Move(0, 3); }},
        {"AddImage", [&] { List.AddImage(&other, 0); }},
    };
    for (const auto& [name, operation] : raising) {
        SCOPED_TRACE(name);
        try {
            operation();
            ADD_FAILURE() << "no error";
        } catch (const EInvalidOperation& error) {
            EXPECT_EQ(error.Message(), "Invalid ImageList Index");
        }
    }
    EXPECT_THROW(List.SetWidth(0), EInvalidOperation);
    TIcon empty;
    Notifications = 0;
    List.Delete(3);
    List.Delete(-1);
    EXPECT_EQ(List.Add(nullptr, Red.get()), -1);
    EXPECT_EQ(List.AddIcon(&empty), -1);
    EXPECT_EQ(List.AddMasked(nullptr, clRed), -1);
    EXPECT_EQ(List.AddImage(nullptr, 0), -1);
    EXPECT_EQ(List.Add(SolidBitmap(1, 2, clRed).get(), nullptr), -1); // narrower than Width
    List.AddImages(nullptr);
    List.Insert(0, nullptr, nullptr);
    List.InsertIcon(9, nullptr);
    List.Replace(9, nullptr, nullptr);
    List.ReplaceIcon(0, &empty);
    List.ReplaceMasked(0, nullptr, clRed);
    auto canvas = MakeBitmap(2, 2, pf32bit, clWhite);
    List.Draw(canvas->Canvas(), 0, 0, 3);
    ExpectPixels(canvas->Canvas(), 2, 2, [](int, int) { return clWhite; });
    List.GetIcon(-1, empty);
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(Notifications, 0);
    EXPECT_EQ(Colours(List), (std::vector<TColor>{clRed, clLime, clBlue}));
}

TEST_F(ImageListOperations, SetHandleReleasesTheOldListUnlessShared) {
    Fill();
    const commctrl::HIMAGELIST old = List.Handle();
    List.SetHandle(commctrl::ImageList_Create(5, 6, commctrl::ILC_COLOR32, 0, 1));
    EXPECT_EQ(List.Width(), 5);
    EXPECT_EQ(List.Height(), 6);
    EXPECT_EQ(List.Count(), 0);
    EXPECT_FALSE(commctrl::ImageList_Destroy(old)); // gone already

    List.SetHandle(nullptr);
    EXPECT_FALSE(List.HandleAllocated());

    // Lists that share a native list never destroy it.
    const commctrl::HIMAGELIST shared = commctrl::ImageList_Create(2, 2, 0, 0, 1);
    List.SetShareImages(true);
    {
        TImageList borrower(nullptr);
        borrower.SetShareImages(true);
        borrower.SetHandle(shared);
        List.SetHandle(shared);
    }
    List.SetHandle(nullptr);
    EXPECT_TRUE(commctrl::ImageList_Destroy(shared));
    EXPECT_THROW(List.SetHandle(shared), EInvalidOperation);

    // A native list the image list made itself is its own, shared or not.
    commctrl::HIMAGELIST own;
    {
        TImageList sharing(nullptr);
        sharing.SetShareImages(true);
        own = sharing.Handle();
        sharing.SetMasked(false);
        EXPECT_FALSE(commctrl::ImageList_Destroy(own));
        own = sharing.Handle();
    }
    EXPECT_FALSE(commctrl::ImageList_Destroy(own));
}

} // namespace

#pragma once
// Shared helpers of the image-list tests: small bitmaps painted pixel by pixel, a canvas to
// draw on, and an image list that records which of its overridable operations were reached.

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/icon.h"
#include "gui/imagelist/imagelist.h"
#include "tests/gui/graphics/helpers.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testing_imagelist {

using testing_graphics::ExpectPixels;
using testing_graphics::MakeBitmap;
using testing_graphics::Paint;

// A 32-bit bitmap whose pixels are colourAt(x, y).
inline std::unique_ptr<TBitmap> PaintedBitmap(int width, int height,
                                              const std::function<TColor(int x, int y)>& colourAt) {
    auto bitmap = MakeBitmap(width, height, pf32bit);
    Paint(bitmap->Canvas(), width, height, colourAt);
    return bitmap;
}

// A bitmap of a single colour.
inline std::unique_ptr<TBitmap> SolidBitmap(int width, int height, TColor colour) {
    return MakeBitmap(width, height, pf32bit, colour);
}

// The colour of the top-left pixel of image index, read through GetBitmap.
inline TColor TopLeftColour(TCustomImageList& list, int index) {
    TBitmap bitmap;
    list.GetBitmap(index, bitmap);
    return bitmap.Canvas().Pixels(0, 0);
}

// An image list that records, by name, which of the fourteen operations were reached,
// then runs the base operation.
class TRecordingList : public TImageList {
public:
    using TImageList::TImageList;

    std::vector<std::string> Calls;

    int Add(TBitmap* image, TBitmap* mask) override {
        Calls.push_back("Add");
        return TImageList::Add(image, mask);
    }
    int AddIcon(TIcon* image) override {
        Calls.push_back("AddIcon");
        return TImageList::AddIcon(image);
    }
    int AddImage(TCustomImageList* value, int index) override {
        Calls.push_back("AddImage");
        return TImageList::AddImage(value, index);
    }
    void AddImages(TCustomImageList* value) override {
        Calls.push_back("AddImages");
        TImageList::AddImages(value);
    }
    int AddMasked(TBitmap* image, TColor maskColor) override {
        Calls.push_back("AddMasked");
        return TImageList::AddMasked(image, maskColor);
    }
    void Clear() override {
        Calls.push_back("Clear");
        TImageList::Clear();
    }
    void Delete(int index) override {
        Calls.push_back("Delete");
        TImageList::Delete(index);
    }
    void Insert(int index, TBitmap* image, TBitmap* mask) override {
        Calls.push_back("Insert");
        TImageList::Insert(index, image, mask);
    }
    void InsertIcon(int index, TIcon* image) override {
        Calls.push_back("InsertIcon");
        TImageList::InsertIcon(index, image);
    }
    void InsertMasked(int index, TBitmap* image, TColor maskColor) override {
        Calls.push_back("InsertMasked");
        TImageList::InsertMasked(index, image, maskColor);
    }
    void Move(int curIndex, int newIndex) override {
        Calls.push_back("Move");
        TImageList::Move(curIndex, newIndex);
    }
    void Replace(int index, TBitmap* image, TBitmap* mask) override {
        Calls.push_back("Replace");
        TImageList::Replace(index, image, mask);
    }
    void ReplaceIcon(int index, TIcon* image) override {
        Calls.push_back("ReplaceIcon");
        TImageList::ReplaceIcon(index, image);
    }
    void ReplaceMasked(int index, TBitmap* newImage, TColor maskColor) override {
        Calls.push_back("ReplaceMasked");
        TImageList::ReplaceMasked(index, newImage, maskColor);
    }
};

} // namespace testing_imagelist

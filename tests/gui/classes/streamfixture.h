#pragma once
// A small family of streamable test classes shaped like the real ones: a form that is a
// control and publishes handler methods, controls that parent one another, a non-visual
// component with a collection of items, a string list and custom binary data.

#include "gui/classes/classbuilder.h"
#include "gui/classes/collection.h"
#include "gui/classes/component.h"
#include "gui/classes/event.h"
#include "gui/classes/strings.h"
#include "gui/graphics/colors.h"
#include "gui/graphics/geometry.h"
#include "tests/gui/classes/streamio.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

enum TTextAlign { taLeftJustify, taRightJustify, taCenter };
enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TShiftStateFlag { ssShift, ssAlt, ssCtrl };
using TShiftState = TSet<TShiftStateFlag>;
enum TOwnerDrawStateFlag { odSelected, odFocused };
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

template <>
struct TEnumIdents<TTextAlign> {
    static constexpr std::string_view Names[] = {"taLeftJustify", "taRightJustify", "taCenter"};
};
template <>
struct TEnumIdents<TFontStyle> {
    static constexpr std::string_view Names[] = {"fsBold", "fsItalic", "fsUnderline",
                                                 "fsStrikeOut"};
};

using TDrawItemEvent = TEvent<void(TObject* control, int index, TRect rect, TOwnerDrawState state)>;
using TMouseMoveEvent = TEvent<void(TObject* sender, TShiftState shift, int x, int y)>;

class TTestImages;

class TTestFont : public TPersistent {
public:
    std::string Name = "Tahoma";
    int Height = -11;
    TFontStyles Style;
    TColor Color = clWindowText;
};

class TTestControl : public TComponent {
public:
    explicit TTestControl(TComponent* owner) : TComponent(owner) {}
    ~TTestControl() override;

    int Left = 0;
    int Top = 0;
    std::string Caption;
    std::string Text;
    bool Visible = true;
    TTextAlign Alignment = taLeftJustify;
    TColor Color = clBtnFace;
    double Ratio = 1;
    TTestFont* Font() const { return FFont.get(); }
    TTestImages* Images() const { return FImages; }
    void SetImages(TTestImages* images);
    TTestControl* Parent() const { return FParent; }
    void SetParent(TTestControl* parent);
    const std::vector<TTestControl*>& Controls() const { return FControls; }

    TNotifyEvent OnClick;
    TDrawItemEvent OnDrawItem;
    TMouseMoveEvent OnMouseMove;

    // What the control saw: its state when Caption was set, its images when Loaded ran.
    TComponentState StateWhenCaptionSet;
    TTestImages* ImagesWhenLoaded = nullptr;

    bool HasParent() const override { return FParent != nullptr; }
    TComponent* GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent* parent) override;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

private:
    std::unique_ptr<TTestFont> FFont = std::make_unique<TTestFont>();
    TTestImages* FImages = nullptr;
    TTestControl* FParent = nullptr;
    std::vector<TTestControl*> FControls;
};

class TTestPanel : public TTestControl {
public:
    using TTestControl::TTestControl;
};

class TTestForm : public TTestControl {
public:
    using TTestControl::TTestControl;

    void ButtonClick(TObject* sender) { Clicks.push_back(sender); }
    void ListDrawItem(TObject*, int index, TRect rect, TOwnerDrawState state) {
        DrawnIndex = index;
        DrawnRect = rect;
        DrawnState = state;
    }
    void MouseMove(TObject*, TShiftState, int x, int) { MovedX = x; }

    std::vector<TObject*> Clicks;
    int DrawnIndex = -1;
    TRect DrawnRect;
    TOwnerDrawState DrawnState;
    int MovedX = 0;
};

// Binary data streamed as a custom property, like a picture's "Data".
class TTestPicture : public TPersistent {
public:
    std::vector<std::uint8_t> Data;
    void DefineProperties(TFiler& filer) override;
};

class TTestImageItem : public TCollectionItem {
public:
    explicit TTestImageItem(TCollection* collection);

    std::string Name;
    TColor Background = clBtnFace;
    TTestControl* Link = nullptr;
    TTestPicture* Picture() const { return FPicture.get(); }
    void Assign(const TPersistent* source) override;

private:
    std::unique_ptr<TTestPicture> FPicture = std::make_unique<TTestPicture>();
};

class TTestItems : public TOwnedCollection {
public:
    explicit TTestItems(TPersistent* owner)
        : TOwnedCollection(owner, &CreateCollectionItem<TTestImageItem>) {}
    TTestImageItem* Item(int index) const { return static_cast<TTestImageItem*>(Items(index)); }
    int Updates = 0;

protected:
    void Update(TCollectionItem*) override { ++Updates; }
};

class TTestImages : public TComponent {
public:
    explicit TTestImages(TComponent* owner) : TComponent(owner) {}

    int Width = 16;
    TTestItems* Items() const { return FItems.get(); }
    TStringList* Lines() const { return FLines.get(); }
    // The size of the last "Bitmap" value read, -1 before any.
    int BitmapSizeRead = -1;

    void DefineProperties(TFiler& filer) override;

private:
    std::unique_ptr<TTestItems> FItems = std::make_unique<TTestItems>(this);
    std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
};

// The component of that name owned by root, which must exist and be a T.
template <class T>
T& Find(TComponent& root, const char* name) {
    TComponent* component = root.FindComponent(name);
    if (!component)
        throw std::runtime_error(std::string("no component ") + name);
    return dynamic_cast<T&>(*component);
}

// Registers the classes above (again is harmless).
void RegisterTestClasses();
// The names of the controls whose Loaded ran, in order; cleared by the caller.
std::vector<std::string>& LoadedLog();

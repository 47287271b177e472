#include "tests/gui/classes/streamfixture.h"

#include "gui/classes/filer.h"
#include "gui/classes/reader.h"
#include "gui/classes/writer.h"
#include "gui/graphics/colorident.h"

#include <algorithm>

namespace {

// A setter for a public data member.
template <auto Member>
constexpr auto Set = [](auto& object, auto value) { object.*Member = std::move(value); };

} // namespace

TTestControl::~TTestControl() {
    SetParent(nullptr);
    for (TTestControl* control : FControls)
        control->FParent = nullptr;
}

void TTestControl::SetImages(TTestImages* images) {
    if (FImages)
        RemoveFreeNotification(FImages);
    FImages = images;
    if (FImages)
        FreeNotification(FImages);
}

void TTestControl::SetParent(TTestControl* parent) {
    if (FParent)
        std::erase(FParent->FControls, this);
    FParent = parent;
    if (FParent)
        FParent->FControls.push_back(this);
}

void TTestControl::SetParentComponent(TComponent* parent) {
    SetParent(dynamic_cast<TTestControl*>(parent));
}

void TTestControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
    TComponent::GetChildren(proc, root);
    for (TTestControl* control : std::vector(FControls))
        if (control->Owner() == root)
            proc(control);
}

void TTestControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FImages)
        FImages = nullptr;
}

void TTestControl::Loaded() {
    TComponent::Loaded();
    LoadedLog().push_back(Name());
    ImagesWhenLoaded = FImages;
}

void TTestPicture::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& stream) {
            Data.resize(size_t(stream.Size()));
            stream.ReadBuffer(Data.data(), std::int64_t(Data.size()));
        },
        [this](TStream& stream) { stream.WriteBuffer(Data.data(), std::int64_t(Data.size())); },
        !Data.empty());
}

TTestImageItem::TTestImageItem(TCollection* collection) : TCollectionItem(collection) {}

void TTestImageItem::Assign(const TPersistent* source) {
    const auto* item = dynamic_cast<const TTestImageItem*>(source);
    if (!item) {
        TCollectionItem::Assign(source);
        return;
    }
    Name = item->Name;
    Background = item->Background;
    Link = item->Link;
    FPicture->Data = item->FPicture->Data;
}

void TTestImages::DefineProperties(TFiler& filer) {
    TComponent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Bitmap", [this](TStream& stream) { BitmapSizeRead = int(stream.Size()); }, [](TStream&) {},
        true);
}

std::vector<std::string>& LoadedLog() {
    static std::vector<std::string> log;
    return log;
}

void RegisterTestClasses() {
    RegisterClass<TTestFont, TPersistent>([](TClassBuilder<TTestFont>& c) {
        c.Property("Name", &TTestFont::Name, Set<&TTestFont::Name>, std::string("Tahoma"))
            .Property("Height", &TTestFont::Height, Set<&TTestFont::Height>, -11)
            .Property("Style", &TTestFont::Style, Set<&TTestFont::Style>, TFontStyles())
            .Property("Color", &TTestFont::Color, Set<&TTestFont::Color>, clWindowText)
            .Idents(ColorIdents());
    });
    RegisterClass<TTestImages, TComponent>([](TClassBuilder<TTestImages>& c) {
        c.Property("Width", &TTestImages::Width, Set<&TTestImages::Width>, 16)
            .Property("Items", &TTestImages::Items)
            .Property("Lines", &TTestImages::Lines);
    });
    RegisterClass<TTestControl, TComponent>([](TClassBuilder<TTestControl>& c) {
        c.Property("Left", &TTestControl::Left, Set<&TTestControl::Left>, 0)
            .Property("Top", &TTestControl::Top, Set<&TTestControl::Top>, 0)
            .Property(
                "Caption", &TTestControl::Caption,
                [](TTestControl& control, std::string caption) {
                    control.Caption = std::move(caption);
                    control.StateWhenCaptionSet = control.ComponentState();
                },
                std::string())
            .Property("Text", &TTestControl::Text, Set<&TTestControl::Text>)
            .Stored([](const TTestControl& control) {
                return !control.Text.empty() && control.Text != control.Name();
            })
            .Property("Visible", &TTestControl::Visible, Set<&TTestControl::Visible>, true)
            .Property("Alignment", &TTestControl::Alignment, Set<&TTestControl::Alignment>,
                      taLeftJustify)
            .Property("Color", &TTestControl::Color, Set<&TTestControl::Color>, clBtnFace)
            .Idents(ColorIdents())
            .Property("Ratio", &TTestControl::Ratio, Set<&TTestControl::Ratio>, 1.0)
            .Property("Font", &TTestControl::Font)
            .Property("Images", &TTestControl::Images, &TTestControl::SetImages)
            .Event("OnClick", &TTestControl::OnClick)
            .Event("OnDrawItem", &TTestControl::OnDrawItem)
            .Event("OnMouseMove", &TTestControl::OnMouseMove);
    });
    RegisterClass<TTestPanel, TTestControl>();
    RegisterClass<TTestForm, TTestControl>([](TClassBuilder<TTestForm>& c) {
        c.Method("ButtonClick", &TTestForm::ButtonClick)
            .Method("ListDrawItem", &TTestForm::ListDrawItem)
            .Method("MouseMove", &TTestForm::MouseMove);
    });
    RegisterClass<TTestPicture, TPersistent>();
    RegisterClass<TTestImageItem, TCollectionItem>([](TClassBuilder<TTestImageItem>& c) {
        c.Property("Picture", &TTestImageItem::Picture)
            .Property("Name", &TTestImageItem::Name, Set<&TTestImageItem::Name>)
            .Property("Background", &TTestImageItem::Background, Set<&TTestImageItem::Background>)
            .Idents(ColorIdents())
            .Property("Link", &TTestImageItem::Link, Set<&TTestImageItem::Link>);
    });
}

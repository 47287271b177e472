#include "gui/classes/classbuilder.h"
#include "gui/classes/componentresource.h"
#include "gui/classes/exceptions.h"
#include "gui/classes/filer.h"
#include "platform/resources/resources.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> FileBytes(const std::string& name) {
    TMemoryStream stream;
    stream.LoadFromFile(std::string(TEST_DATA) + "/" + name);
    return stream.Bytes();
}

std::vector<std::uint8_t> Resource(std::string_view name) {
    const auto data = resources::FindResource(name);
    return {data.begin(), data.end()};
}

TEST(Resources, EmbeddedFilesAreFoundByName) {
    EXPECT_EQ(Resource("greeting"), FileBytes("greeting.txt"));
    EXPECT_TRUE(resources::FindResource("no such resource").empty());
    EXPECT_TRUE(resources::FindResource("Greeting").empty());
}

TEST(Resources, ResourcesOfAStaticLibraryReachThePrograms) {
    EXPECT_EQ(Resource("library/greeting"), FileBytes("greeting.txt"));
}

class TLayoutRoot : public TComponent {
public:
    using TComponent::TComponent;
    std::string Caption;
    std::vector<std::uint8_t> Data;

    void DefineProperties(TFiler& filer) override {
        TComponent::DefineProperties(filer);
        filer.DefineBinaryProperty(
            "Data",
            [this](TStream& stream) {
                Data.resize(size_t(stream.Size()));
                stream.ReadBuffer(Data.data(), std::int64_t(Data.size()));
            },
            nullptr, false);
    }
};

TEST(Resources, ALayoutCompiledAtBuildTimeBuildsItsComponent) {
    RegisterClass<TLayoutRoot, TComponent>([](TClassBuilder<TLayoutRoot>& c) {
        c.Property("Caption", &TLayoutRoot::Caption,
                   [](TLayoutRoot& root, std::string caption) { root.Caption = caption; });
    });
    TLayoutRoot root(nullptr);
    ReadComponentResource(root, "TLayoutRoot");
    EXPECT_EQ(root.Name(), "LayoutRoot");
    EXPECT_EQ(root.Caption, "Embedded");
    EXPECT_EQ(root.Data, FileBytes("sample.bin"));

    try {
        ReadComponentResource(root, "TMissingForm");
        FAIL() << "no error raised";
    } catch (const EResNotFound& error) {
        EXPECT_EQ(error.Message(), "Resource TMissingForm not found");
    }
}

} // namespace

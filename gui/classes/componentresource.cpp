#include "gui/classes/componentresource.h"

#include "gui/classes/exceptions.h"
#include "gui/classes/reader.h"
#include "platform/resources/resources.h"

void ReadComponentResource(TComponent& root, std::string_view name) {
    const std::span<const std::uint8_t> data = resources::FindResource(name);
    if (data.empty())
        throw EResNotFound("Resource " + std::string(name) + " not found");
    TReadOnlyMemoryStream stream(data.data(), std::int64_t(data.size()));
    TReader(stream).ReadRootComponent(root);
}

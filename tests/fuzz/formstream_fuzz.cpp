// Binary form streams: printed as text, and read into a form with every class of the GUI
// layer registered, as a window's layout is read.

#include "fuzz_support.h"
#include "gui/classes/reader.h"
#include "gui/classes/stream.h"
#include "gui/forms/application.h"
#include "gui/forms/customform.h"
#include "gui/registration.h"
#include "platform/window/headless.h"
#include "platform/window/window.h"
#include "tools/layoutc/layouttext.h"

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    win::UseHeadlessBackend();
    RegisterGuiClasses();
    Application.Initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Succeeds([&] { ObjectBinaryToText({data, size}); });
    const auto form = std::make_unique<TForm>(nullptr);
    fuzzing::Succeeds([&] {
        TReadOnlyMemoryStream stream(data, std::int64_t(size));
        TReader(stream).ReadRootComponent(*form);
    });
    return 0;
}

#pragma once
// The backends' factories.

#include "platform/window/backend_api.h"
#include "platform/window/headless.h"

#include <memory>

namespace win::detail {

// Raises EBackendUnavailable when no display can be opened.
std::unique_ptr<TBackend> MakeSdlBackend();

struct THeadlessPair {
    std::unique_ptr<TBackend> Backend;
    THeadless& Controls; // the same object, seen by tests
};
THeadlessPair MakeHeadlessBackend(int deviceScale);

} // namespace win::detail

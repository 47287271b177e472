// Selecting and releasing the backend.

#include "platform/window/headless.h"
#include "platform/window/internals.h"
#include "platform/window/make_backend.h"

namespace win {

using namespace detail;

namespace {

void Select(std::unique_ptr<TBackend> backend) {
    if (!State().Windows.empty())
        throw EWindowSystem("The backend cannot change while windows exist");
    State().Backend = std::move(backend);
    SetCursor(LoadCursor(IDC_ARROW));
}

} // namespace

void UseSdlBackend() {
    Select(MakeSdlBackend());
}

THeadless& UseHeadlessBackend(int deviceScale) {
    auto backend = MakeHeadlessBackend(deviceScale);
    THeadless& headless = backend.Controls;
    Select(std::move(backend.Backend));
    return headless;
}

void Shutdown() {
    auto& state = State();
    for (HWND topLevel : std::vector<HWND>(state.TopLevels))
        Forget(topLevel);
    for (const TContext& context : state.Contexts)
        gdi::DeleteDC(context.DC);
    auto classes = std::move(state.Classes);
    const auto lastHandle = state.LastHandle;
    const auto backend = std::move(state.Backend);
    state = TState();
    state.Classes = std::move(classes);
    state.LastHandle = lastHandle;
}

} // namespace win

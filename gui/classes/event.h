#pragma once
// Event properties: a handler that callers assign like a std::function and invoke like one.
// A handler bound from a form stream also remembers the name of the form's method it calls,
// so that writing the form writes that name again.

#include <functional>
#include <string>
#include <type_traits>
#include <utility>

class TObject;

template <class TSignature>
class TEvent;

template <class R, class... TArgs>
class TEvent<R(TArgs...)> {
public:
    using THandler = std::function<R(TArgs...)>;

    TEvent() = default;
    TEvent(std::nullptr_t) {}
    template <class F>
    requires std::is_invocable_r_v<R, F&, TArgs...> &&
        (!std::is_same_v<std::remove_cvref_t<F>, TEvent>)TEvent(F handler)
        : FHandler(std::move(handler)) {}
    // A handler that calls the published method methodName of a form.
    TEvent(THandler handler, std::string methodName)
        : FHandler(std::move(handler)), FMethodName(std::move(methodName)) {}

    explicit operator bool() const { return bool(FHandler); }
    R operator()(TArgs... args) const { return FHandler(std::forward<TArgs>(args)...); }
    // The published method this handler calls, or empty for any other handler.
    const std::string& MethodName() const { return FMethodName; }

private:
    THandler FHandler;
    std::string FMethodName;
};

using TNotifyEvent = TEvent<void(TObject* sender)>;

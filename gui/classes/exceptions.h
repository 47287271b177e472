#pragma once
// The GUI layer's exception classes. Every error the layer raises is one of these, carrying
// the message the user sees in the application's error box.

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    const std::string& Message() const { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

// Declares an exception class that only names a kind of error.
#define DECLARE_EXCEPTION(Name, Base)                                                              \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        using Base::Base;                                                                          \
    }

DECLARE_EXCEPTION(EConvertError, Exception);
DECLARE_EXCEPTION(EInvalidCast, Exception);
DECLARE_EXCEPTION(EInvalidOperation, Exception);
DECLARE_EXCEPTION(EOutOfResources, Exception);
DECLARE_EXCEPTION(EInvalidGraphic, Exception);
DECLARE_EXCEPTION(EListError, Exception);
DECLARE_EXCEPTION(EStringListError, EListError);
DECLARE_EXCEPTION(EComponentError, Exception);
DECLARE_EXCEPTION(EStreamError, Exception);
DECLARE_EXCEPTION(EReadError, EStreamError);
DECLARE_EXCEPTION(EWriteError, EStreamError);
DECLARE_EXCEPTION(EFOpenError, EStreamError);
DECLARE_EXCEPTION(EFCreateError, EStreamError);
DECLARE_EXCEPTION(EClassNotFound, EReadError);
DECLARE_EXCEPTION(EParserError, Exception);
DECLARE_EXCEPTION(EResNotFound, Exception);

// The class name of an exception object, as reports show it.
std::string ExceptionClassName(const std::exception& error);

// Raises E "List index out of bounds (<index>)", the error of every indexed list.
template <class E = EListError>
[[noreturn]] void RaiseListIndexError(long long index) {
    throw E("List index out of bounds (" + std::to_string(index) + ")");
}

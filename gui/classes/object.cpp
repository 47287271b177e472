#include "gui/classes/object.h"

#include "gui/classes/exceptions.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {

std::string Demangled(const char* mangled) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    const auto scope = name.rfind("::");
    return scope == std::string::npos ? name : name.substr(scope + 2);
}

} // namespace

std::string TObject::ClassName() const { return Demangled(typeid(*this).name()); }

std::string ExceptionClassName(const std::exception& error) {
    return Demangled(typeid(error).name());
}

std::string ClassNameOf(const TObject* object) {
    return object ? object->ClassName() : "nil";
}

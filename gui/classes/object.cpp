#include "gui/classes/object.h"

#include "gui/classes/exceptions.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>

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

std::string TObject::ClassName() const {
    return TypeName(typeid(*this));
}

std::string TypeName(const std::type_info& type) {
    return Demangled(type.name());
}

std::string ExceptionClassName(const std::exception& error) {
    return TypeName(typeid(error));
}

std::string ClassNameOf(const TObject* object) {
    return object ? object->ClassName() : "nil";
}

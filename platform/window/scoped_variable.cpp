#include "platform/window/scoped_variable.h"

#include <cstdlib>

namespace win::detail {

TScopedVariable::TScopedVariable(const char* name, const char* value, TWhen when) : FName(name) {
    if (const char* saved = std::getenv(name))
        FSaved = saved;
    if (when == TWhen::wAlways || !FSaved)
        FSet = setenv(name, value, 1) == 0;
}

TScopedVariable::~TScopedVariable() {
    if (!FSet)
        return;
    if (FSaved)
        setenv(FName.c_str(), FSaved->c_str(), 1);
    else
        unsetenv(FName.c_str());
}

} // namespace win::detail

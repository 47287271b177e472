#include "gui/registration.h"

#include "gui/extctrls/registration.h"
#include "gui/imagelist/imagelist.h"
#include "gui/stdctrls/registration.h"

void RegisterGuiClasses() {
    RegisterStdControlClasses();
    RegisterExtControlClasses();
    RegisterImageListClasses();
}

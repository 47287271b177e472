#include "launcher/shellopen.h"

#include "gui/forms/application.h"
#include "platform/shell/shell.h"

void ShellOpen(const std::string& target) {
    shell::ShellExecute(Application.MainFormHandle(), "open", target, "", "", win::SW_SHOWDEFAULT);
}

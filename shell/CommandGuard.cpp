#include "shell/CommandGuard.h"

#include "fw/core/MessageService.h"

#include <string>

void GuardCommand(std::string_view handler, const std::function<void()>& command)
{
    try {
        command();
    } catch (...) {
        fw::Messages().MessageBox("Unexpected error " + std::string(handler), "ERROR", fw::MB_OK | fw::MB_ICONHAND);
    }
}

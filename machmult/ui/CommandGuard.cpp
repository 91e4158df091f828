#include "machmult/ui/CommandGuard.h"

#include "fw/core/MessageService.h"

#include <string>

namespace machui {

void RunGuarded(std::string_view handler, const std::function<void()>& command)
{
    try {
        command();
    } catch (...) {
        fw::Messages().MessageBox("Unexpected error " + std::string(handler), "ERROR", fw::MB_OK | fw::MB_ICONERROR);
    }
}

} // namespace machui

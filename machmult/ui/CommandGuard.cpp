#include "machmult/ui/CommandGuard.h"

#include "fw/core/MessageService.h"
#include "model/SmartDoc.h"

#include <QAction>

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

void EnableCommands(const CSmartDoc& document, std::initializer_list<std::pair<QAction*, unsigned>> commands)
{
    for (const auto& [action, command] : commands)
        action->setEnabled(document.IsCommandEnabled(command).value_or(true));
}

} // namespace machui

#pragma once
// Commands of the machine and mult windows: handlers run guarded (anything they throw is reported
// as "Unexpected error <Class>::<Handler>", caption "ERROR", instead of leaving the event loop),
// and toolbar actions follow the document's command states.

#include <functional>
#include <initializer_list>
#include <string_view>
#include <utility>

class CSmartDoc;
class QAction;

namespace machui {

void RunGuarded(std::string_view handler, const std::function<void()>& command);

// Enables each action as the document decides its command (enabled where it does not decide).
void EnableCommands(const CSmartDoc& document, std::initializer_list<std::pair<QAction*, unsigned>> commands);

} // namespace machui

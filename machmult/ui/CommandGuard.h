#pragma once
// Runs a command handler of the machine windows; anything it throws is reported as
// "Unexpected error <Class>::<Handler>" (caption "ERROR") instead of leaving the event loop.

#include <functional>
#include <string_view>

namespace machui {

void RunGuarded(std::string_view handler, const std::function<void()>& command);

} // namespace machui

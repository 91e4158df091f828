#pragma once
// Command handlers run through GuardCommand: anything they throw reaches the user as
// "Unexpected error <handler>" with the caption "ERROR" and goes no further.

#include <functional>
#include <string_view>

// handler names the class and handler, as in "CVarnexApp::DoNavAction".
void GuardCommand(std::string_view handler, const std::function<void()>& command);

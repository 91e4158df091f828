#pragma once
// The program's command line. Flags start with '/' or '-' and are compared without case; any other
// argument is ignored (no file is opened from the command line).

#include <string>
#include <vector>

struct CommandLineInfo {
    bool embedding = false;     // /Embedding: started by an automation client
    bool automation = false;    // /Automation
    bool unregister = false;    // /Unregserver or /Unregister
    bool regserver = false;     // /Regserver or /Register: register for automation clients and end
    bool showSplash = true;     // false for automation starts

    static CommandLineInfo Parse(const std::vector<std::string>& arguments);

    // Started as an automation server: no main window.
    bool Windowless() const { return embedding || automation; }
};

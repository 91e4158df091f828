#pragma once
// What the machine link asks of the program's windows.

#include <string>

class MachineLinkHost {
public:
    virtual ~MachineLinkHost() = default;
    // Raises the main window above the others, or lowers it below them; neither moves nor sizes it.
    virtual void BringMainWindowToTop() = 0;
    virtual void SendMainWindowToBottom() = 0;
    // Enables or greys the Run entries of the navigator; nothing when there is no main window.
    virtual void EnableRunEntries(bool enable) = 0;
    // Shows the text in the first pane of the status bar.
    virtual void ShowStatus(const std::string& text) = 0;

    // The status once a load has ended well.
    static constexpr const char* kReadyToRun = "Ready to Run";
};

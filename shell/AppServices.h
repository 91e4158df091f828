#pragma once
// What the application object works through besides the dispatcher's services: its windows and
// file dialogs, the legacy readers, file management and the automation server's registration.

#include "shell/NavServices.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The windows of the program, made and shown by the user-interface side.
class AppWindows {
public:
    virtual ~AppWindows() = default;
    virtual void EnableSplashScreen(bool enable) = 0;
    // The main frame with its toolbar, status bar and navigator bar; false when it can't be made.
    virtual bool CreateMainFrame() = 0;
    // showCommand: kShowNormal or kShowMaximized.
    virtual void ShowMainFrame(int showCommand) = 0;
    // The legacy record files the user chose (Windows paths), empty on Cancel.
    virtual std::vector<std::string> ChooseLegacyFiles() = 0;
    // Shows a help file: HTML in the program's help window, anything else with the desktop's viewer.
    virtual void OpenHelpFile(const std::filesystem::path& file) = 0;
};

// Legacy record files of one kind read into documents.
class LegacyReaders {
public:
    virtual ~LegacyReaders() = default;
    virtual void ReadParts(const std::string& recordFile) = 0;
    virtual void ReadMults(const std::string& recordFile) = 0;
    virtual void ReadShapes(const std::string& recordFile) = 0;
};

// The mark dialog of opposite-hand parts: the mark as typed, the hand chosen ('L', 'R', or a
// blank for none) and whether every later part is to be named the same way.
struct MarkAnswer {
    std::string mark;
    char hand = ' ';
    bool doAllSimilarly = false;
};
class MarkDialog {
public:
    virtual ~MarkDialog() = default;
    // Shows the dialog with the caption and mark, no hand chosen; nothing on Cancel.
    virtual std::optional<MarkAnswer> AskMark(const std::string& caption, const std::string& mark) = 0;
};

// The registration through which automation clients outside the program find its classes.
class ServerRegistration {
public:
    virtual ~ServerRegistration() = default;
    virtual void RegisterServer() = 0;
    virtual void UnregisterTypeLibrary() = 0;
};

struct AppServices {
    ItemDocuments& documents;
    ReportWindows& reports;
    PrintService& printing;
    ShopDiskDialog& shopDiskDialog;
    ShopDiskWriter& shopDiskWriter;
    LegacyReaders& legacy;
    MarkDialog& markDialog;
    ServerRegistration& server;
    AppWindows& windows;
};

#pragma once
// The program put together: the application object over the documents and their templates, the
// reports and printing, the main frame and the dialogs the application asks through.

#include "fw/qt/QtPoster.h"
#include "shell/BusServiceFile.h"
#include "shell/DocumentReportSource.h"
#include "shell/LegacyShopDisk.h"
#include "shell/VarnexApp.h"
#include "shell/VarnexDocuments.h"
#include "shell/ui/DocumentFrames.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/QtPrinting.h"
#include "shell/ui/ReportWindows.h"

#include <map>
#include <memory>

class CAutoMultRun;
class CBRAXNavBar;

class VarnexProgram : public AppWindows, public ShopDiskDialog, public MarkDialog {
public:
    struct Options {
        std::filesystem::path programFolder{};
        const fw::Profile* machineProfile = nullptr;
        VarnexDocuments::Factories documents{};
        std::map<TemplateId, FrameSpec> frames{};   // the windows of the templates that have them
        std::vector<CVarnexApp::AutomationClass> automationClasses{};
        bool busMachineLink = false;   // the machine side on the session bus; else no machine link
        std::filesystem::path busServicesFolder{};   // none: the program writes no service file
    };
    // The document kinds, windows and automation classes of this build.
    static Options Standard(std::filesystem::path programFolder, const fw::Profile* machineProfile);

    explicit VarnexProgram(Options options);
    ~VarnexProgram() override;

    // Start-up with the command line's arguments (without the program's name); false ends the
    // program.
    bool Start(const std::vector<std::string>& arguments);

    CVarnexApp& App() { return app_; }
    VarnexDocuments& Documents() { return documents_; }
    CMainFrame* MainFrame() { return frame_.get(); }
    CBRAXNavBar* NavBar() { return navBar_.get(); }
    // Whether the last registration (/Regserver, /Unregserver) did its work.
    bool RegistrationSucceeded() const { return serviceFile_.Succeeded(); }
    CReportWindows& Reports() { return reports_; }
    QtPrinterChooser& Printers() { return printers_; }
    CReportPrinting& Printing() { return printing_; }

    // File > Print: the active part or mult window's file, or the selected rows of the report
    // window, in the standard printout.
    void OnFilePrint();

    // AppWindows
    void EnableSplashScreen(bool enable) override;
    bool CreateMainFrame() override;
    void ShowMainFrame(int showCommand) override;
    std::vector<std::string> ChooseLegacyFiles() override;
    void OpenHelpFile(const std::filesystem::path& file) override;
    // ShopDiskDialog
    std::optional<ShopDiskTarget> AskTarget() override;
    // MarkDialog
    std::optional<MarkAnswer> AskMark(const std::string& caption, const std::string& mark) override;

private:
    // Where Convert Legacy Files starts: the root of the drive of the last shop disk written, else
    // of the drive the Shop Disk Setup offers first; none when it is not mapped.
    QString ShopDiskFolder() const;

    std::map<TemplateId, FrameSpec> frames_;
    fw::QtPoster poster_;
    BusServiceFile serviceFile_;
    DocumentReportSource reportSource_;
    QtPrinterChooser printers_;
    CReportPrinting printing_;
    CReportWindows reports_;
    LegacyShopDisk shopDisk_;
    VarnexDocuments documents_;
    std::unique_ptr<CMainFrame> frame_;   // goes before the documents, whose frames it holds
    std::unique_ptr<CBRAXNavBar> navBar_;  // goes before the main frame it sits in
    const CAutoMultRun* currentRun_ = nullptr;   // the automult job the application holds
    char shopDiskDrive_ = 0;                     // the drive of the last shop disk, 0 before one
    CVarnexApp app_;
};

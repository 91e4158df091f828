#pragma once
// The application object: start-up, the command dispatcher, the one background automatic-multing
// job and the exit check that protects it, the machine link's state, the part and mult printout
// options, Help and Convert Legacy Files. It holds no window; the user-interface side makes them through AppWindows.

#include "fw/core/Component.h"
#include "fw/core/Profile.h"
#include "machmult/MultPrintOptions.h"
#include "partprog/PartPrintOptions.h"
#include "shell/AppServices.h"
#include "shell/AutoMultTask.h"
#include "shell/CommandLineInfo.h"
#include "shell/FileManagement.h"
#include "shell/MachineLink.h"
#include "shell/NavDispatcher.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CVarnexApp : public AppActions {
public:
    // Show commands of the main window.
    static constexpr int kShowNormal = 1;
    static constexpr int kShowMaximized = 3;

    // An automation class registered at start-up; a class without a factory is left out.
    struct AutomationClass {
        std::string clsid;
        std::string progId;
        fw::ClassRegistry::Factory factory;
    };
    // The part, shape and mult document classes by their class ids.
    static const std::vector<AutomationClass>& DocumentClasses();

    struct Options {
        std::filesystem::path programFolder{};            // the program's folder; the help file is found from it
        const fw::Profile* machineProfile = nullptr;      // machine-wide settings of the machine side
        MachineLinkLoader machineLinkLoader{};            // none: the link is never loaded
        std::vector<AutomationClass> automationClasses{};  // factories of the document classes
    };

    CVarnexApp(AppServices services, Options options);
    ~CVarnexApp() override;
    CVarnexApp(const CVarnexApp&) = delete;
    CVarnexApp& operator=(const CVarnexApp&) = delete;

    // Start-up; false ends the program. Windowless starts (/Embedding, /Automation) return true
    // before any window is made or the machine link loaded; /Regserver registers the server and
    // returns true without a window.
    bool InitInstance(const CommandLineInfo& commandLine);
    bool HasMainWindow() const { return hasMainWindow_; }

    // The main frame's creation stores how the profile says it was shown last.
    void SetMainWindowShowCommand(int showCommand) { mainWindowShowCommand_ = showCommand; }
    int MainWindowShowCommand() const { return mainWindowShowCommand_; }

    // The command dispatcher; the path is copied first (closing the report windows may destroy
    // the text). Anything thrown is shown as an unexpected error.
    void DoNavAction(int code, const char* path);

    // The exit check: the automult question when a job is running, then the save questions of
    // every modified document. False when the user cancelled.
    bool SaveAllModified();

    // The automult job. While the exit check or the stop command owns the job, a replacement or a
    // free waits until it is done.
    void SetAutoMultJob(std::unique_ptr<AutoMultTask> job);
    void FreeAutoMultJob();
    void StopAutoMult();
    bool HasAutoMultJob() const { return job_ != nullptr; }
    // Edit > AutoMult: greyed while a job is registered.
    bool CanStartAutoMult() const { return !job_; }

    // The machine link.
    void LoadTorvMachine();
    void UnloadTorvMachine();
    MachineLinkState& LinkState() { return linkState_; }
    // The Machine menu: the commands go to the link, which says when each is enabled; without a
    // link only Show View and Show Global Message are.
    void OnMachineCommand(MachineCommand command);
    bool IsMachineCommandEnabled(MachineCommand command) const;
    const MachineLinkState& LinkState() const { return linkState_; }
    bool IsMachineLinkLoaded() const { return link_ != nullptr; }

    // Help > Help: the program's help file (see HelpFile.h) in its help window, or a message
    // naming where it was looked for.
    void OnHelp();
    // Help > TorvMachine Help, enabled while there is a link that enables Machine > Machine Tool
    // Bar (the machine side is there or can be started) and the install path is known.
    void OnTorvMachineHelp();
    bool CanShowTorvMachineHelp() const;
    std::string GetTorvMachineInstallPath() const;

    // File > Convert Legacy Files.
    void OnConvertLegacyFiles();

    // The one record of what the standard part printout prints: its dialog fills it and the
    // part printing reads it.
    PartPrintOptions& GetPartPrintOptions() { return partPrintOptions_; }
    // The same for the standard mult printout.
    MultPrintOptions& GetMultPrintOptions() { return multPrintOptions_; }

    // The copies and pastes of jobs, groups, parts and mults, and the part rename.
    const FileManagement& Files() const { return files_; }

    // AppActions: what the dispatcher asks of the application.
    // The opposite-hand copy of every part of a '|' list, each asked for its new mark (or, once
    // "Do all names similarly" is ticked, named by its hand suffix), mirrored end for end and
    // saved beside it. Stops at a part file that cannot be read; never replaces a part file.
    void CreateOpposites(const std::string& list) override;
    void ConvertLegacyFiles() override { OnConvertLegacyFiles(); }
    void RunPart(const std::string& path) override;
    void RunMult(const std::string& path) override;
    void RunMultMultiple(const std::string& list) override;

private:
    void RegisterAutomationClasses();
    void UnregisterAutomationClasses();
    // Stops the task when it still runs, waits for its worker and frees it.
    static void EndTask(std::unique_ptr<AutoMultTask>& task);
    void ApplyDeferredJobChanges();

    AppServices services_;
    Options options_;
    NavDispatcher dispatcher_;
    bool hasMainWindow_ = false;
    int mainWindowShowCommand_ = kShowMaximized;

    std::unique_ptr<AutoMultTask> job_;
    bool exitBusy_ = false;
    bool freeDeferred_ = false;
    std::unique_ptr<AutoMultTask> deferredJob_;

    std::vector<std::string> registeredClasses_;
    std::unique_ptr<MachineLink> link_;
    MachineLinkState linkState_;
    PartPrintOptions partPrintOptions_;
    MultPrintOptions multPrintOptions_;
    FileManagement files_;
};

#include "shell/VarnexApp.h"

#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"
#include "shell/CommandGuard.h"
#include "shell/HelpFile.h"
#include "shell/VarnexStrings.h"

#include <algorithm>

namespace {

// Where the machine-side application keeps its install folder, and the longest value read.
constexpr const char* kTorvMachineSection = "TorvMachine Application";
constexpr const char* kInstallPathEntry = "InstallPath";
constexpr std::size_t kMaxInstallPath = 260;
constexpr const char* kTorvMachineHelpFile = "TorvMachineHelp.chm";

// The name of the folder holding a file: "C:\L\PART\P.rec" -> "PART"; a file in a drive's root
// gives "".
std::string HoldingFolderName(const std::string& file)
{
    const std::string_view folder = fw::WinPath::Folder(file);
    if (folder.size() == 2 && folder[1] == ':')
        return {};
    return std::string(fw::WinPath::FileName(folder));
}

} // namespace

const std::vector<CVarnexApp::AutomationClass>& CVarnexApp::DocumentClasses()
{
    static const std::vector<AutomationClass> classes{
        {"{D9FD2771-23CD-11D2-AA41-006008A85237}", "Varnex.PartDoc", nullptr},
        {"{34773D21-227C-11D2-AA3F-006008A85237}", "Varnex.Shape", nullptr},
        {"{6FBFB4C1-BFC7-11D4-984C-006008A85237}", "Varnex.MultDoc", nullptr},
    };
    return classes;
}

CVarnexApp::CVarnexApp(AppServices services, Options options)
    : services_(services),
      options_(std::move(options)),
      dispatcher_(NavServices{services.documents, services.reports, services.printing, services.shopDiskDialog,
                              services.shopDiskWriter, *this})
{
}

CVarnexApp::~CVarnexApp()
{
    EndTask(deferredJob_);
    EndTask(job_);
    link_.reset();
    UnregisterAutomationClasses();
}

bool CVarnexApp::InitInstance(const CommandLineInfo& commandLine)
{
    job_.reset();
    exitBusy_ = false;
    services_.windows.EnableSplashScreen(commandLine.showSplash);
    RegisterAutomationClasses();
    if (commandLine.Windowless())
        return true;

    if (commandLine.regserver) {
        services_.server.RegisterServer();
        return true;
    }
    if (commandLine.unregister)
        services_.server.UnregisterTypeLibrary();
    else
        services_.server.RegisterServer();

    if (!services_.windows.CreateMainFrame())
        return false;
    hasMainWindow_ = true;
    services_.windows.ShowMainFrame(mainWindowShowCommand_);
    LoadTorvMachine();
    return true;
}

void CVarnexApp::RegisterAutomationClasses()
{
    for (const AutomationClass& c : options_.automationClasses) {
        if (!c.factory)
            continue;
        fw::ClassRegistry::Instance().Register(c.clsid, c.progId, c.factory);
        registeredClasses_.push_back(c.clsid);
    }
}

void CVarnexApp::UnregisterAutomationClasses()
{
    for (const std::string& clsid : registeredClasses_)
        fw::ClassRegistry::Instance().Unregister(clsid);
    registeredClasses_.clear();
}

void CVarnexApp::DoNavAction(int code, const char* path)
{
    std::optional<std::string> copy;
    if (path)
        copy = path;
    GuardCommand("CVarnexApp::DoNavAction", [&] { dispatcher_.DoNavAction(code, std::move(copy)); });
}

bool CVarnexApp::SaveAllModified()
{
    exitBusy_ = true;
    if (job_ && job_->IsRunning()) {
        const int answer = fw::ShowMessage(LoadVarnexString(ids::IDS_AUTOMULT_IN_PROGRESS),
                                           fw::MB_YESNOCANCEL | fw::MB_ICONQUESTION);
        if (answer == fw::IDCANCEL) {
            exitBusy_ = false;
            ApplyDeferredJobChanges();
            return false;
        }
        if (answer == fw::IDNO)
            job_->RequestStop();
        job_->Join();
        exitBusy_ = false;
        freeDeferred_ = true;
    }
    exitBusy_ = false;
    ApplyDeferredJobChanges();
    return services_.documents.SaveAllModified();
}

void CVarnexApp::SetAutoMultJob(std::unique_ptr<AutoMultTask> job)
{
    if (exitBusy_) {
        deferredJob_ = std::move(job);
        return;
    }
    EndTask(job_);
    job_ = std::move(job);
}

void CVarnexApp::FreeAutoMultJob()
{
    if (exitBusy_) {
        freeDeferred_ = true;
        return;
    }
    EndTask(job_);
}

void CVarnexApp::StopAutoMult()
{
    exitBusy_ = true;
    if (job_ && job_->IsRunning()) {
        job_->RequestStop();
        job_->Join();
        freeDeferred_ = true;
    }
    exitBusy_ = false;
    ApplyDeferredJobChanges();
}

void CVarnexApp::EndTask(std::unique_ptr<AutoMultTask>& task)
{
    if (!task)
        return;
    if (task->IsRunning())
        task->RequestStop();
    task->Join();
    task.reset();
}

void CVarnexApp::ApplyDeferredJobChanges()
{
    if (freeDeferred_) {
        freeDeferred_ = false;
        EndTask(job_);
    }
    if (deferredJob_)
        SetAutoMultJob(std::move(deferredJob_));
}

void CVarnexApp::LoadTorvMachine()
{
    if (!options_.machineLinkLoader || link_)
        return;
    link_ = options_.machineLinkLoader(*this);
}

void CVarnexApp::UnloadTorvMachine()
{
    if (!link_)
        return;
    link_->Close();
    link_.reset();
    // Nothing answers for the machine side any more.
    linkState_.loaded = 0;
    linkState_.busy = 1;
}

void CVarnexApp::OnMachineCommand(MachineCommand command)
{
    if (link_)
        link_->OnMachineCommand(command);
}

bool CVarnexApp::IsMachineCommandEnabled(MachineCommand command) const
{
    if (link_)
        return link_->IsCommandEnabled(command);
    return command == MachineCommand::showView || command == MachineCommand::globalMessage;
}

void CVarnexApp::RunPart(const std::string& path)
{
    if (link_)
        link_->RunPart(path);
}

void CVarnexApp::RunMult(const std::string& path)
{
    if (link_)
        link_->RunMult(path);
}

void CVarnexApp::RunMultMultiple(const std::string& list)
{
    if (link_)
        link_->RunMultMultiple(list);
}

void CVarnexApp::OnHelp()
{
    const std::string name = LoadVarnexString(ids::IDS_HELP_FILE);
    if (name.empty())
        return;
    if (const std::optional<std::filesystem::path> file = FindHelpFile(options_.programFolder, name)) {
        services_.windows.OpenHelpFile(*file);
        return;
    }
    const auto places = HelpFileCandidates(options_.programFolder, name);
    fw::ShowMessage("The help file " + name + " is missing: it is neither " + places[0].string() + " nor " +
                        places[1].string() + ".",
                    fw::MB_OK | fw::MB_ICONEXCLAMATION);
}

std::string CVarnexApp::GetTorvMachineInstallPath() const
{
    if (!options_.machineProfile)
        return {};
    std::string path = options_.machineProfile->GetProfileString(kTorvMachineSection, kInstallPathEntry);
    if (path.size() > kMaxInstallPath)
        path.resize(kMaxInstallPath);
    return path;
}

bool CVarnexApp::CanShowTorvMachineHelp() const
{
    return link_ && link_->IsCommandEnabled(MachineCommand::toolBar) && !GetTorvMachineInstallPath().empty();
}

void CVarnexApp::OnTorvMachineHelp()
{
    const std::string installPath = GetTorvMachineInstallPath();
    if (!installPath.empty())
        services_.windows.OpenHelpFile(std::filesystem::path(installPath) / kTorvMachineHelpFile);
}

void CVarnexApp::OnConvertLegacyFiles()
{
    std::vector<std::string> skipped;
    for (const std::string& file : services_.windows.ChooseLegacyFiles()) {
        const std::string folder = HoldingFolderName(file);
        if (folder == LoadVarnexString(ids::IDS_LEGACY_PART))
            services_.legacy.ReadParts(file);
        else if (folder == LoadVarnexString(ids::IDS_LEGACY_MULT))
            services_.legacy.ReadMults(file);
        else if (folder == LoadVarnexString(ids::IDS_LEGACY_SHAPE))
            services_.legacy.ReadShapes(file);
        else
            skipped.push_back(file);
    }
    if (skipped.empty())
        return;
    fw::ShowMessage("These files were not converted, as only record files in folders named PART, MULT or "
                    "SHAPE can be read:\n" +
                        fw::MessageLines(skipped),
                    fw::MB_OK | fw::MB_ICONEXCLAMATION);
}

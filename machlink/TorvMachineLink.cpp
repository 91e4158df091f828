#include "machlink/TorvMachineLink.h"

#include "machmult/MultDoc.h"
#include "partprog/PartDoc.h"
#include "shell/FileNameList.h"

#include "fw/core/AppProfile.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"

#include <algorithm>
#include <string>
#include <utility>

using namespace torv;

namespace {

constexpr const char* kLoading = "Please Wait, Loading TorvMachine...";
// Why the machine side can't be had; the status bar says it with what is not available.
constexpr const char* kNotRunning = "TorvMachine is not running";
constexpr const char* kCannotStart = "TorvMachine could not be started";
constexpr const char* kNoMachineInterface = "TorvMachine offers no machine interface";
constexpr const char* kNotAvailable = "; the Run commands are not available.";
constexpr const char* kRunTriesAgain = "; Run tries again.";
constexpr const char* kNoControl = "TorvMachine offers no control object; the Run commands do nothing.";
constexpr const char* kGone = "TorvMachine has stopped; the Run commands are not available until it is ready again.";
constexpr const char* kGoneStartable = "TorvMachine has stopped; Run starts it again.";
constexpr const char* kGoingToSetup = "Please Wait, Going to MachineSetup...";
constexpr const char* kSetupIsUp = "MachineSetup is up";
constexpr const char* kLoadFailed = "Load TorvMachine Failed";
constexpr const char* kFinalizeFailed = "FinalizeLoad TorvMachine Failed";
constexpr const char* kLoadCaption = "Error! ";
// A failure text with the status the machine side answered: "Load TorvMachine Failed (status 3)".
std::string WithStatus(const char* text, std::int32_t status)
{
    return std::string(text) + " (status " + std::to_string(status) + ")";
}

// The Machine menu's entries as the status bar names them, and what it says once one is done.
struct CommandText {
    MachineCommand command;
    const char* name;
    const char* done;
};
constexpr CommandText kCommandTexts[] = {
    {MachineCommand::setup, "Machine Setup", kSetupIsUp},
    {MachineCommand::manualScreen, "Manual Screen", "Manual Screen is up"},
    {MachineCommand::toolBar, "Machine Tool Bar", "Machine Tool Bar is up"},
    {MachineCommand::showView, "Show View", "Machine View is up"},
    {MachineCommand::globalMessage, "Show Global Message", "TorvMachine has no global message to show."},
};
const CommandText& TextOf(MachineCommand command)
{
    return *std::find_if(std::begin(kCommandTexts), std::end(kCommandTexts),
                         [command](const CommandText& t) { return t.command == command; });
}
std::string NotAvailable(MachineCommand command, const std::string& why)
{
    return std::string(TextOf(command).name) + " is not available: " + why + ".";
}

constexpr const char* kNoPower = "No AC Power / No Hydraulics";
constexpr const char* kMissingPart = "Can not run mult, mult part is not exist.";
constexpr const char* kNoWeldStation = "Machine does not have a weld station";
constexpr const char* kDifferent = "Mults Shape/Section are different.";

void Error(const std::string& text) { fw::Messages().MessageBox(text, "ERROR", fw::MB_OK | fw::MB_ICONHAND); }

std::vector<std::string> Names(const std::string& list)
{
    const CFileNameList names(list);
    std::vector<std::string> all;
    for (CFileNameList::Position pos = names.GetHeadPosition(); pos;)
        all.push_back(names.GetNext(pos));
    return all;
}

// A part or mult read without a window for a run; false (reported) when it cannot be read.
bool ReadPart(CPartDoc& part, const std::string& path)
{
    if (part.LoadPart(path))
        return true;
    Error("The part file " + path + " could not be read; nothing was run.");
    return false;
}

bool ReadMult(CMultDoc& mult, const std::string& path)
{
    if (mult.LoadMult(path))
        return true;
    Error("The mult file " + path + " could not be read; nothing was run.");
    return false;
}

} // namespace

TorvMachineLink::TorvMachineLink(MachineLinkState& state, MachineLinkHost& host, ApplicationFactory factory,
                                 StartCheck canStart)
    : state_(state),
      host_(host),
      factory_(std::move(factory)),
      canStart_(std::move(canStart)),
      startable_(canStart_ && canStart_()),
      proxy_(state, host, [this] { ReadyToRun(); }, [this](const std::exception& e) { Report(e); })
{
}

TorvMachineLink::~TorvMachineLink() { proxy_.Detach(); }

std::unique_ptr<ITorvMachine> TorvMachineLink::Machine()
{
    if (!application_)
        throw MachineError(fw::E_POINTER, "TorvMachine is not loaded.");
    std::unique_ptr<ITorvMachine> machine = application_->QueryMachine();
    if (!machine)
        throw MachineError(fw::E_NOINTERFACE, std::string(kNoMachineInterface) + ".");
    return machine;
}

bool TorvMachineLink::Load()
{
    host_.ShowStatus(kLoading);
    const fw::WaitCursor wait;
    application_.reset();
    gone_.reset();
    state_.loaded = 0;
    try {
        application_ = factory_([this] { OnMachineSideGone(); });
        if (!application_)
            return NotLoaded(nullptr);
        std::unique_ptr<ITorvMachine> machine = application_->QueryMachine();
        if (!machine)
            return NotLoaded(kNoMachineInterface);
        machine->SetResponse(&proxy_);
        std::string status = MachineLinkHost::kReadyToRun;
        std::unique_ptr<ITorvMachineControl> control;
        if (const std::int32_t loaded = machine->Load(); loaded != kLoadOk) {
            status = WithStatus(kLoadFailed, loaded);
            fw::Messages().MessageBox(status, kLoadCaption, fw::MB_OK);
        } else if (const std::int32_t finalized = machine->FinalizeLoad(); finalized != kLoadOk) {
            status = WithStatus(kFinalizeFailed, finalized);
            fw::Messages().MessageBox(status, kLoadCaption, fw::MB_OK);
        } else if (control = machine->GetControl(); control) {
            control->RegisterResponse(&proxy_);
        } else {
            status = kNoControl;
        }
        // A failed load counts as loaded all the same; the control object learns it is registered
        // once the link is loaded.
        state_.loaded = 1;
        if (control)
            control->AfterRegistration();
        state_.busy = 0;
        host_.ShowStatus(status);
        host_.EnableRunEntries(true);
    } catch (const std::exception& e) {
        NotLoaded("TorvMachine did not answer");
        Report(e);
        return false;
    }
    CVarnexProxy::Refresh(state_);
    return true;
}

bool TorvMachineLink::NotLoaded(const char* why)
{
    application_.reset();
    state_.loaded = 0;
    startable_ = canStart_ && canStart_();
    whyNot_ = why ? why : startable_ ? kCannotStart : kNotRunning;
    host_.ShowStatus(whyNot_ + (startable_ ? kRunTriesAgain : kNotAvailable));
    CVarnexProxy::Refresh(state_);
    ShowReach();
    return false;
}

bool TorvMachineLink::Reach() { return application_ || Load(); }

void TorvMachineLink::ShowReach() { host_.EnableRunEntries(application_ || startable_); }

void TorvMachineLink::OnMachineSideAppeared()
{
    if (!application_)
        Load();
}

void TorvMachineLink::OnMachineSideGone()
{
    if (!application_)
        return;
    gone_ = std::move(application_);
    state_.loaded = 0;
    state_.machineReady = 1;
    startable_ = canStart_ && canStart_();
    CVarnexProxy::Refresh(state_);
    ShowReach();
    host_.ShowStatus(startable_ ? kGoneStartable : kGone);
}

void TorvMachineLink::Close()
{
    proxy_.Detach();
    if (!application_)
        return;
    try {
        Machine()->Unload();
    } catch (const std::exception&) {
        // Closing: a machine side that is gone has nothing to unload.
    }
    application_.reset();
}

void TorvMachineLink::ReadyToRun()
{
    if (const std::unique_ptr<ITorvMachineControl> control = Machine()->GetControl())
        control->RegisterResponse(&proxy_);
    host_.ShowStatus(MachineLinkHost::kReadyToRun);
}

void TorvMachineLink::Report(const std::exception& error)
{
    Error(std::string("TorvMachine did not answer: ") + error.what());
}

void TorvMachineLink::Guard(const char* handler, const std::function<void()>& command)
{
    try {
        command();
    } catch (const MachineError& e) {
        Report(e);
    } catch (const JobError& e) {
        Error(e.what());
    } catch (...) {
        Error(std::string("Unexpected error TorvMachineLink::") + handler);
    }
}

void TorvMachineLink::ApplyRunStatus(std::int32_t status, const std::string& what)
{
    if (status == kNoAcPower || status == kNoHydraulics) {
        fw::ShowMessage(kNoPower, fw::MB_OK);
        host_.ShowStatus(what + " was not run: " + kNoPower);
    } else if (status == kRunStaysReady) {
        host_.EnableRunEntries(true);
        state_.machineReady = 1;
        state_.busy = 0;
        host_.ShowStatus(what + " went to TorvMachine; " + MachineLinkHost::kReadyToRun);
    } else {
        host_.EnableRunEntries(false);
        state_.machineReady = 0;
        state_.busy = 1;
        host_.ShowStatus(what + " went to TorvMachine; the Run commands wait until it has finished (status " +
                         std::to_string(status) + ")");
    }
    CVarnexProxy::Refresh(state_);
}

void TorvMachineLink::Run(const char* handler, const std::string& what,
                          const std::function<bool(ITorvMachineControl&, ITorvMachineJob&)>& fill,
                          bool needsWeldStation)
{
    Guard(handler, [&] {
        if (!Reach()) {
            host_.ShowStatus(whyNot_ + "; " + what + " was not run.");
            return;
        }
        if (state_.loaded == 0)
            return;
        const std::unique_ptr<ITorvMachineControl> control = Machine()->GetControl();
        if (!control) {
            host_.ShowStatus(std::string(kNoControl));
            return;
        }
        if (needsWeldStation) {
            const std::unique_ptr<ITorvMachineHandMult> hand = control->QueryHandMult();
            if (!hand || hand->HasWeldStation() == 0) {
                fw::Messages().MessageBox(kNoWeldStation, kNoWeldStation, fw::MB_OK);
                return;
            }
        }
        const std::unique_ptr<ITorvMachineJob> job = control->NewJob();
        if (!job)
            throw MachineError(fw::E_POINTER, "TorvMachine made no job.");
        if (!fill(*control, *job))
            return;
        // Callbacks that arrive before the status is known take effect after it.
        proxy_.BeginRun();
        std::int32_t status = 0;
        try {
            status = control->RunJob(*job);
        } catch (...) {
            proxy_.EndRun();
            throw;
        }
        ApplyRunStatus(status, what);
        proxy_.EndRun();
    });
}

void TorvMachineLink::RunPart(const std::string& path)
{
    Run("RunPart", std::string(fw::WinPath::FileName(path)), [&](ITorvMachineControl& control, ITorvMachineJob& job) {
        CPartDoc part;
        if (!ReadPart(part, path))
            return false;
        JobTransfer transfer(control, job);
        transfer.StartPartJob(part);
        transfer.SendSection(part);
        transfer.SendPart(part, 0, 1);
        return true;
    });
}

std::string TorvMachineLink::MultPartPath(const std::string& multPath, const std::string& job,
                                          const std::string& group, const std::string& mark)
{
    const std::string jobs = fw::AppProfile().GetProfileString("Directories", "Job/Group Directory", "\\Kestrom\\Jobs");
    return std::string(1, fw::WinPath::Drive(multPath)) + ":" + jobs + "\\" + job + "\\" + group + "\\" + mark +
           CMultDoc::kPartExtension;
}

bool TorvMachineLink::SendMultParts(JobTransfer& transfer, CMultDoc& mult, const std::string& path, double& position,
                                    bool& sectionSent)
{
    for (const CMultPart& listed : mult.GetParts()) {
        const PartRecord& h = listed.GetHeader();
        CPartDoc part;
        if (!part.LoadPart(MultPartPath(path, h.jobId, h.group, h.mark))) {
            Error(kMissingPart);
            return false;
        }
        if (!sectionSent)
            transfer.SendSection(part);
        sectionSent = true;
        const auto quantity = std::int32_t(listed.GetQuantity());
        transfer.SendPart(part, position, quantity);
        position += part.Header().length.GetValue() * quantity;
    }
    return true;
}

void TorvMachineLink::RunMult(const std::string& path)
{
    Run("RunMult", std::string(fw::WinPath::FileName(path)), [&](ITorvMachineControl& control, ITorvMachineJob& job) {
        CMultDoc mult;
        if (!ReadMult(mult, path))
            return false;
        JobTransfer transfer(control, job);
        transfer.StartMultJob(mult.Header());
        double position = 0;
        bool sectionSent = false;
        return SendMultParts(transfer, mult, path, position, sectionSent);
    });
}

TorvMachineLink::MultCheck TorvMachineLink::CheckMultsForRun(const std::vector<std::string>& mults)
{
    std::optional<std::pair<std::string, std::string>> designation;
    for (const std::string& path : mults) {
        CMultDoc mult;
        if (!ReadMult(mult, path))
            return MultCheck::missingPart;
        for (const CMultPart& listed : mult.GetParts()) {
            const PartRecord& h = listed.GetHeader();
            CPartDoc part;
            if (!part.LoadPart(MultPartPath(path, h.jobId, h.group, h.mark))) {
                Error(kMissingPart);
                return MultCheck::missingPart;
            }
            const std::pair<std::string, std::string> own{part.Header().shapeDesctp, part.Header().shapeDesc};
            if (!designation)
                designation = own;
            else if (own != *designation)
                return MultCheck::different;
        }
    }
    return MultCheck::ok;
}

void TorvMachineLink::RunMultMultiple(const std::string& list)
{
    const std::vector<std::string> paths = Names(list);
    Run(
        "RunMultMultiple", std::to_string(paths.size()) + (paths.size() == 1 ? " mult" : " mults"),
        [&](ITorvMachineControl& control, ITorvMachineJob& job) {
            switch (CheckMultsForRun(paths)) {
            case MultCheck::ok: break;
            case MultCheck::missingPart: return false;
            case MultCheck::different: fw::ShowMessage(kDifferent, fw::MB_OK); return false;
            }
            // Smallest drop first; equal drops keep their list order.
            std::vector<std::pair<double, std::string>> ordered;
            for (const std::string& path : paths) {
                CMultDoc mult;
                if (!ReadMult(mult, path))
                    return false;
                ordered.emplace_back(mult.Header().drop.GetValue(), path);
            }
            std::stable_sort(ordered.begin(), ordered.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            JobTransfer transfer(control, job);
            double position = 0;
            bool sectionSent = false;
            bool first = true;
            for (const auto& [drop, path] : ordered) {
                CMultDoc mult;
                if (!ReadMult(mult, path))
                    return false;
                if (std::exchange(first, false))
                    transfer.StartMultJob(mult.Header());
                if (!SendMultParts(transfer, mult, path, position, sectionSent))
                    return false;
                position += transfer.SendDropPiece(mult.Header(), position);
            }
            return true;
        },
        true);
}

void TorvMachineLink::OnMachineCommand(MachineCommand command)
{
    Guard("OnMachineCommand", [&] {
        if (!Reach()) {
            host_.ShowStatus(NotAvailable(command, whyNot_));
            return;
        }
        RunCommand(command);
    });
}

void TorvMachineLink::RunCommand(MachineCommand command)
{
    const CommandText& text = TextOf(command);
    if (command == MachineCommand::setup) {
        host_.ShowStatus(kGoingToSetup);
        const fw::WaitCursor wait;
        host_.SendMainWindowToBottom();
        Machine()->MachineSetup();
        host_.EnableRunEntries(false);
        state_.busy = 1;
        host_.ShowStatus(text.done);
        return;
    }
    if (command == MachineCommand::toolBar) {
        Machine()->ShowToolBar();
        host_.ShowStatus(text.done);
        return;
    }
    if (command == MachineCommand::manualScreen && !state_.loaded) {
        host_.ShowStatus(NotAvailable(command, "TorvMachine has not loaded"));
        return;
    }
    const std::unique_ptr<ITorvMachineControl> control = Machine()->GetControl();
    if (!control) {
        host_.ShowStatus(NotAvailable(command, "TorvMachine offers no control object"));
        return;
    }
    if (command == MachineCommand::manualScreen)
        control->ShowManualScreen(1);
    else if (command == MachineCommand::showView)
        control->ShowMachineView();
    host_.ShowStatus(text.done);
}

bool TorvMachineLink::IsCommandEnabled(MachineCommand command) const
{
    switch (command) {
    case MachineCommand::setup:
        return application_ ? state_.busy == 0 && state_.machineReady == 1 : startable_;
    case MachineCommand::manualScreen:
    case MachineCommand::toolBar: return application_ || startable_;
    case MachineCommand::showView:
    case MachineCommand::globalMessage: return true;
    }
    return false;
}

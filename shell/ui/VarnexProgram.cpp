#include "shell/ui/VarnexProgram.h"

#include "navigator/ui/BRAXNav.h"
#include "shell/ui/BRAXNavBar.h"
#include "shell/ui/BusMachineLink.h"

#include "machmult/ui/AutoMultHost.h"
#include "shell/ui/AutoMultJobTask.h"

#include "fw/core/AppProfile.h"
#include "fw/core/DriveMap.h"
#include "fw/core/MessageService.h"
#include "machmult/MachineDoc.h"
#include "machmult/MultClasses.h"
#include "machmult/MultDoc.h"
#include "machmult/ui/HmultSplitterFrame.h"
#include "model/IShapeDoc.h"
#include "model/ModelClasses.h"
#include "model/ShapeDoc.h"
#include "model/ToolDoc.h"
#include "partprog/IPartDoc.h"
#include "partprog/PartDoc.h"
#include "machmult/ui/MultPrintStandardDialog.h"
#include "partprog/ui/PartPrintStandardDialog.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/FileDialogs.h"
#include "shell/ui/MarkDlg.h"
#include "shell/ui/ShopDiskSetupDlg.h"
#include "shell/ui/SplashWnd.h"
#include "shell/ui/VarnexFrames.h"
#include "shell/ui/YesNoAllDlg.h"

#include <QDesktopServices>
#include <QMdiArea>
#include <QGuiApplication>
#include <QSessionManager>
#include <QUrl>

namespace {

// The report windows' documents are the program's own, whatever else the options supply.
VarnexDocuments::Factories WithReports(VarnexDocuments::Factories factories)
{
    factories[TemplateId::report] = [] { return std::make_unique<CReportDoc>(); };
    return factories;
}

} // namespace

VarnexProgram::Options VarnexProgram::Standard(std::filesystem::path programFolder, const fw::Profile* machineProfile)
{
    // Every class the program's files may name, so that loading never depends on what the linker kept.
    RegisterModelClasses();
    RegisterMultClasses();
    Options options{std::move(programFolder), machineProfile};
    options.documents = {
        {TemplateId::shape, [] { return std::make_unique<CShapeDoc>(); }},
        {TemplateId::tool, [] { return std::make_unique<CToolDoc>(); }},
        {TemplateId::machine, [] { return std::make_unique<CMachineDoc>(); }},
        {TemplateId::part, [] { return std::make_unique<CPartDoc>(); }},
        {TemplateId::partProgramming, [] { return std::make_unique<CPartDoc>(); }},
        {TemplateId::faceView, [] { return std::make_unique<CPartDoc>(); }},
        {TemplateId::tabView, [] { return std::make_unique<CPartDoc>(); }},
        {TemplateId::mult, [] { return std::make_unique<CMultDoc>(); }},
        {TemplateId::handMult, [] { return std::make_unique<CMultDoc>(); }},
        {TemplateId::multPartList, [] { return std::make_unique<CMultDoc>(); }},
    };
    options.frames = VarnexFrames();
    options.busMachineLink = true;
    options.busServicesFolder = BusServiceFile::UserServicesFolder();
    options.automationClasses = CVarnexApp::DocumentClasses();
    for (CVarnexApp::AutomationClass& c : options.automationClasses) {
        if (c.clsid == IShapeDoc::kClassId)
            c.factory = [] { return std::unique_ptr<fw::Unknown>(std::make_unique<CShapeDoc>()); };
        else if (c.clsid == IPartDoc::kClassId)
            c.factory = &CPartDoc::CreateAutomationObject;
        else if (c.clsid == IMultDoc::kClassId)
            c.factory = &CMultDoc::CreateAutomationObject;
    }
    return options;
}

VarnexProgram::VarnexProgram(Options options)
    : frames_(std::move(options.frames)),
      serviceFile_(options.busServicesFolder, options.programFolder / "varnex"),
      printing_(printers_, reportSource_),
      reports_([this](int code, std::optional<std::string> path) { app_.DoNavAction(code, path ? path->c_str() : nullptr); },
               [] { return DirectorySettings::Load(fw::AppProfile()); }),
      documents_(WithReports(options.documents), &poster_),
      app_(AppServices{documents_, reports_, printing_, *this, shopDisk_, shopDisk_, *this, serviceFile_, *this},
           CVarnexApp::Options{std::move(options.programFolder), options.machineProfile,
                               options.busMachineLink ? BusMachineLinkLoader([this] { return frame_.get(); })
                                                      : MachineLinkLoader{},
                               std::move(options.automationClasses)})
{
    documents_.Manager().LoadRecentFileList(fw::AppProfile());
    printing_.SetOptions(app_.GetPartPrintOptions(), app_.GetMultPrintOptions());
    printing_.SetDialogs(
        [this](PartPrintOptions& options) { return CPartPrintStandardDialog(options, frame_.get()).exec() == QDialog::Accepted; },
        [this](MultPrintOptions& options) { return CMultPrintStandardDialog(options, frame_.get()).exec() == QDialog::Accepted; });
}

VarnexProgram::~VarnexProgram()
{
    if (frame_)
        documents_.Manager().SaveRecentFileList(fw::AppProfile());
    CMultDoc::SetHandMultOpener(nullptr);
    CMultDoc::SetSelectionProvider(nullptr);
    machui::CHmultSplitterFrame::SetCopyQuestion(nullptr);
    machui::SetAutoMultHost({});
    app_.FreeAutoMultJob();
    frame_.reset();
}

bool VarnexProgram::Start(const std::vector<std::string>& arguments)
{
    return app_.InitInstance(CommandLineInfo::Parse(arguments));
}

void VarnexProgram::EnableSplashScreen(bool enable)
{
    CSplashWnd::EnableSplashScreen(enable);
}

bool VarnexProgram::CreateMainFrame()
{
    frame_ = std::make_unique<CMainFrame>(app_);
    reports_.Attach(frame_->MdiArea(), documents_.Template(TemplateId::report));
    printers_.SetParent(frame_.get());
    frame_->SetPrintCommands([this] { OnFilePrint(); }, [this] { printers_.PrintSetup(); });
    navBar_ = std::make_unique<CBRAXNavBar>(*frame_, app_);
    reports_.SetRunEnabled([this] { return navBar_ && navBar_->Control().Properties().RunMenuEnabled != 0; });
    // "All Selected parts" and "All Selected Groups" of multing take what is marked in the tree.
    CMultDoc::SetSelectionProvider(
        [this](int kind) { return navBar_->Control().strFileNames(static_cast<nav::ItemKind>(kind)); });
    for (auto& [id, spec] : frames_)
        InstallFrameFactory(documents_.Template(id), frame_->MdiArea(), spec);
    documents_.SetFrameActivator([this](fw::Document& document) { ActivateDocumentFrame(document, frame_->MdiArea()); });
    // Edit > Specifics of a mult opens its hand-mult window, which asks about parts on other drives.
    CMultDoc::SetHandMultOpener([this](CMultDoc& mult) { documents_.Template(TemplateId::handMult).CreateFrame(mult); });
    machui::CHmultSplitterFrame::SetCopyQuestion([this](const std::string& message) {
        CYesNoAllDlg dialog(message, frame_.get());
        switch (dialog.exec()) {
        case CYesNoAllDlg::IDYES: return HandMultSession::CopyAnswer::yes;
        case CYesNoAllDlg::IDYESTOALL: return HandMultSession::CopyAnswer::yesToAll;
        case CYesNoAllDlg::IDNO: return HandMultSession::CopyAnswer::no;
        case CYesNoAllDlg::IDNOTOALL: return HandMultSession::CopyAnswer::noToAll;
        default: return HandMultSession::CopyAnswer::cancel;
        }
    });
    machui::SetAutoMultHost(MakeAutoMultHost(*frame_, app_, currentRun_));
    fw::DocManager& manager = documents_.Manager();
    // The session ending runs the same exit check as closing the main window.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, frame_.get(), [this](QSessionManager& session) {
        if (session.allowsInteraction() && !app_.SaveAllModified())
            session.cancel();
    });
    frame_->SetRecentFiles([&manager] { return std::vector<std::string>(manager.GetRecentFiles().begin(), manager.GetRecentFiles().end()); },
                           [this](const std::string& path) { documents_.OpenFile(path); });
    return true;
}

void VarnexProgram::ShowMainFrame(int showCommand)
{
    frame_->ShowAs(showCommand);
}

std::vector<std::string> VarnexProgram::ChooseLegacyFiles()
{
    return ::ChooseLegacyFiles(frame_.get(), ShopDiskFolder());
}

void VarnexProgram::OpenHelpFile(const std::filesystem::path& file)
{
    // The program's own help is HTML, shown in its help window; the machine side's goes to the desktop.
    const std::string extension = file.extension().string();
    if (frame_ && (extension == ".html" || extension == ".htm"))
        frame_->ShowHelp(file);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

std::optional<ShopDiskTarget> VarnexProgram::AskTarget()
{
    CShopDiskSetupDlg dialog(fw::DriveMap::Instance().Drives(), frame_.get());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    shopDiskDrive_ = dialog.GetTargetDrive();
    return dialog.Target();
}

QString VarnexProgram::ShopDiskFolder() const
{
    const fw::DriveMap& drives = fw::DriveMap::Instance();
    const std::vector<char> offered = drives.Drives();
    const char drive = shopDiskDrive_ ? shopDiskDrive_ : offered.empty() ? 0 : offered.front();
    try {
        return drive ? QString::fromStdString(drives.ToNative(std::string(1, drive) + ":\\").string()) : QString();
    } catch (const std::exception&) {
        return {};
    }
}

std::optional<MarkAnswer> VarnexProgram::AskMark(const std::string& caption, const std::string& mark)
{
    CMarkDlg dialog(caption, mark, Hand::none, false, frame_.get());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const char hand = dialog.GetHand() == Hand::left ? 'L' : dialog.GetHand() == Hand::right ? 'R' : ' ';
    return MarkAnswer{dialog.GetMark(), hand, dialog.GetDoAllSimilarly()};
}

void VarnexProgram::OnFilePrint()
{
    QMdiSubWindow* active = frame_ ? frame_->MdiArea().activeSubWindow() : nullptr;
    if (auto* report = dynamic_cast<CReportFrame*>(active)) {
        const ReportPrintRequest request = PrintRequestOf(report->View());
        if (request.object == nav::Object::part)
            printing_.PrintParts(PrintMode::standard, request.list);
        else if (request.object == nav::Object::mult)
            printing_.PrintMults(PrintMode::standard, request.list);
        else
            fw::ShowMessage("Select the part or mult files to print.", fw::MB_OK | fw::MB_ICONINFORMATION);
        return;
    }
    auto* child = dynamic_cast<CChildFrame*>(active);
    fw::Document* document = child ? child->Document() : nullptr;
    const bool part = dynamic_cast<CPartDoc*>(document) != nullptr;
    const bool mult = dynamic_cast<CMultDoc*>(document) != nullptr;
    if (!part && !mult) {
        fw::ShowMessage("Open a part, a mult or a report of them to print.", fw::MB_OK | fw::MB_ICONINFORMATION);
        return;
    }
    if (document->GetPathName().empty() || document->IsModified()) {
        fw::ShowMessage("Save the " + std::string(part ? "part" : "mult") + " before printing it.",
                        fw::MB_OK | fw::MB_ICONINFORMATION);
        return;
    }
    const std::string list = document->GetPathName() + "|";
    if (part)
        printing_.PrintParts(PrintMode::standard, list);
    else
        printing_.PrintMults(PrintMode::standard, list);
}

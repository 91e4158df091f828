#include "shell/ui/VarnexProgram.h"

#include "shell/ui/BRAXNavBar.h"
#include "shell/ui/BusMachineLink.h"

#include "machmult/ui/AutoMultHost.h"
#include "shell/ui/AutoMultJobTask.h"

#include "fw/core/AppProfile.h"
#include "fw/core/DriveMap.h"
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
#include "shell/ui/FileDialogs.h"
#include "shell/ui/MarkDlg.h"
#include "shell/ui/ShopDiskSetupDlg.h"
#include "shell/ui/SplashWnd.h"
#include "shell/ui/VarnexFrames.h"
#include "shell/ui/YesNoAllDlg.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QSessionManager>
#include <QUrl>

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
      documents_(options.documents, &poster_),
      app_(AppServices{documents_, pending_, pending_, *this, shopDisk_, shopDisk_, *this, serviceFile_, *this},
           CVarnexApp::Options{std::move(options.programFolder), options.machineProfile,
                               options.busMachineLink ? BusMachineLinkLoader([this] { return frame_.get(); })
                                                      : MachineLinkLoader{},
                               std::move(options.automationClasses)})
{
    documents_.Manager().LoadRecentFileList(fw::AppProfile());
}

VarnexProgram::~VarnexProgram()
{
    if (frame_)
        documents_.Manager().SaveRecentFileList(fw::AppProfile());
    CMultDoc::SetHandMultOpener(nullptr);
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
    navBar_ = std::make_unique<CBRAXNavBar>(*frame_, app_);
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
    return ::ChooseLegacyFiles(frame_.get());
}

void VarnexProgram::OpenHelpFile(const std::filesystem::path& file)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

std::optional<ShopDiskTarget> VarnexProgram::AskTarget()
{
    CShopDiskSetupDlg dialog(fw::DriveMap::Instance().Drives(), frame_.get());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Target();
}

std::optional<MarkAnswer> VarnexProgram::AskMark(const std::string& caption, const std::string& mark)
{
    CMarkDlg dialog(caption, mark, Hand::none, false, frame_.get());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const char hand = dialog.GetHand() == Hand::left ? 'L' : dialog.GetHand() == Hand::right ? 'R' : ' ';
    return MarkAnswer{dialog.GetMark(), hand, dialog.GetDoAllSimilarly()};
}

#include "shell/ui/VarnexProgram.h"

#include "fw/core/AppProfile.h"
#include "fw/core/DriveMap.h"
#include "shell/ui/FileDialogs.h"
#include "shell/ui/ShopDiskSetupDlg.h"
#include "shell/ui/SplashWnd.h"

#include <QDesktopServices>
#include <QUrl>

VarnexProgram::VarnexProgram(Options options)
    : views_(std::move(options.views)),
      documents_(options.documents, std::move(options.documentOps)),
      app_(AppServices{documents_, pending_, pending_, *this, pending_, pending_, pending_, pending_, *this},
           CVarnexApp::Options{std::move(options.programFolder), options.machineProfile, nullptr,
                               std::move(options.automationClasses)})
{
    documents_.Manager().LoadRecentFileList(fw::AppProfile());
}

VarnexProgram::~VarnexProgram()
{
    if (frame_)
        documents_.Manager().SaveRecentFileList(fw::AppProfile());
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
    for (const auto& [id, view] : views_)
        InstallFrameFactory(documents_.Template(id), frame_->MdiArea(), view);
    documents_.SetFrameActivator([this](fw::Document& document) { ActivateDocumentFrame(document, frame_->MdiArea()); });
    fw::DocManager& manager = documents_.Manager();
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

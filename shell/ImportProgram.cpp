#include "shell/ImportProgram.h"

#include "fw/core/MessageService.h"
#include "fw/core/Profile.h"
#include "shell/VarnexStrings.h"

ImportProgram::ImportProgram(fw::Profile& profile, Launcher launcher, Browser browser)
    : profile_(profile), launcher_(std::move(launcher)), browser_(std::move(browser))
{
}

std::string ImportProgram::GetImportProgram() const
{
    return profile_.GetProfileString(LoadVarnexString(ids::IDS_GENERAL), LoadVarnexString(ids::IDS_IMPORT_PROGRAM));
}

void ImportProgram::SetImportProgram(const std::string& path)
{
    profile_.WriteProfileString(LoadVarnexString(ids::IDS_GENERAL), LoadVarnexString(ids::IDS_IMPORT_PROGRAM), path);
}

void ImportProgram::Run()
{
    std::string program = GetImportProgram();
    if (program.empty()) {
        if (fw::ShowMessage(LoadVarnexString(ids::IDS_IMPORT_NOT_FOUND), fw::MB_YESNO | fw::MB_ICONINFORMATION) != fw::IDYES)
            return;
        program = BrowseImportProgram();
        SetImportProgram(program);
        if (program.empty())
            return;
    }
    std::string error;
    while (!launcher_(program, error)) {
        if (fw::Messages().MessageBox(error, "Error", fw::MB_RETRYCANCEL | fw::MB_ICONINFORMATION) != fw::IDRETRY)
            return;
        program = BrowseImportProgram();
        SetImportProgram(program);
        if (program.empty())
            return;
    }
}

#include "shell/PartRename.h"

#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"
#include "model/JobPaths.h"
#include "partprog/PartDoc.h"
#include "records/PartRecord.h"
#include "shell/ReportLister.h"
#include "shell/VarnexStrings.h"

namespace {

std::string Trim(const std::string& text)
{
    const char* blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

PartRenameResult RenamePartFile(const std::string& oldPath, const std::string& enteredName, FileTrash* trash)
{
    const std::string name = Trim(enteredName);
    if (name == fw::WinPath::Title(oldPath))
        return {PartRenameResult::unchanged, {}};
    if (name.empty())
        return {PartRenameResult::blank, {}};
    if (!jobs::IsName(name))
        return {PartRenameResult::invalidName, {}};
    const std::string newPath =
        fw::WinPath::Join(fw::WinPath::Folder(oldPath), name + std::string(fw::WinPath::Extension(oldPath)));
    if (fw::FileSystem::Exists(newPath))
        return {PartRenameResult::exists, newPath};

    CPartDoc part;
    if (!part.TryLoadPart(oldPath))
        return {PartRenameResult::unreadable, newPath};
    part.Header().mark = name;
    // Written beside the old file whatever its job and group fields say.
    if (!part.CSmartDoc::OnSaveDocument(newPath))
        return {PartRenameResult::saveFailed, newPath};
    const std::optional<PartRecord> check = ReadPartHeader(newPath);
    if (!check || check->mark != name)
        return {PartRenameResult::saveFailed, newPath};
    const bool gone = !trash || trash->MoveToTrash(oldPath);
    return {gone ? PartRenameResult::renamed : PartRenameResult::oldKept, newPath};
}

void ShowRenameOutcome(const PartRenameResult& result, const std::string& oldPath)
{
    const auto tell = [](const std::string& text, unsigned icon) {
        fw::Messages().MessageBox(text, "Rename Part", fw::MB_OK | icon);
    };
    const std::string kept = "\"" + oldPath + "\" keeps its name.";
    switch (result.status) {
    case PartRenameResult::invalidName:
        tell("A part name is 1 to 10 characters that can name a file; " + kept, fw::MB_ICONEXCLAMATION);
        break;
    case PartRenameResult::exists:
        tell("\"" + result.newPath + "\" exists already; " + kept, fw::MB_ICONEXCLAMATION);
        break;
    case PartRenameResult::unreadable:
        if (!fw::FileSystem::Exists(oldPath))
            tell(LoadVarnexString(ids::IDS_FILE_NOT_FOUND) + ": " + oldPath, fw::MB_ICONHAND);
        else
            tell("The part file \"" + oldPath + "\" could not be read; it keeps its name.", fw::MB_ICONEXCLAMATION);
        break;
    case PartRenameResult::saveFailed:
        tell("The part could not be saved as \"" + result.newPath + "\"; " + kept, fw::MB_ICONEXCLAMATION);
        break;
    case PartRenameResult::oldKept:
        tell("Error while deleting files " + oldPath, fw::MB_ICONEXCLAMATION);
        break;
    default: break;
    }
}

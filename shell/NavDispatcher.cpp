#include "shell/NavDispatcher.h"

#include "fw/core/MessageService.h"
#include "shell/TemplateTable.h"
#include "shell/VarnexStrings.h"

#include <string_view>

namespace {

using nav::Action;
using nav::Object;

// A folder path followed by this makes a new item in that folder.
constexpr std::string_view kNewItemSuffix = "\\NULL";

bool IsNewItemPath(const std::optional<std::string>& path)
{
    return path && path->ends_with(kNewItemSuffix);
}

// "C:\Jobs\J1\G1\NULL" -> "C:\Jobs\J1\G1\Part.prt" (parts) or "...\Mult 1.mlt" (mults).
std::string NewItemPath(Object object, const std::string& nullPath)
{
    const TemplateInfo& info = TemplateOf(object == Object::part ? TemplateId::part : TemplateId::mult);
    const std::string docString = TemplateDocString(info);
    std::string path = nullPath.substr(0, nullPath.size() - kNewItemSuffix.size() + 1);
    path += DocStringPart(docString, DocStringField::docName);
    if (object == Object::mult)
        path += " 1";
    return path + DocStringPart(docString, DocStringField::filterExt);
}

} // namespace

NavDispatcher::NavDispatcher(NavServices services) : services_(services) {}

void NavDispatcher::DoNavAction(int code, std::optional<std::string> path)
{
    services_.reports.CloseAll();

    // Objects past the known ones stay as they are and match no object below.
    const Object object = static_cast<Object>(nav::ObjectBits(code));
    const std::string text = path.value_or(std::string());
    switch (nav::ActionOf(code)) {
    case Action::create: Create(object, path); break;
    case Action::open:
    case Action::openItem: Open(path); break;
    case Action::printStandard: Print(object, PrintMode::standard, text); break;
    case Action::printCustom: Print(object, PrintMode::custom, text); break;
    case Action::opposites: services_.app.CreateOpposites(text); break;
    case Action::shopDisk: WriteShopDisk(object, text); break;
    case Action::convertLegacy: services_.app.ConvertLegacyFiles(); break;
    case Action::runPart: services_.app.RunPart(text); break;
    case Action::runMult: services_.app.RunMult(text); break;
    case Action::runMults: services_.app.RunMultMultiple(text); break;
    case Action::listFiles: services_.reports.Open(ReportKind::files, text); break;
    case Action::partReport: services_.reports.Open(ReportKind::parts, text); break;
    case Action::multReport: services_.reports.Open(ReportKind::mults, text); break;
    default: break;
    }
}

void NavDispatcher::Create(Object object, const std::optional<std::string>& path)
{
    switch (object) {
    case Object::part:
    case Object::mult: CreateInFolderOrFrom(object, path); break;
    case Object::shape:
    case Object::machine: CreateNewOrCopy(object, path); break;
    case Object::tool:
        if (!path || IsNewItemPath(path))
            services_.documents.NewVisible(object);
        else
            services_.documents.OpenFile(*path);
        break;
    default: break;
    }
}

void NavDispatcher::CreateInFolderOrFrom(Object object, const std::optional<std::string>& path)
{
    ItemDocuments& documents = services_.documents;
    ItemDocument* document = nullptr;
    if (IsNewItemPath(path)) {
        document = documents.NewHidden(object);
        if (document)
            document->SetPathName(NewItemPath(object, *path));
    } else if (path) {
        document = documents.OpenHidden(object, *path);
        if (document) {
            document->ClearModel();
            document->MakeUntitledCopy();
        }
    } else {
        document = documents.NewHidden(object);
    }
    if (!document)
        return;
    document->MarkNew();
    document->ShowFrame();
}

void NavDispatcher::CreateNewOrCopy(Object object, const std::optional<std::string>& path)
{
    if (!path || IsNewItemPath(path)) {
        services_.documents.NewVisible(object);
        return;
    }
    ItemDocument* document = services_.documents.OpenHidden(object, *path);
    if (!document)
        return;
    document->MakeUntitledCopy();
    document->MarkNew();
    document->ShowFrame();
}

void NavDispatcher::Open(const std::optional<std::string>& path)
{
    if (path)
        services_.documents.OpenFile(*path);
    else
        fw::ShowMessage(LoadVarnexString(ids::IDS_FILE_NOT_FOUND) + ": no file is marked to open.",
                        fw::MB_OK | fw::MB_ICONHAND);
}

void NavDispatcher::Print(Object object, PrintMode mode, const std::string& list)
{
    if (object == Object::part)
        services_.printing.PrintParts(mode, list);
    else if (object == Object::mult)
        services_.printing.PrintMults(mode, list);
}

void NavDispatcher::WriteShopDisk(Object object, const std::string& list)
{
    const std::optional<ShopDiskTarget> target = services_.shopDiskDialog.AskTarget();
    if (!target)
        return;
    if (object == Object::part)
        services_.shopDiskWriter.CreatePartDisk(*target, list);
    else if (object == Object::mult)
        services_.shopDiskWriter.CreateMultDisk(*target, list);
}

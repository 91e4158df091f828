#include "shell/PendingFeatures.h"

#include "fw/core/MessageService.h"
#include "shell/TemplateTable.h"

namespace {

void Tell(const std::string& text)
{
    fw::ShowMessage(text, fw::MB_OK | fw::MB_ICONINFORMATION);
}

TemplateId TemplateOfKind(nav::Object kind)
{
    switch (kind) {
    case nav::Object::mult: return TemplateId::mult;
    case nav::Object::shape: return TemplateId::shape;
    case nav::Object::tool: return TemplateId::tool;
    case nav::Object::machine: return TemplateId::machine;
    default: return TemplateId::part;
    }
}

std::string CannotOpenYet(const TemplateInfo& info)
{
    return DocStringPart(TemplateDocString(info), DocStringField::docName) + " documents cannot be opened yet.";
}

} // namespace

std::string CannotOpenYetText(nav::Object kind)
{
    return CannotOpenYet(TemplateOf(TemplateOfKind(kind)));
}

ItemDocument* PendingFeatures::NewHidden(nav::Object kind)
{
    Tell(CannotOpenYetText(kind));
    return nullptr;
}

ItemDocument* PendingFeatures::OpenHidden(nav::Object kind, const std::string&)
{
    Tell(CannotOpenYetText(kind));
    return nullptr;
}

void PendingFeatures::NewVisible(nav::Object kind)
{
    Tell(CannotOpenYetText(kind));
}

void PendingFeatures::OpenFile(const std::string& path)
{
    const TemplateInfo* info = FindTemplateForPath(path);
    Tell(info ? CannotOpenYet(*info) : path + " cannot be opened yet.");
}

void PendingFeatures::Open(ReportKind, const std::string&)
{
    Tell("Report windows cannot be opened yet.");
}

void PendingFeatures::PrintParts(PrintMode, const std::string&)
{
    Tell("Parts cannot be printed yet.");
}

void PendingFeatures::PrintMults(PrintMode, const std::string&)
{
    Tell("Mults cannot be printed yet.");
}

void PendingFeatures::CreatePartDisk(const ShopDiskTarget&, const std::string&)
{
    Tell("Legacy shop disks of parts cannot be written yet.");
}

void PendingFeatures::CreateMultDisk(const ShopDiskTarget&, const std::string&)
{
    Tell("Legacy shop disks of mults cannot be written yet.");
}

void PendingFeatures::ReadParts(const std::string&)
{
    Tell("Legacy part files cannot be converted yet.");
}

void PendingFeatures::ReadMults(const std::string&)
{
    Tell("Legacy mult files cannot be converted yet.");
}

void PendingFeatures::ReadShapes(const std::string&)
{
    Tell("Legacy shape files cannot be converted yet.");
}

void PendingFeatures::CreateOpposites(const std::string&)
{
    Tell("Opposite-hand parts cannot be made yet.");
}

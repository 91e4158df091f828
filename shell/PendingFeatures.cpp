#include "shell/PendingFeatures.h"

#include "fw/core/MessageService.h"

namespace {

void Tell(const std::string& text)
{
    fw::ShowMessage(text, fw::MB_OK | fw::MB_ICONINFORMATION);
}

} // namespace

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

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

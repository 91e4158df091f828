#pragma once
// The standard and custom mult printouts: A, a directory of the mults; B, each mult's header with
// the tools its parts need (each short name once per column); C (custom only, inside B), the parts
// on each mult. A mult file that can't be read is named and left out; the report goes on.

#include "machmult/MultPrintOptions.h"
#include "shell/NavServices.h"
#include "shell/PrintManager.h"
#include "shell/ReportData.h"

class CPrintMults : public CPrintManager {
public:
    CPrintMults(PrinterChooser& printers, ReportSource& source);

    // Title "Mults [Standard: AB]" or "Mults [Custom: ABC]" from the options chosen.
    static std::string Title(PrintMode mode, const MultPrintOptions& options);
    // The whole printout of a '|' list with the options the dialog gave; nothing when cancelled.
    void Print(PrintMode mode, const MultPrintOptions& options, const std::string& list);

    void PrintMultDirectory(const std::vector<std::string>& files);
    void PrintMultInfo(const std::vector<std::string>& files, bool attachedParts);

private:
    std::optional<MultReportData> Read(const std::string& path);
    void PrintDirectoryHeadings();
    void PrintToolSummary(const MultReportData& mult);
    void PrintAttachedParts(const MultReportData& mult);

    ReportSource& source_;
};

// The names of a '|' list in order.
std::vector<std::string> ReportFileNames(const std::string& list);

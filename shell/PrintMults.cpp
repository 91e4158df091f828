#include "shell/PrintMults.h"

#include "shell/FileNameList.h"

namespace {

constexpr const char* kDashes = "------------------------------------------------------------------------------";
constexpr const char* kNoParts = "***No Parts Listed***";

} // namespace

std::vector<std::string> ReportFileNames(const std::string& list)
{
    const CFileNameList names(list);
    std::vector<std::string> files;
    for (CFileNameList::Position pos = names.GetHeadPosition(); pos;)
        files.push_back(names.GetNext(pos));
    return files;
}

CPrintMults::CPrintMults(PrinterChooser& printers, ReportSource& source) : CPrintManager(printers), source_(source) {}

std::string CPrintMults::Title(PrintMode mode, const MultPrintOptions& options)
{
    const bool custom = mode == PrintMode::custom;
    std::string title = custom ? "Mults [Custom: " : "Mults [Standard: ";
    if (options.coverPage)
        title += 'A';
    if (options.multInformation)
        title += 'B';
    if (custom && options.attachedParts)
        title += 'C';
    return title + "]";
}

void CPrintMults::Print(PrintMode mode, const MultPrintOptions& options, const std::string& list)
{
    if (options.cancelled)
        return;
    SetTitle(Title(mode, options));
    if (!SetupPrinter())
        return;
    const std::vector<std::string> files = ReportFileNames(list);
    if (options.coverPage)
        PrintMultDirectory(files);
    if (options.multInformation)
        PrintMultInfo(files, mode == PrintMode::custom && options.attachedParts);
    PrintLine(kEndMark);
}

std::optional<MultReportData> CPrintMults::Read(const std::string& path)
{
    std::optional<MultReportData> mult = source_.ReadMult(path);
    if (!mult)
        ReportUnreadableFile("Mult", path);
    return mult;
}

void CPrintMults::PrintDirectoryHeadings()
{
    PrintLine("JOBID      GROUP       MARK    SEQ    LENGTH         SHAPE");
    PrintLine("-----      -----       ----    ---    ------         -----");
}

void CPrintMults::PrintMultDirectory(const std::vector<std::string>& files)
{
    if (files.empty())
        return;
    SetLineNumber(0);
    PrintDirectoryHeadings();
    for (const std::string& path : files) {
        if (LineNumber() == kLinesPerPage) {
            RequestNewPage();
            PrintDirectoryHeadings();
        }
        const std::optional<MultReportData> mult = Read(path);
        if (!mult)
            continue;
        ClearLine();
        Put(0, mult->job);
        Put(11, mult->group);
        Put(23, mult->mark);
        Put(31, mult->sequence);
        Put(38, mult->lengthText);
        Put(53, mult->shapeType + mult->shapeSize);
        PrintComposed();
    }
    RequestNewPage();
}

void CPrintMults::PrintMultInfo(const std::vector<std::string>& files, bool attachedParts)
{
    if (files.empty())
        return;
    SetLineNumber(0);
    for (const std::string& path : files) {
        const std::optional<MultReportData> mult = Read(path);
        if (!mult)
            continue;
        const auto line = [this](const char* label, const std::string& value, std::size_t rightAt,
                                 const char* rightLabel, const std::string& rightValue) {
            ClearLine();
            Put(5, label);
            Put(14, value);
            if (rightLabel) {
                Put(rightAt, rightLabel);
                Put(41, rightValue);
            }
            PrintComposed();
        };
        line("JOBID: ", mult->job, 33, "LENGTH: ", mult->lengthText);
        line("GROUP: ", mult->group, 35, "KERF: ", mult->kerfText);
        line("MARK: ", mult->mark, 35, "DROP: ", mult->dropText);
        ClearLine();
        Put(5, "SEQ: ");
        Put(14, mult->sequence);
        Put(34, "SHAPE: ");
        Put(41, mult->shapeType);
        Put(44, mult->shapeSize);
        PrintComposed();
        line("QNT: ", std::to_string(mult->quantity), 34, "GRADE: ", mult->grade);
        line("MACHINE: ", mult->machine, 0, nullptr, {});
        line("REMARKS: ", mult->remarkA, 0, nullptr, {});
        ClearLine();
        Put(14, mult->remarkB);
        PrintComposed();
        PrintToolSummary(*mult);
        if (attachedParts) {
            ClearLine();
            Put(27, kMarker);
            PrintComposed();
            PrintLine(" ");
            PrintAttachedParts(*mult);
        }
        PrintLine(kDashes);
        PrintLine(" ");
    }
    RequestNewPage();
}

void CPrintMults::PrintToolSummary(const MultReportData& mult)
{
    if (mult.parts.empty()) {
        PrintLine(kNoParts);
        PrintLine(" ");
        return;
    }
    ToolColumns columns;
    for (const MultReportPart& part : mult.parts)
        for (const ReportTool& tool : part.tools)
            AddTool(columns, tool, true);
    CPrintManager::PrintToolSummary(columns);
    PrintLine(" ");
}

void CPrintMults::PrintAttachedParts(const MultReportData& mult)
{
    if (mult.parts.empty())
        PrintLine(kNoParts);
    for (const MultReportPart& part : mult.parts) {
        ClearLine();
        Put(5, "JOBID: ");
        Put(14, part.job);
        Put(33, "GROUP: ");
        Put(40, part.group);
        Put(51, "MARK: ");
        Put(57, part.mark);
        Put(68, "QTY: ");
        Put(73, part.quantity);
        PrintComposed();
        ClearLine();
        Put(5, "LENGTH: ");
        Put(14, part.lengthText);
        PrintComposed();
        ClearLine();
        Put(5, "REMARKS: ");
        Put(14, part.remarkA);
        PrintComposed();
        if (!part.remarkB.empty()) {
            ClearLine();
            Put(14, part.remarkB);
            PrintComposed();
        }
        PrintLine(" ");
    }
    PrintLine(" ");
}

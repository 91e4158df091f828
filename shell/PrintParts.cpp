#include "shell/PrintParts.h"

#include "shell/PrintMults.h"

CPrintParts::CPrintParts(PrinterChooser& printers, ReportSource& source) : CPrintManager(printers), source_(source) {}

std::string CPrintParts::Title(PrintMode mode, const PartPrintOptions& o)
{
    const bool custom = mode == PrintMode::custom;
    std::string title = custom ? "Parts [Custom: " : "Parts [Standard: ";
    const std::pair<int, char> letters[] = {{o.coverPage, 'A'},
                                            {o.partInformation, 'B'},
                                            {custom ? o.refPlanesAndPatterns : 0, 'C'},
                                            {custom ? o.holes : 0, 'D'},
                                            {custom ? o.operationDetailsImperial : 0, 'E'},
                                            {custom ? o.operationDetailsMetric : 0, 'F'}};
    for (const auto& [on, letter] : letters)
        if (on)
            title += letter;
    return title + "]";
}

void CPrintParts::Print(PrintMode mode, const PartPrintOptions& options, const std::string& list)
{
    const std::vector<std::string> files = ReportFileNames(list);
    if (options.cancelled || (mode == PrintMode::custom && files.empty()))
        return;
    SetTitle(Title(mode, options));
    if (!SetupPrinter())
        return;
    if (options.coverPage)
        PrintPartDirectory(files);
    if (options.partInformation)
        PrintPartInfo(files);
    if (mode == PrintMode::custom) {
        if (options.refPlanesAndPatterns || options.holes)
            PrintPatternInfo(files, options.refPlanesAndPatterns != 0, options.holes != 0);
        if (options.operationDetailsImperial)
            PrintOperationDetails(files, 0);
        if (options.operationDetailsMetric)
            PrintOperationDetails(files, 2);
    }
    PrintLine(kEndMark);
}

std::optional<PartReportData> CPrintParts::Read(const std::string& path)
{
    std::optional<PartReportData> part = source_.ReadPart(path);
    if (!part)
        ReportUnreadableFile("Part", path);
    return part;
}

void CPrintParts::PrintPartDirectory(const std::vector<std::string>& files)
{
    if (files.empty())
        return;
    const auto headings = [this] {
        PrintLine("JOBID      GROUP       MARK    QNT    LENGTH         SHAPE");
        PrintLine("-----      -----       ----    ---    ------         -----");
    };
    SetLineNumber(0);
    headings();
    for (const std::string& path : files) {
        if (LineNumber() == kLinesPerPage) {
            RequestNewPage();
            headings();
        }
        const std::optional<PartReportData> part = Read(path);
        if (!part)
            continue;
        ClearLine();
        Put(0, part->job);
        Put(11, part->group);
        Put(23, part->mark);
        Put(31, part->quantity);
        Put(38, part->lengthText);
        Put(53, part->shapeType + part->shapeSize);
        PrintComposed();
    }
    RequestNewPage();
}

void CPrintParts::StartSection()
{
    SetLineNumber(0);
    partsOnPage_ = 0;
    ClearPageStarted();
}

void CPrintParts::BeforePart()
{
    if (PageStarted()) {
        ClearPageStarted();
        partsOnPage_ = 1;
    } else {
        ++partsOnPage_;
    }
    if (LineNumber() > 44 || partsOnPage_ > 5) {
        partsOnPage_ = 0;
        RequestNewPage();
    }
}

std::optional<PartReportData> CPrintParts::PrintPartHeader(const std::string& path)
{
    std::optional<PartReportData> part = Read(path);
    if (!part)
        return part;
    const PartReportData& p = *part;
    ClearLine();
    Put(5, "JOBID: ");
    Put(14, p.job);
    Put(30, "QNT: ");
    Put(35, p.quantity);
    Put(51, "MWD: ");
    Put(56, p.measureWebDepth != 0 ? "Y" : "N");
    PrintComposed();
    ClearLine();
    Put(5, "GROUP: ");
    Put(14, p.group);
    Put(27, "LENGTH: ");
    Put(35, p.lengthText);
    PrintComposed();
    ClearLine();
    Put(5, "MARK ");
    Put(14, p.mark);
    Put(25, "FAB CODE: ");
    Put(35, p.fabCode);
    Put(47, "CHANLEG: ");
    Put(56, p.channelLeg != 0 ? "N" : "F");
    PrintComposed();
    ClearLine();
    Put(5, "SHAPE: ");
    Put(14, p.shapeType + p.shapeSize);
    Put(49, "GRADE: ");
    Put(56, p.grade);
    PrintComposed();
    ClearLine();
    Put(5, "REMARKS: ");
    Put(14, p.remarkA);
    PrintComposed();
    ClearLine();
    Put(14, p.remarkB);
    PrintComposed();

    ToolColumns columns;
    for (const ReportTool& tool : p.tools)
        AddTool(columns, tool, false);
    PrintToolSummary(columns);
    PrintLine(" ");
    ClearLine();
    Put(27, kMarker);
    PrintComposed();
    PrintLine(" ");
    return part;
}

void CPrintParts::PrintPartInfo(const std::vector<std::string>& files)
{
    StartSection();
    for (const std::string& path : files) {
        BeforePart();
        PrintPartHeader(path);
    }
    RequestNewPage();
}

void CPrintParts::PrintPatternInfo(const std::vector<std::string>& files, bool patterns, bool holes)
{
    StartSection();
    for (const std::string& path : files) {
        BeforePart();
        const std::optional<PartReportData> part = PrintPartHeader(path);
        if (!part)
            continue;
        if (patterns)
            PrintPatternDetail(*part);
        if (holes)
            PrintHoleInformation(*part);
    }
    RequestNewPage();
}

void CPrintParts::PrintOperationDetails(const std::vector<std::string>& files, int system)
{
    StartSection();
    for (const std::string& path : files) {
        BeforePart();
        if (const std::optional<PartReportData> part = PrintPartHeader(path))
            PrintOperationDetail(*part, system);
    }
    RequestNewPage();
}

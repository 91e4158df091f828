#pragma once
// The standard and custom part printouts: A, a directory of the parts; B, each part's header
// block with its tools; and in the custom printout C, the reference planes and patterns of each
// face; D, the hole positions; E and F, the operation details in imperial and metric units. A part
// file that can't be read is named and left out; the report goes on.

#include "partprog/PartPrintOptions.h"
#include "shell/NavServices.h"
#include "shell/PrintManager.h"
#include "shell/ReportData.h"

class CPrintParts : public CPrintManager {
public:
    CPrintParts(PrinterChooser& printers, ReportSource& source);

    // "Parts [Standard: AB]" or "Parts [Custom: ABCDEF]" from the options chosen.
    static std::string Title(PrintMode mode, const PartPrintOptions& options);
    // The whole printout of a '|' list with the options the dialog gave; nothing when cancelled.
    void Print(PrintMode mode, const PartPrintOptions& options, const std::string& list);

    void PrintPartDirectory(const std::vector<std::string>& files);
    void PrintPartInfo(const std::vector<std::string>& files);
    // Per part: the header block, then the reference plane and pattern body (patterns), then the
    // hole information (holes).
    void PrintPatternInfo(const std::vector<std::string>& files, bool patterns, bool holes);
    // Per part: the header block and the operation details in a measuring system (0 imperial,
    // 2 metric).
    void PrintOperationDetails(const std::vector<std::string>& files, int system);

    // The bodies, on one part (PartReportBody.cpp).
    void PrintPatternDetail(const PartReportData& part);
    void PrintHoleInformation(const PartReportData& part);
    void PrintOperationDetail(const PartReportData& part, int system);

private:
    enum class Body { patternDetail, holes, operations };

    std::optional<PartReportData> Read(const std::string& path);
    // Before each part: a new page when more than 44 lines are used or five parts stand on it.
    void StartSection();
    void BeforePart();
    // The header block of one part; nothing (and no part) when it can't be read.
    std::optional<PartReportData> PrintPartHeader(const std::string& path);

    // The frame shared by the bodies: each face's label, its patterns, the separator.
    void PrintFaces(const PartReportData& part, Body body, int system);
    void PrintPatternLines(const PartReportData& part, int face, const ReportPattern& pattern, Body body, int system);
    void PrintHoleLine(const PartReportData& part, int face, const ReportPattern& pattern,
                       const std::array<double, 2>& at, int system);
    void PrintOperationLine(const PartReportData& part, int face, const std::array<double, 2>& at, int system);
    void PutLength(std::size_t column, double inches, int system);

    ReportSource& source_;
    int partsOnPage_ = 0;
};

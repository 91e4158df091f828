#pragma once
// Reads the files of a report through windowless part and mult documents of its own, so the
// user's open windows and their unsaved edits are never touched. Silent: the report names the
// files it could not read.

#include "shell/ReportData.h"

class CPartDoc;
class CMultDoc;

class DocumentReportSource : public ReportSource {
public:
    std::optional<PartReportData> ReadPart(const std::string& path) override;
    std::optional<MultReportData> ReadMult(const std::string& path) override;

    static PartReportData FromPart(const CPartDoc& part);
    static MultReportData FromMult(CMultDoc& mult);
};

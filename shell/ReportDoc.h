#pragma once
// The document of a report window: one folder listed as files, as a part report or as a mult
// report, and the order of its rows. It is never saved; closing it asks nothing. Its title names
// the report and the folder.

#include "fw/core/Document.h"
#include "shell/ReportLister.h"

class CReportDoc : public fw::Document {
    FW_DECLARE_DYNAMIC(CReportDoc)
public:
    // What changed, for the views.
    enum Hint : long { hintFilled = 1, hintSorted = 2 };

    // Lists the folder (a final '\' dropped, a drive root keeps it) as the kind; the folders set
    // in Options tell jobs, groups, machines, tools and shapes apart.
    void Fill(ReportKind kind, const std::string& folder, DirectorySettings folders);
    // Sorts by a column, reversing the direction shared by all report windows.
    void SortBy(int column);

    ReportKind Kind() const { return kind_; }
    const std::string& Folder() const { return folder_; }
    const DirectorySettings& Folders() const { return folders_; }
    const std::vector<ReportRow>& Rows() const { return rows_; }
    std::string PathOf(std::size_t row) const;

    bool SaveModified() override { return true; }
    void DeleteContents() override;

    // "Part Report - C:\Kestrom\Jobs\J1\G1".
    static std::string TitleOf(ReportKind kind, const std::string& folder);

private:
    ReportKind kind_ = ReportKind::files;
    std::string folder_;
    DirectorySettings folders_;
    std::vector<ReportRow> rows_;
};

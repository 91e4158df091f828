#include "shell/ReportDoc.h"

#include "fw/core/WinPath.h"

FW_IMPLEMENT_DYNAMIC(CReportDoc, fw::Document)

namespace {

std::string WithoutFinalSlash(std::string folder)
{
    while (folder.size() > 3 && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

} // namespace

void CReportDoc::Fill(ReportKind kind, const std::string& folder, DirectorySettings folders)
{
    kind_ = kind;
    folder_ = WithoutFinalSlash(folder);
    folders_ = std::move(folders);
    rows_ = ListReport(kind_, folder_);
    SetTitle(TitleOf(kind_, folder_));
    UpdateAllViews(nullptr, hintFilled);
}

void CReportDoc::SortBy(int column)
{
    SortReportRows(rows_, kind_, column, ReportSortDirection::Toggle());
    UpdateAllViews(nullptr, hintSorted);
}

std::string CReportDoc::PathOf(std::size_t row) const
{
    return fw::WinPath::Join(folder_, rows_.at(row).name);
}

void CReportDoc::DeleteContents()
{
    rows_.clear();
}

std::string CReportDoc::TitleOf(ReportKind kind, const std::string& folder)
{
    switch (kind) {
    case ReportKind::parts: return "Part Report - " + folder;
    case ReportKind::mults: return "Mult Report - " + folder;
    default: return "Files - " + folder;
    }
}

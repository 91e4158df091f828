#pragma once
// The rows of a report window: one folder listed as files (name, size, date), as a part report
// (each part file's header) or as a mult report (each mult file's header and its usage). Headers
// are read straight from the files, so listing never opens, closes or changes a document.
// Also the rows' order, the '|' list of the selected rows and the kind of item a path names.

#include "shell/NavServices.h"
#include "shell/OptionSettings.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

struct MultRecord;
struct PartRecord;

struct ReportRow {
    std::string name;
    std::uint64_t size = 0;      // files: bytes
    std::int64_t modified = 0;   // files: last write, seconds since 1970
    std::string job, group;
    std::int64_t quantity = 0;
    std::string shape, grade;
    std::int64_t sequence = 0;   // mults
    std::string machine;         // mults
    double kerf = 0;             // mults, inches
    double length = 1.0;         // parts: length; mults: stock length (inches)
    float usage = 0;             // mults: percent of the stock used
    int icon = 0;                // files: the icon of the extension
    std::vector<std::string> texts;   // the column texts
};

struct ReportColumn {
    const char* title;
    int width;
    bool centred;
};
const std::vector<ReportColumn>& ReportColumns(ReportKind kind);

// The rows of a folder in the order the folder lists them; a folder that can't be listed gives
// none. Part and mult files whose header can't be read show their name and empty fields.
std::vector<ReportRow> ListReport(ReportKind kind, const std::string& folder);

// Row builders from a header (mult usage from the stock length and the drop).
ReportRow PartReportRow(const std::string& name, const PartRecord& part);
ReportRow MultReportRow(const std::string& name, const MultRecord& mult);
// The header fields at the start of a part or mult file; nothing when they can't be read.
std::optional<PartRecord> ReadPartHeader(const std::string& path);
std::optional<MultRecord> ReadMultHeader(const std::string& path);

// "12/31/26 (1:05p)": month, day, two-digit year, 12-hour clock.
std::string FormatReportDate(const std::tm& time);
// "<n> BYTES", empty for 0 (folders).
std::string FormatReportSize(std::uint64_t size);
// Icons of the file list by extension (exact case): none 0, .prt 1, .mlt 2, .shp 3, .mch 4, .tl 5.
int ReportFileIcon(const std::string& name);

// Three-way order of two rows by a column of the kind (texts ignoring case); columns beyond the
// kind's compare equal; a usage that is not a number comes first.
int CompareReportRows(ReportKind kind, const ReportRow& a, const ReportRow& b, int column);
// Stable sort by a column, equal rows keeping their order.
void SortReportRows(std::vector<ReportRow>& rows, ReportKind kind, int column, bool ascending);

// The process-wide direction of the report windows' column sorts: every click reverses it,
// whichever column or window; the first click sorts ascending.
class ReportSortDirection {
public:
    // Reverses the direction; true when the sort is now ascending.
    static bool Toggle();
    static void Reset();
};

// folder + "\" + name + "|" for every name; always a '|' list, even of one name.
std::string SelectedPathList(const std::string& folder, const std::vector<std::string>& names);

// What a path names, by its place among the folders set in Options.
enum class ReportItem { part, mult, job, group, machine, tool, shape, other };
ReportItem ClassifyReportPath(const std::string& path, const DirectorySettings& folders);
// The context submenu of an item: 0 Parts, 1 Mults, 2 Jobs, 3 Groups, 4 Machines, 5 Tools, 6 Shapes.
int ReportMenuIndex(ReportItem item);
// The drag format of an item ("BRAXPartListCF"...); empty for items that are not dragged.
std::string ReportDragFormat(ReportItem item);

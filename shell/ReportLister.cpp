#include "shell/ReportLister.h"

#include "fw/core/Archive.h"
#include "fw/core/DriveMap.h"
#include "fw/core/FileHead.h"
#include "fw/core/FileSystem.h"
#include "fw/core/PathListFormats.h"
#include "fw/core/Text1252.h"
#include "fw/core/WinPath.h"
#include "records/MultRecord.h"
#include "records/PartRecord.h"

#include <algorithm>
#include <chrono>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

// The header fields of a part or mult file usually stand within this many bytes (more is read
// when its texts are longer).
constexpr std::size_t kHeaderBytes = 4096;

const std::vector<ReportColumn> kFileColumns = {{"Name", 150, false}, {"Size", 150, false}, {"Last Modified", 150, false}};
const std::vector<ReportColumn> kPartColumns = {{"NAME", 150, true},    {"JOBID", 100, true}, {"GROUP", 100, true},
                                                {"QUANTITY", 65, true}, {"LENGTH", 65, true}, {"SHAPE", 65, true},
                                                {"GRADE", 75, true}};
const std::vector<ReportColumn> kMultColumns = {
    {"NAME", 150, true},  {"JOBID", 100, true}, {"GROUP", 100, true}, {"SEQ", 50, true},
    {"LENGTH", 65, true}, {"QUANTITY", 65, true}, {"KERF", 65, true}, {"SHAPE", 65, true},
    {"GRADE", 65, true},  {"MACHINE", 65, true}, {"% USAGE", 65, true}};

std::string GradeText(const std::string& grade)
{
    return grade.empty() ? "NONE" : grade;
}

std::string ShapeText(const std::string& type, const std::string& size)
{
    return type + " " + size;
}

template <class T> int Order(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int OrderText(const std::string& a, const std::string& b)
{
    const int order = fw::CompareNoCase1252(a, b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int OrderUsage(float a, float b)
{
    if (std::isnan(a) || std::isnan(b))
        return Order(!std::isnan(a), !std::isnan(b));
    return Order(a, b);
}

int CompareFileRows(const ReportRow& a, const ReportRow& b, int column)
{
    switch (column) {
    case 0: return OrderText(a.name, b.name);
    case 1: return Order(a.size, b.size);
    case 2: return Order(a.modified, b.modified);
    default: return 0;
    }
}

int ComparePartRows(const ReportRow& a, const ReportRow& b, int column)
{
    switch (column) {
    case 0: return OrderText(a.name, b.name);
    case 1: return OrderText(a.job, b.job);
    case 2: return OrderText(a.group, b.group);
    case 3: return Order(a.quantity, b.quantity);
    case 4: return Order(a.length, b.length);
    case 5: return OrderText(a.shape, b.shape);
    case 6: return OrderText(a.grade, b.grade);
    default: return 0;
    }
}

int CompareMultRows(const ReportRow& a, const ReportRow& b, int column)
{
    switch (column) {
    case 0: return OrderText(a.name, b.name);
    case 1: return OrderText(a.job, b.job);
    case 2: return OrderText(a.group, b.group);
    case 3: return Order(a.sequence, b.sequence);
    case 4: return Order(a.length, b.length);
    case 5: return Order(a.quantity, b.quantity);
    case 6: return Order(a.kerf, b.kerf);
    case 7: return OrderText(a.shape, b.shape);
    case 8: return OrderText(a.grade, b.grade);
    case 9: return OrderText(a.machine, b.machine);
    case 10: return OrderUsage(a.usage, b.usage);
    default: return 0;
    }
}

ReportRow FileRow(const std::string& folder, const std::string& name)
{
    ReportRow row;
    row.name = name;
    row.icon = ReportFileIcon(name);
    std::error_code error;
    const std::filesystem::path native = fw::DriveMap::Instance().ToNative(fw::WinPath::Join(folder, name));
    if (std::filesystem::is_regular_file(native, error))
        row.size = std::filesystem::file_size(native, error);
    if (error)
        row.size = 0;
    const auto written = std::filesystem::last_write_time(native, error);
    std::tm local{};
    if (!error) {
        const auto system = std::chrono::file_clock::to_sys(written);
        row.modified = std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
        const std::time_t t = static_cast<std::time_t>(row.modified);
        if (!localtime_r(&t, &local))
            error = std::make_error_code(std::errc::value_too_large);
    }
    if (error) {
        local = std::tm{};
        local.tm_mon = -1;
        local.tm_year = -1900;
        local.tm_hour = -1;
        local.tm_min = -1;
    }
    row.texts = {name, FormatReportSize(row.size), FormatReportDate(local)};
    return row;
}

} // namespace

const std::vector<ReportColumn>& ReportColumns(ReportKind kind)
{
    switch (kind) {
    case ReportKind::parts: return kPartColumns;
    case ReportKind::mults: return kMultColumns;
    default: return kFileColumns;
    }
}

std::optional<PartRecord> ReadPartHeader(const std::string& path)
{
    try {
        PartRecord part;
        fw::ReadFileHead(path, kHeaderBytes, [&part](fw::Archive& ar) {
            part = PartRecord();
            ar >> part.jobId >> part.group >> part.mark;
            part.quantity = std::uint32_t(ar.ReadLong());
            part.length.Serialize(ar);
            ar >> part.shapeDesctp >> part.shapeDesc >> part.grade;
        });
        return part;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<MultRecord> ReadMultHeader(const std::string& path)
{
    try {
        MultRecord mult;
        fw::ReadFileHead(path, kHeaderBytes, [&mult](fw::Archive& ar) {
            mult = MultRecord();
            ar >> mult.job >> mult.group >> mult.mark;
            mult.sequence = std::uint32_t(ar.ReadLong());
            mult.quantity = std::uint32_t(ar.ReadLong());
            mult.length.Serialize(ar);
            mult.kerf.Serialize(ar);
            ar >> mult.shapeDesctp >> mult.shapeDesc >> mult.grade >> mult.machine >> mult.remarkA >> mult.remarkB;
            mult.drop.Serialize(ar);
        });
        return mult;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

ReportRow PartReportRow(const std::string& name, const PartRecord& part)
{
    ReportRow row;
    row.name = name;
    row.job = part.jobId;
    row.group = part.group;
    row.quantity = part.quantity;
    row.shape = ShapeText(part.shapeDesctp, part.shapeDesc);
    row.grade = GradeText(part.grade);
    row.length = part.length.GetValue();
    row.texts = {name, row.job, row.group, std::to_string(part.quantity), part.length.GetString(), row.shape, row.grade};
    return row;
}

ReportRow MultReportRow(const std::string& name, const MultRecord& mult)
{
    ReportRow row;
    row.name = name;
    row.job = mult.job;
    row.group = mult.group;
    row.sequence = mult.sequence;
    row.quantity = mult.quantity;
    row.kerf = mult.kerf.GetValue();
    row.shape = ShapeText(mult.shapeDesctp, mult.shapeDesc);
    row.grade = GradeText(mult.grade);
    row.machine = mult.machine;
    row.length = mult.length.GetValue();
    const float drop = float(mult.drop.GetValue());
    const float stock = float(row.length);
    row.usage = 100.0f - 100.0f * (drop / stock);
    char usage[64];
    std::snprintf(usage, sizeof usage, "%2.2f", double(row.usage));
    row.texts = {name,       row.job, row.group, std::to_string(mult.sequence), mult.length.GetString(),
                 std::to_string(mult.quantity), mult.kerf.GetString(), row.shape, row.grade, row.machine, usage};
    return row;
}

namespace {

// A file whose header can't be read: its name and empty fields.
ReportRow UnreadRow(ReportKind kind, const std::string& name)
{
    ReportRow row;
    row.name = name;
    row.length = kind == ReportKind::parts ? 1.0 : 0.0;
    row.texts.assign(ReportColumns(kind).size(), std::string());
    row.texts[0] = name;
    return row;
}

} // namespace

std::vector<ReportRow> ListReport(ReportKind kind, const std::string& folder)
{
    const char* pattern = kind == ReportKind::parts ? "*.prt" : (kind == ReportKind::mults ? "*.mlt" : "*.*");
    std::vector<std::string> names;
    try {
        names = fw::FileSystem::List(fw::WinPath::Join(folder, pattern),
                                     kind == ReportKind::files ? fw::FileSystem::filesAndFolders : fw::FileSystem::files);
    } catch (const std::exception&) {
        return {};
    }
    std::vector<ReportRow> rows;
    rows.reserve(names.size());
    for (const std::string& name : names) {
        const std::string path = fw::WinPath::Join(folder, name);
        if (kind == ReportKind::files) {
            rows.push_back(FileRow(folder, name));
        } else if (kind == ReportKind::parts) {
            const std::optional<PartRecord> part = ReadPartHeader(path);
            rows.push_back(part ? PartReportRow(name, *part) : UnreadRow(kind, name));
        } else {
            const std::optional<MultRecord> mult = ReadMultHeader(path);
            rows.push_back(mult ? MultReportRow(name, *mult) : UnreadRow(kind, name));
        }
    }
    return rows;
}

std::string FormatReportDate(const std::tm& t)
{
    int hour = t.tm_hour;
    char half = 'a';
    if (hour == 0) {
        hour = 12;
    } else if (hour == 12) {
        half = 'p';
    } else if (hour > 12) {
        hour -= 12;
        half = 'p';
    }
    char text[64];
    std::snprintf(text, sizeof text, "%d/%02d/%02d (%d:%02d%c)", t.tm_mon + 1, t.tm_mday, (t.tm_year + 1900) % 100,
                  hour, t.tm_min, half);
    return text;
}

std::string FormatReportSize(std::uint64_t size)
{
    return size > 0 ? std::to_string(size) + " BYTES" : std::string();
}

int ReportFileIcon(const std::string& name)
{
    static constexpr std::array<const char*, 5> kExtensions = {".prt", ".mlt", ".shp", ".mch", ".tl"};
    const std::string_view extension = fw::WinPath::Extension(name);
    for (std::size_t i = 0; i < kExtensions.size(); ++i)
        if (extension == kExtensions[i])
            return int(i) + 1;
    return 0;
}

int CompareReportRows(ReportKind kind, const ReportRow& a, const ReportRow& b, int column)
{
    switch (kind) {
    case ReportKind::files: return CompareFileRows(a, b, column);
    case ReportKind::parts: return ComparePartRows(a, b, column);
    case ReportKind::mults: return CompareMultRows(a, b, column);
    }
    return 0;
}

void SortReportRows(std::vector<ReportRow>& rows, ReportKind kind, int column, bool ascending)
{
    std::stable_sort(rows.begin(), rows.end(), [&](const ReportRow& a, const ReportRow& b) {
        const int order = CompareReportRows(kind, a, b, column);
        return ascending ? order < 0 : order > 0;
    });
}

namespace {
bool g_descending = true;
}

bool ReportSortDirection::Toggle()
{
    g_descending = !g_descending;
    return !g_descending;
}

void ReportSortDirection::Reset()
{
    g_descending = true;
}

std::string SelectedPathList(const std::string& folder, const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += fw::WinPath::Join(folder, name) + "|";
    return list;
}

namespace {

// The path without its drive ("C:\Kestrom\Jobs" -> "\Kestrom\Jobs"), without a final '\'.
std::string_view WithoutDrive(std::string_view path)
{
    if (path.size() >= 2 && path[1] == ':')
        path.remove_prefix(2);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return path;
}

bool SameFolder(std::string_view a, std::string_view b)
{
    return fw::EqualsNoCase1252(WithoutDrive(a), WithoutDrive(b));
}

} // namespace

ReportItem ClassifyReportPath(const std::string& path, const DirectorySettings& folders)
{
    const std::string_view parent = fw::WinPath::Folder(path);
    if (SameFolder(parent, folders.machineFolder))
        return ReportItem::machine;
    if (SameFolder(parent, folders.toolFolder))
        return ReportItem::tool;
    if (SameFolder(parent, folders.shapeFolder))
        return ReportItem::shape;
    const std::string_view jobs = folders.jobFolder;
    if (SameFolder(parent, jobs))
        return ReportItem::job;
    const std::string_view grandParent = fw::WinPath::Folder(parent);
    if (!grandParent.empty() && SameFolder(grandParent, jobs))
        return ReportItem::group;
    const std::string_view greatGrandParent = fw::WinPath::Folder(grandParent);
    if (!greatGrandParent.empty() && SameFolder(greatGrandParent, jobs))
        return fw::EqualsNoCase1252(fw::WinPath::Extension(path), ".prt") ? ReportItem::part : ReportItem::mult;
    return ReportItem::other;
}

int ReportMenuIndex(ReportItem item)
{
    switch (item) {
    case ReportItem::part: return 0;
    case ReportItem::mult: return 1;
    case ReportItem::job: return 2;
    case ReportItem::machine: return 4;
    case ReportItem::tool: return 5;
    case ReportItem::shape: return 6;
    default: return 3;
    }
}

std::string ReportDragFormat(ReportItem item)
{
    switch (item) {
    case ReportItem::part: return fw::FormatName(fw::PathListFormat::parts);
    case ReportItem::mult: return fw::FormatName(fw::PathListFormat::mults);
    case ReportItem::job: return fw::FormatName(fw::PathListFormat::jobs);
    case ReportItem::group: return fw::FormatName(fw::PathListFormat::groups);
    default: return {};
    }
}

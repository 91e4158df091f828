#include "shell/PrintManager.h"

#include "fw/core/MessageService.h"

#include <algorithm>

namespace {

constexpr std::size_t kLineLength = CPrintManager::kBufferSize - 1;

struct ColumnsOfCode {
    int code;
    std::array<int, 2> columns;   // -1: none
};
constexpr std::array<ColumnsOfCode, 9> kToolColumns{{
    {0x11, {CPrintManager::web, -1}},
    {0x12, {CPrintManager::web, -1}},
    {0x13, {CPrintManager::web, -1}},
    {0x22, {CPrintManager::tfNear, -1}},
    {0x21, {CPrintManager::tfFar, -1}},
    {0x23, {CPrintManager::tfNear, CPrintManager::tfFar}},
    {0x32, {CPrintManager::bfNear, -1}},
    {0x31, {CPrintManager::bfFar, -1}},
    {0x33, {CPrintManager::bfNear, CPrintManager::bfFar}},
}};

bool HoldsShortName(const std::vector<ReportTool>& column, const std::string& shortName)
{
    return std::any_of(column.begin(), column.end(), [&](const ReportTool& t) { return t.shortName == shortName; });
}

} // namespace

CPrintManager::CPrintManager(PrinterChooser& printers) : printers_(printers) {}

CPrintManager::~CPrintManager() = default;

bool CPrintManager::SetupPrinter()
{
    PrinterChooser::Choice choice = printers_.Choose(title_);
    if (!choice.sink) {
        cancelled_ = true;
        if (!choice.cancelled)
            fw::ShowMessage("The report cannot be printed: " +
                                (choice.error.empty() ? std::string("no printer is available.") : choice.error),
                            fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    cancelled_ = false;
    sink_ = std::move(choice.sink);
    return true;
}

void CPrintManager::PrintLine(const std::string& text)
{
    if (!sink_)
        return;
    const bool endMark = text == kEndMark;
    if (endMark) {
        // The end mark follows the last line on its page; without a page nothing is drawn.
        if (pageOpen_) {
            sink_->DrawLine(lineNumber_ + 1, " ");
            sink_->DrawLine(lineNumber_ + 2, kEndMark);
            sink_->EndPage();
            pageOpen_ = false;
        }
        sink_->EndDocument();
        sink_.reset();
        return;
    }
    // A section that starts over at line 0 never writes over the open page.
    if (!pageOpen_ || newPageRequest_ || lineNumber_ >= kLinesPerPage || lineNumber_ == 0)
        StartPage();
    ++lineNumber_;
    sink_->DrawLine(lineNumber_, text);
}

void CPrintManager::StartPage()
{
    if (pageOpen_)
        sink_->EndPage();
    pageStarted_ = true;
    newPageRequest_ = false;
    sink_->StartPage();
    pageOpen_ = true;
    ++pageNumber_;
    DrawHeader();
    sink_->DrawLine(2, " ");
    lineNumber_ = 2;
}

void CPrintManager::DrawHeader()
{
    const std::array<char, kBufferSize> body = buffer_;
    ClearLine();
    Put(1, std::string_view(title_).substr(0, 69));
    Put(70, "Page: ");
    Put(76, pageNumber_);
    FinishLine();
    sink_->DrawLine(1, LineText());
    buffer_ = body;
}

void CPrintManager::ClearLine()
{
    buffer_.fill('\0');
}

void CPrintManager::Put(std::size_t column, std::string_view text)
{
    if (column >= kBufferSize)
        return;
    const std::size_t room = kBufferSize - column;
    const std::size_t n = std::min(text.size(), room);
    std::copy_n(text.begin(), n, buffer_.begin() + std::ptrdiff_t(column));
    if (n < room)
        buffer_[column + n] = '\0';
}

void CPrintManager::Put(std::size_t column, long long number)
{
    Put(column, std::to_string(number));
}

void CPrintManager::FinishLine()
{
    std::replace(buffer_.begin(), buffer_.begin() + kLineLength, '\0', ' ');
    buffer_[kLineLength] = '\0';
}

std::string CPrintManager::LineText() const
{
    std::string text(buffer_.data(), kLineLength);
    text.resize(std::min(text.find('\0'), text.size()));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

void CPrintManager::PrintComposed()
{
    FinishLine();
    PrintLine(LineText());
}

void CPrintManager::AddTool(ToolColumns& columns, const ReportTool& tool, bool unique)
{
    const auto entry = std::find_if(kToolColumns.begin(), kToolColumns.end(),
                                    [&](const ColumnsOfCode& c) { return c.code == tool.code; });
    if (entry == kToolColumns.end())
        return;
    for (int column : entry->columns) {
        if (column < 0)
            continue;
        std::vector<ReportTool>& list = columns[std::size_t(column)];
        if (!unique || !HoldsShortName(list, tool.shortName))
            list.push_back(tool);
    }
}

void CPrintManager::PrintToolSummary(ToolColumns& columns)
{
    // Rows of up to three columns, each printing its next tool at its column.
    const auto printRows = [this, &columns](std::initializer_list<std::pair<ToolColumn, std::size_t>> row) {
        std::array<std::size_t, columnCount> next{};
        for (;;) {
            bool any = false;
            ClearLine();
            for (const auto& [column, at] : row) {
                if (next[column] < columns[column].size()) {
                    Put(at, columns[column][next[column]++].description);
                    any = true;
                }
            }
            if (!any)
                break;
            PrintComposed();
        }
    };
    ClearLine();
    Put(5, "WEB");
    Put(31, "TF NEAR");
    Put(58, "BF NEAR");
    PrintComposed();
    printRows({{web, 1}, {tfNear, 27}, {bfNear, 53}});
    ClearLine();
    Put(31, "TF FAR");
    Put(58, "BF FAR");
    PrintComposed();
    printRows({{tfFar, 27}, {bfFar, 53}});
    for (std::vector<ReportTool>& column : columns)
        column.clear();
}

void CPrintManager::ReportUnreadableFile(const std::string& kind, const std::string& path)
{
    fw::ShowMessage("There is a problem with your " + kind +
                        " file....\n  It either does not exist at the location specified: \n '" + path +
                        " ',\n Or, it is being accessed by another program....Please check your input and try again",
                    fw::MB_OK);
}

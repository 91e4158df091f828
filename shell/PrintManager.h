#pragma once
// Line-printer reports: lines of at most 79 characters composed at fixed columns in an
// 80-character buffer, 55 line positions a page with the page header on line 1 and a blank on
// line 2, and the "*done*" end mark that closes the job. The part and mult reports derive from it.

#include "shell/PageSink.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A tool as the report's tool summary shows it: its face-and-side code, short name and description.
struct ReportTool {
    int code = 0;
    std::string shortName;
    std::string description;
};

class CPrintManager {
public:
    static constexpr int kLinesPerPage = 55;
    static constexpr std::size_t kBufferSize = 80;
    static constexpr const char* kEndMark = "*done*";
    // The line that separates one part or mult from the next in a report.
    static constexpr const char* kMarker = ">>>>>>>>>>*<<<<<<<<<<";

    // The five columns of the tool summary.
    enum ToolColumn { web, tfNear, tfFar, bfNear, bfFar, columnCount };
    using ToolColumns = std::array<std::vector<ReportTool>, columnCount>;

    explicit CPrintManager(PrinterChooser& printers);
    virtual ~CPrintManager();
    CPrintManager(const CPrintManager&) = delete;
    CPrintManager& operator=(const CPrintManager&) = delete;

    // Asks for the printer and starts the job named by the title. False when the user cancelled
    // or no printer could be used (then reported).
    bool SetupPrinter();
    // Prints one line; kEndMark ends the report.
    void PrintLine(const std::string& text);

    // The line buffer: cleared to NULs; a field is its text and one NUL at a column (cut at the
    // buffer's end); FinishLine turns the NULs into blanks and ends the line after 79 characters.
    void ClearLine();
    void Put(std::size_t column, std::string_view text);
    void Put(std::size_t column, long long number);
    void FinishLine();
    // The finished buffer without its trailing blanks.
    std::string LineText() const;
    // FinishLine, then PrintLine of the buffer.
    void PrintComposed();

    // Puts a tool in the column(s) its code selects; unique: not into a column that already holds
    // a tool of the same short name.
    static void AddTool(ToolColumns& columns, const ReportTool& tool, bool unique);
    // The tool summary block; the columns are emptied.
    void PrintToolSummary(ToolColumns& columns);
    // The message for a listed file that can't be read ("Part" or "Mult").
    static void ReportUnreadableFile(const std::string& kind, const std::string& path);

    void SetTitle(std::string title) { title_ = std::move(title); }
    const std::string& Title() const { return title_; }
    void RequestNewPage() { newPageRequest_ = true; }
    void SetLineNumber(int line) { lineNumber_ = line; }
    int LineNumber() const { return lineNumber_; }
    int PageNumber() const { return pageNumber_; }
    // Set each time a page starts; report code reads and clears it.
    bool PageStarted() const { return pageStarted_; }
    void ClearPageStarted() { pageStarted_ = false; }
    bool Cancelled() const { return cancelled_; }
    void SetCancelled() { cancelled_ = true; }

private:
    void StartPage();
    void DrawHeader();

    PrinterChooser& printers_;
    std::unique_ptr<PageSink> sink_;
    std::array<char, kBufferSize> buffer_{};
    std::string title_;
    bool newPageRequest_ = false;
    bool pageStarted_ = false;
    bool pageOpen_ = false;
    bool cancelled_ = false;
    int lineNumber_ = 0;
    int pageNumber_ = 0;
};

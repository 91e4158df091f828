#pragma once
// Where a line-printer report goes: pages of numbered line positions. The print manager decides
// what is on which line; a sink only places the lines on its device (or records them).

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class PageSink {
public:
    virtual ~PageSink() = default;
    virtual void StartPage() = 0;
    // Line positions count from 1 at the top of the page; a page holds up to 57 of them (55 and
    // the two lines of the end mark).
    virtual void DrawLine(int line, const std::string& text) = 0;
    virtual void EndPage() = 0;
    // The job is complete; a sink that never had a page prints nothing.
    virtual void EndDocument() = 0;
};

// The print dialog: the printer the user chose, with a job named by the title started on it.
class PrinterChooser {
public:
    struct Choice {
        std::unique_ptr<PageSink> sink;   // null when cancelled or failed
        bool cancelled = false;
        std::string error;                // why no printer could be used (empty when cancelled)
    };
    virtual ~PrinterChooser() = default;
    virtual Choice Choose(const std::string& title) = 0;
};

// Keeps what was printed, page by page, for tests and previews.
class RecordingPageSink : public PageSink {
public:
    struct Line {
        int position;
        std::string text;
        bool operator==(const Line&) const = default;
    };
    using Page = std::vector<Line>;

    void StartPage() override { pages.emplace_back(); open = true; }
    void DrawLine(int line, const std::string& text) override
    {
        if (!open)
            throw std::logic_error("line drawn outside a page");
        pages.back().push_back({line, text});
    }
    void EndPage() override { open = false; }
    void EndDocument() override { ended = true; }

    std::vector<Page> pages;
    bool open = false;
    bool ended = false;
};

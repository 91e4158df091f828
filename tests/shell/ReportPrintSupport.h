#pragma once
// Report tests: a printer chooser handing out a recording sink, a report source of prepared
// part and mult data, and the printed pages as plain lines.

#include "shell/PageSink.h"
#include "shell/ReportData.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace reporttest {

// Hands every call on to a recording the test keeps after the job has ended.
class ForwardingSink : public PageSink {
public:
    explicit ForwardingSink(RecordingPageSink& to) : to_(to) {}
    void StartPage() override { to_.StartPage(); }
    void DrawLine(int line, const std::string& text) override { to_.DrawLine(line, text); }
    void EndPage() override { to_.EndPage(); }
    void EndDocument() override { to_.EndDocument(); }

private:
    RecordingPageSink& to_;
};

class RecordingPrinters : public PrinterChooser {
public:
    Choice Choose(const std::string& title) override
    {
        titles.push_back(title);
        if (cancel)
            return {nullptr, true, {}};
        if (!error.empty())
            return {nullptr, false, error};
        keep.push_back(std::make_unique<RecordingPageSink>());
        last = keep.back().get();
        return {std::make_unique<ForwardingSink>(*last), false, {}};
    }

    // The lines of every page ("1: text"), pages separated by "--- page ---".
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        if (!last)
            return lines;
        for (const RecordingPageSink::Page& page : last->pages) {
            lines.push_back("--- page ---");
            for (const RecordingPageSink::Line& line : page)
                lines.push_back(std::to_string(line.position) + ": " + line.text);
        }
        return lines;
    }
    // The texts of the body lines (position 3 and on) of all pages, in order.
    std::vector<std::string> Body() const
    {
        std::vector<std::string> texts;
        if (!last)
            return texts;
        for (const RecordingPageSink::Page& page : last->pages)
            for (const RecordingPageSink::Line& line : page)
                if (line.position > 2)
                    texts.push_back(line.text);
        return texts;
    }

    bool cancel = false;
    std::string error;
    std::vector<std::string> titles;
    RecordingPageSink* last = nullptr;   // the recording of the last job
    std::vector<std::unique_ptr<RecordingPageSink>> keep;
};

class FakeSource : public ReportSource {
public:
    std::optional<PartReportData> ReadPart(const std::string& path) override
    {
        reads.push_back(path);
        const auto it = parts.find(path);
        return it == parts.end() ? std::nullopt : std::optional<PartReportData>(it->second);
    }
    std::optional<MultReportData> ReadMult(const std::string& path) override
    {
        reads.push_back(path);
        const auto it = mults.find(path);
        return it == mults.end() ? std::nullopt : std::optional<MultReportData>(it->second);
    }

    std::map<std::string, PartReportData> parts;
    std::map<std::string, MultReportData> mults;
    std::vector<std::string> reads;
};

} // namespace reporttest

namespace reporttest {

// A line with each text at its column, blanks between, no trailing blanks.
inline std::string At(std::initializer_list<std::pair<std::size_t, std::string>> fields)
{
    std::string line;
    for (const auto& [column, text] : fields) {
        if (line.size() < column)
            line.resize(column, ' ');
        line.replace(column, std::min(text.size(), line.size() - column), text);
        if (line.size() < column + text.size())
            line += text.substr(line.size() - column);
    }
    return line;
}

} // namespace reporttest

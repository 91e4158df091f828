#pragma once
// Collects the error log's entries for the lifetime of a test.

#include "convert/except/Log.h"

#include <string>
#include <vector>

struct LogEntry {
    std::string source;
    int line;
    std::string message;
};

class LogCapture {
public:
    LogCapture()
        : previous_(CLog::SetSink([this](const char* source, int line, const char* message) {
              entries_.push_back({source, line, message});
          }))
    {
    }
    ~LogCapture() { CLog::SetSink(previous_); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<LogEntry>& Entries() const { return entries_; }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> messages;
        for (const LogEntry& e : entries_)
            messages.push_back(e.message);
        return messages;
    }
    void Clear() { entries_.clear(); }

private:
    std::vector<LogEntry> entries_;
    CLog::Sink previous_;
};

#pragma once
// The tool library on disk: hole patterns being loaded take their tools' current data from the
// tool files. Files that can't be read are collected and reported together once the load is
// done, so that a part with many patterns of a missing tool shows one message, not one per
// pattern, and a windowless load shows none.

#include "model/ToolLibrary.h"

#include <exception>
#include <map>
#include <optional>
#include <string>
#include <vector>

class CToolFileLibrary : public ToolLibrary {
public:
    // Reads each tool file once; a file that can't be read gives nothing and is remembered.
    std::optional<ToolRecord> LoadTool(const std::string& shortName) override;

    // The tool files that could not be read, in the order they were asked for.
    const std::vector<std::string>& GetFailedFiles() const { return failedFiles_; }
    // One beep and one message listing the files that could not be read; nothing when none
    // failed or when windowless. The list is emptied.
    void ReportFailures(bool windowless);

private:
    std::map<std::string, std::optional<ToolRecord>> loaded_;
    std::vector<std::string> failedFiles_;
    std::vector<std::exception_ptr> errors_;
};

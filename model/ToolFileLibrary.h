#pragma once
// The tool library on disk: hole patterns of a loaded part take their tools' current data from
// the tool files. Files that can't be read are collected and become one load problem, so that a
// part with many patterns of a missing tool shows one message, not one per pattern.

#include "model/LoadProblems.h"
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
    // One problem (after a beep) listing the files that could not be read, added to the list;
    // nothing when none failed. The failures are forgotten.
    void TakeFailures(LoadProblems& problems);

private:
    std::map<std::string, std::optional<ToolRecord>> loaded_;
    std::vector<std::string> failedFiles_;
    std::vector<std::exception_ptr> errors_;
};

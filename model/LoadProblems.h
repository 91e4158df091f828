#pragma once
// What a load could not resolve: a part's shape or tool files, a mult's machine or shape file.
// Documents read their bytes without asking the user anything; the references the file names
// are resolved after, and each one that fails becomes a problem here. A caller with a window
// reports them through the message service (ReportLoadProblems); a windowless caller (automation,
// listings, conversions) keeps them as its status and shows nothing.

#include <exception>
#include <string>
#include <vector>

struct LoadProblem {
    enum class Kind {
        shapeMissing,       // no shape file of that type and size
        shapeUnreadable,    // a shape file or plate size that cannot be read
        shapeNameMismatch,  // a shape file whose data name another shape
        toolUnreadable,     // tool files that cannot be read (one problem for all of them)
        machineBadName,     // a machine name that cannot name a file
        machineUnreadable,  // a machine file that cannot be opened or read
    };
    Kind kind;
    std::string text;
    // Empty: the program's own caption.
    std::string caption;
    unsigned type = 0;
    // Whether an exclamation beep comes before the message.
    bool beep = false;

    bool operator==(const LoadProblem&) const = default;
};

using LoadProblems = std::vector<LoadProblem>;

// A file that could not be opened or read, with the framework's load-failure text.
LoadProblem FileLoadProblem(LoadProblem::Kind kind, const std::string& path, std::exception_ptr error, bool beep);

// Shows each problem in order (its beep first) through the message service.
void ReportLoadProblems(const LoadProblems& problems);

// Whether the list holds a problem of that kind.
bool HasLoadProblem(const LoadProblems& problems, LoadProblem::Kind kind);

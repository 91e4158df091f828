#pragma once
// The parts automatic multing is to place, gathered for the AutoMult command of a mult: every
// part file of the chosen source that matches the mult's shape designation type, size and grade
// (each compared only when the mult's is not empty), grouped into stock choices by shape and
// grade. Every choice gets the mult's stock length, the mult's kerf (the machine's default kerf
// when the mult's is 0), the stock shape of its parts and its own copy of the mult's machine. The
// mult in hand becomes the template of the job: its header and its folder.

#include "machmult/AutoMultJob.h"

#include <functional>
#include <memory>
#include <string>

class CMultDoc;

// The answers of the question about a part on another drive than the mult's.
enum class DriveAnswer { yes, yesToAll, no, noToAll, cancel };

struct AutoMultGathering {
    // Asked for a part on another drive until Yes to All or No to All is given.
    std::function<DriveAnswer(const std::string& path)> askDrive;
    // Copies a part to the mult's drive; false when the user aborted the copy. None: a plain copy
    // that makes the folders and never replaces a file already there (that file is used).
    std::function<bool(const std::string& from, const std::string& to)> copy;
};

struct AutoMultGathered {
    enum class End { ok, noParts, cancelled, failed };
    End end = End::ok;
    std::unique_ptr<AutoMultJob> job;   // with End::ok
    std::string message;                // with End::failed: what went wrong
};

// sourceList: '|'-separated part files and wildcard patterns (CMultDoc::GetPartSourceList).
AutoMultGathered GatherAutoMultJob(CMultDoc& mult, const std::string& sourceList, const AutoMultGathering& how);

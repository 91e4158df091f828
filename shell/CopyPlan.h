#pragma once
// One copy of files and folders as the user asked for it, gathered before anything is written:
// the files (source -> target), the folders to make even when nothing lands in them, and the
// reasons why some of the asked items cannot be copied. Carrying it out asks once about the files
// it would replace, makes every target's folders, copies, and reports what failed in one message.
// Nothing is moved or deleted; a file is never replaced without that question.

#include "fw/core/FileCopy.h"

#include <string>
#include <vector>

struct CopyOutcome {
    int copied = 0;                      // files written
    std::vector<std::string> problems;   // one line per item not copied, in the order met
};

class CopyPlan {
public:
    static constexpr const char* kCaption = "Copy Files";

    // A file to copy. A second file for the same target is refused (the first one stays); the
    // same pair twice is copied once. A file onto itself is refused.
    void AddFile(const std::string& from, const std::string& to);
    // A folder that is made even when no file lands in it.
    void AddFolder(const std::string& folder);
    // A reason why something asked for is not copied; reported with the failures.
    void Refuse(std::string problem);

    // Asks once about the targets that exist (Yes replaces them, No keeps them and copies the
    // others, Cancel copies nothing), copies, and shows the problems, if any, in one message.
    CopyOutcome Carry() const;

    // Whether two paths name the same file or folder once mapped (case and links resolved); false when
    // either cannot be mapped.
    static bool SamePlace(const std::string& a, const std::string& b);
    // Whether the path lies inside the folder (not the folder itself).
    static bool IsInside(const std::string& path, const std::string& folder);

private:
    std::vector<fw::FilePair> files_;
    std::vector<std::string> folders_;
    std::vector<std::string> problems_;
};

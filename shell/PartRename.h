#pragma once
// Renaming a part file (the report window's and the navigator's Rename): the part is read, given
// the new mark and saved beside the old file; only when the new file reads back with that mark
// does the old one go to the trash, so a failed save never costs the part.

#include <string>

// Moves files to the desktop's trash.
class FileTrash {
public:
    virtual ~FileTrash() = default;
    // False when the file could not be moved.
    virtual bool MoveToTrash(const std::string& path) = 0;
};

struct PartRenameResult {
    enum Status {
        unchanged,     // the same name: nothing done
        blank,         // no name entered: nothing done
        invalidName,   // not a mark (1 to 10 characters that can name a file)
        exists,        // a file of the new name is there: nothing done
        unreadable,    // the old part could not be read
        saveFailed,    // the new file could not be written or read back; the old one is kept
        oldKept,       // renamed, but the old file could not be moved to the trash
        renamed,
    };
    Status status = unchanged;
    std::string newPath;
};

// newName is trimmed of leading and trailing white space first. Without a trash the old file stays
// for the caller to remove (the navigator removes it itself once the new file stands).
PartRenameResult RenamePartFile(const std::string& oldPath, const std::string& newName, FileTrash* trash);
// Tells the user why a rename did nothing or left the old file (caption "Rename Part"); nothing
// for a rename that went through or was not asked for (same name, no name).
void ShowRenameOutcome(const PartRenameResult& result, const std::string& oldPath);

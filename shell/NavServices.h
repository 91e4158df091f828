#pragma once
// What the command dispatcher acts through: the documents and their templates, the report window,
// the printouts, the legacy shop disk, and the application's own actions. Paths are Windows-form
// paths or '|' lists of them; an absent path is passed as an empty text where an action takes one.

#include "shell/NavCommand.h"

#include <optional>
#include <string>

// A document made or opened by a create command, not shown yet.
class ItemDocument {
public:
    virtual ~ItemDocument() = default;
    // Names the document's file and adds it to the recent-file list.
    virtual void SetPathName(const std::string& path) = 0;
    // Empties the model (a part's patterns and stencils, a mult's part list).
    virtual void ClearModel() = 0;
    // Forgets the file the document was read from, and refuses to save until a key field names
    // another file, so the copy can never be saved over its original.
    virtual void MakeUntitledCopy() = 0;
    // Document state "new": the views unlock the key fields.
    virtual void MarkNew() = 0;
    // Makes the frame of its first view, updates and shows it.
    virtual void ShowFrame() = 0;
};

// The documents of the part, mult, shape, tool and machine templates.
class ItemDocuments {
public:
    virtual ~ItemDocuments() = default;
    // A new document of the kind's template without a window; nullptr when none could be made
    // (the reason has been shown). The document stays owned by its template.
    virtual ItemDocument* NewHidden(nav::Object kind) = 0;
    // A document of the kind's template read from the file without a window; nullptr when it
    // could not be read (the reason has been shown).
    virtual ItemDocument* OpenHidden(nav::Object kind, const std::string& path) = 0;
    // A new document of the kind in its window.
    virtual void NewVisible(nav::Object kind) = 0;
    // Opens a file in the template of its extension, or activates its window when it is open.
    virtual void OpenFile(const std::string& path) = 0;
    // Asks about every modified document; false when the user cancelled.
    virtual bool SaveAllModified() = 0;
};

enum class ReportKind { files, parts, mults };

// The report window, of which there is at most one.
class ReportWindows {
public:
    virtual ~ReportWindows() = default;
    // Closes every report window without a save question.
    virtual void CloseAll() = 0;
    // A new report window listing the folder or list as files, a part report or a mult report.
    virtual void Open(ReportKind kind, const std::string& path) = 0;
};

enum class PrintMode { standard = 0, custom = 1 };

// The part and mult printouts; each sets its report mode, then prints the '|' list.
class PrintService {
public:
    virtual ~PrintService() = default;
    virtual void PrintParts(PrintMode mode, const std::string& list) = 0;
    virtual void PrintMults(PrintMode mode, const std::string& list) = 0;
};

struct ShopDiskTarget {
    char drive = 0;      // the drive letter
    std::string file;    // the target file name, at most eight characters
    bool operator==(const ShopDiskTarget&) const = default;
};

// Asks the target of a legacy shop disk; nothing when the user cancelled.
class ShopDiskDialog {
public:
    virtual ~ShopDiskDialog() = default;
    virtual std::optional<ShopDiskTarget> AskTarget() = 0;
};

// Writes the parts or mults of a '|' list as a legacy shop disk.
class ShopDiskWriter {
public:
    virtual ~ShopDiskWriter() = default;
    virtual void CreatePartDisk(const ShopDiskTarget& target, const std::string& list) = 0;
    virtual void CreateMultDisk(const ShopDiskTarget& target, const std::string& list) = 0;
};

// Actions the application object carries out itself.
class AppActions {
public:
    virtual ~AppActions() = default;
    virtual void CreateOpposites(const std::string& list) = 0;
    virtual void ConvertLegacyFiles() = 0;
    virtual void RunPart(const std::string& path) = 0;
    virtual void RunMult(const std::string& path) = 0;
    virtual void RunMultMultiple(const std::string& list) = 0;
};

struct NavServices {
    ItemDocuments& documents;
    ReportWindows& reports;
    PrintService& printing;
    ShopDiskDialog& shopDiskDialog;
    ShopDiskWriter& shopDiskWriter;
    AppActions& app;
};

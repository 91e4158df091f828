#pragma once
// The document of one tool file (".tl") of the tool library: two sizes, a type code, an
// orientation and a measuring system. The file is named by the tool's short name and lives in
// the tool directory, so part tools find their file from their own short name.
//
// File: size A and size B (length forms), the type code (string), the orientation and the
// measuring system (DWORDs).

#include "model/SmartDoc.h"
#include "model/ToolRecord.h"

#include <exception>
#include <string>

class CToolDoc : public CSmartDoc {
    FW_DECLARE_DYNAMIC(CToolDoc)
public:
    static constexpr const char* kExtension = ".tl";
    static constexpr const char* kDirectoriesSection = "Directories";
    static constexpr const char* kToolDirectoryEntry = "Tool Directory";
    static constexpr const char* kDefaultToolDirectory = "C:\\Kestrom\\Tools";

    // The tool directory of the profile.
    static std::string GetToolDirectory();
    // The tool directory + "\" + name + ".tl".
    static std::string GetToolFilePath(const std::string& name);

    // A new tool: orientation 0, imperial.
    bool OnNewDocument() override;
    void DeleteContents() override;

    // Sizes in inches; the code is kept upper case; the measuring system is the unit of both sizes.
    void SetToolData(double sizeA, double sizeB, const std::string& type, int orientation, int measuringSystem);
    void GetToolData(double& sizeA, double& sizeB, std::string& type, int& orientation, int& measuringSystem) const;
    // The tool's data with the measuring system as the unit of both sizes.
    void GetToolRecord(ToolRecord& record) const;
    const ToolRecord& GetRecord() const { return record_; }
    // The tool's name in the library (ToolRecord::GetShortName).
    std::string GetShortName() const;

    // Loads the tool file of that name from the tool directory: 1 loaded; 0 not, after a beep
    // and the failed-open message.
    int LoadTool(const std::string& name);
    // The same without beep or message: false when the file is missing, empty or unreadable
    // (the reason in *error), and the document is left as it was.
    bool TryLoadTool(const std::string& name, std::exception_ptr* error = nullptr);

    // File Save and File Save/New: the forms go into the document, which is saved under its
    // short name.
    void OnFileSave();
    // Saves as the tool directory + short name + ".tl", whatever path is given.
    bool OnSaveDocument(const std::string& path) override;
    // Save and Save/New while modified; Save As never.
    std::optional<bool> IsCommandEnabled(unsigned command) const override;

    void Serialize(fw::Archive& ar) override;

private:
    // Every tool form copies itself into the document; false when one is not valid.
    bool CopyFormsToDocument();

    ToolRecord record_;
};

#pragma once
// The document of one machine (".mch" in the machine directory): its record and, for angle
// lines, beam lines and drill lines, its spec data with the units. Shown in the machine view,
// and loaded by name without a window by the mult document and automatic multing.
//
// File: the record's fields (name, kind, kerf, minimum and maximum stock, minimum drop, three
// run flags, trim length, seven material flags), then for kinds 1, 2 and 4 the spec data
// without a class tag. Nothing follows. A zero-length file is a machine with nothing set.
//
// The machine's name is its file name: saving upper-cases it and writes the machine directory
// + "\" + NAME + ".mch", whatever path the save was given. A name that cannot be a file name
// (empty, longer than 10 characters, separators, wildcards, "." or "..") is refused.

#include "model/Machine.h"
#include "model/MachineRecord.h"
#include "model/MachineSpecData.h"
#include "model/SmartDoc.h"

#include <memory>
#include <optional>
#include <string>

class CMachineDoc : public CSmartDoc {
    FW_DECLARE_DYNAMIC(CMachineDoc)
public:
    static constexpr const char* kExtension = ".mch";
    static constexpr const char* kNewDocumentName = "Machine";
    static constexpr const char* kDirectoriesSection = "Directories";
    static constexpr const char* kMachineDirectoryEntry = "Machine Directory";
    static constexpr const char* kDefaultMachineDirectory = "C:\\Kestrom\\Machines";
    // The message for a name that cannot name a machine file.
    static constexpr unsigned IDS_MACHINE_NAME_INVALID = 33600;

    CMachineDoc();
    ~CMachineDoc() override;

    // The machine directory of the profile (the default when the entry is missing).
    static std::string GetMachineDirectory();
    // The machine directory + "\" + the upper-cased name + ".mch".
    static std::string GetMachineFilePath(const std::string& name);
    // The message shown for a name that cannot name a machine file; nothing for a good name.
    static std::optional<std::string> CheckMachineName(const std::string& name);

    const MachineRecord& GetMachineRecord() const { return record_; }
    // Stores every field; lengths by their inch values, so each keeps its unit letter. Spec data
    // of another kind is replaced by an empty one of the new kind (none for kinds without).
    // Throws std::invalid_argument for a kind outside -1..6.
    void SetMachineData(const MachineRecord& data);
    // The spec data (kinds 1, 2 and 4), or none.
    CMachineSpecData* GetSpecData() { return spec_.get(); }
    // The machine of the document's kind with its record and the stations of its units.
    std::unique_ptr<CMachine> CreateMachine() const;

    // Loads the file of that name from the machine directory without a window and without
    // showing anything; false when it cannot, with a problem (beep first) naming the bad name,
    // or the file and the cause.
    bool LoadMachine(const std::string& name, LoadProblems& problems);

    // File Save: the forms go into the document, which is saved under its name; then its key
    // fields lock. A form that does not validate or a refused save stops it and changes nothing.
    bool OnFileSave();
    // Save/New: saves, closes every view but the machine view and opens the key fields for a
    // new machine; saving stays refused until a key field changes. Stops at a failure.
    bool OnFileSaveNew();
    // Specifics: the views commit their edits; then the spec data to edit in the dialog of the
    // machine's kind, or none (an edit refused, or no spec data of that kind).
    CMachineSpecData* OnEditSpecifics();
    // Save and Save/New while saving is allowed; Specifics while the key-fields flag is set.
    std::optional<bool> IsCommandEnabled(unsigned command) const override;

    // Leaves a machine with nothing set: no name, no kind, zero lengths and flags, no spec data
    // (also what File New gives).
    void DeleteContents() override;
    // Reads the forms, then saves to the machine's own file whatever the path.
    bool OnSaveDocument(const std::string& path) override;
    // Saves a copy under the machine's name (the document's path follows only a good save).
    bool SaveDocument() override;
    // Closing a modified window saves the way File Save does.
    bool DoFileSave() override;

    void Serialize(fw::Archive& ar) override;

private:
    // The first view that holds edits (the machine form); Save/New keeps it.
    fw::View* FirstFormView() const;

    MachineRecord record_;
    std::unique_ptr<CMachineSpecData> spec_;
};

#pragma once
// The document of one mult: one stock length of one shape on one machine, with the parts placed
// on it. It holds the mult's header, the stock shape (with its loaded tools), the machine (loaded
// by name from the machine directory) and the parts, and lives in "<mark> <sequence>.mlt" in the
// folder of its job and group: C:\Kestrom\Jobs\J100\G2\A1 3.mlt.
//
// File (".mlt"): job, group, mark (strings); sequence, quantity (DWORD each); stock length, kerf
// (length forms); shape designation type, size, grade, machine name, remark A, remark B
// (strings); drop (length form); the machine's own form (nothing); the stock shape's own form
// (its tool list); the parts as an object list (count, then each CMultPart with its class tag);
// the measuring system (LONG). The section and the machine are not stored: once the bytes are
// read (into a plain machine and shape), ResolveReferences takes them again from the machine and
// shape files (the plain ones stay when those are missing).
//
// Job, group and mark become folder and file names: each must be a file name of at most 10
// characters (an empty job or group stands as "NONE").

#include "machmult/IMultDoc.h"
#include "machmult/MachineDoc.h"
#include "machmult/MultShape.h"
#include "machmult/PartList.h"

#include "model/JobPaths.h"
#include "model/SmartDoc.h"
#include "records/MultRecord.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

class CMultDoc : public CSmartDoc, public IMultDoc {
    FW_DECLARE_DYNAMIC(CMultDoc)
public:
    static constexpr const char* kExtension = ".mlt";
    static constexpr const char* kDocumentName = "Mult";
    static constexpr const char* kPartExtension = ".prt";
    static constexpr const char* kNoMachine = "A valid machine must be entered to perform this operation.";
    static constexpr const char* kBadNames = jobs::kNameRule;

    // Where GetPartSourceList looks for part files.
    enum PartSource { sourceJob, sourceGroup, sourceSelectedParts, sourceSelectedGroups };
    // Item kinds of the navigator's selection.
    static constexpr int kSelectedGroups = 7;
    static constexpr int kSelectedParts = 9;

    // The '|'-joined paths the navigator has selected for an item kind.
    using SelectionProvider = std::function<std::string(int kind)>;
    // Opens the hand-mult window on a mult.
    using HandMultOpener = std::function<void(CMultDoc&)>;
    // Set by the program at start-up; until then no selection and no hand-mult window.
    static void SetSelectionProvider(SelectionProvider provider);
    static void SetHandMultOpener(HandMultOpener opener);

    CMultDoc();
    ~CMultDoc() override;

    // A new windowless mult as an automation object: the factory of the class registry's entry
    // for IMultDoc::kClassId and IMultDoc::kProgId.
    static std::unique_ptr<fw::Unknown> CreateAutomationObject();

    // Framework steps. Serialize reads and writes the file's fields only; loading leaves a plain
    // machine and a plain stock shape holding the archived tools, and touches no other file.
    void Serialize(fw::Archive& ar) override;
    // After the bytes: the machine of the machine file, then the stock shape of the shape file
    // (keeping the loaded tools); what can't be loaded keeps its plain stand-in and gives its
    // problems (a shape file that is simply missing gives none).
    LoadProblems ResolveReferences() override;
    // A new mult: sequence and quantity 1, path
    // <default job drive>:<Job/Group directory>\NONE\NONE\Mult 1.mlt.
    bool OnNewDocument() override;
    // Saves under BuildMultPath's path on the drive of the given path. Refused (nothing written)
    // without a stock shape or a machine, or with a job, group or mark that can't be a name.
    bool OnSaveDocument(const std::string& path) override;
    // No shape, machine or parts; lengths 0; sequence and quantity 1; texts empty; imperial.
    void DeleteContents() override;
    // CSmartDoc's operations.
    void ClearModel() override;
    // A mult that has a file (opened from it or saved to it, its job, group, mark and sequence
    // unchanged since, and not started anew by Save/New) saves back to that file. Any other mult
    // saves under the first free name "<mark> <sequence>.mlt": in the save folder when set, else
    // in the folder of the path. A name taken, there or at the file's final path, raises the
    // sequence; the file is created only where no file is, so such a save never replaces a mult.
    bool SaveDocument() override;
    // Reads the file as the framework opens it; the file becomes the mult's own (SaveDocument).
    bool OnOpenDocument(const std::string& path) override;
    // AutoMult: key fields open, no parts, a machine. Choose Shape: key fields open. Specifics:
    // key fields open, a machine and a stock shape.
    std::optional<bool> IsCommandEnabled(unsigned command) const override;

    // File Save: the forms hand their fields over, then SaveDocument; the document is then saved
    // (state 2). A failure changes nothing.
    bool OnFileSave();
    // Closing a modified window saves the way File Save does (never over another file).
    bool DoFileSave() override;
    // File Save/New: saves, then keeps the header as the start of the next mult without parts
    // (state 1, key fields open, saving refused until a key field changes).
    bool OnFileSaveNew();
    // Edit Specifics: with a machine and a stock shape, opens the hand-mult window and locks the
    // key fields; false, with nothing done, without them.
    bool OnEditSpecifics();

    // The header, job and group first taken again from the path: when the file name holds a blank
    // ("<mark> <sequence>.mlt"), each of the two folders above it that is a valid name.
    MultRecord GetMultData();
    // Takes the header but the drop. Texts are trimmed; lengths take the measuring system. A new
    // shape or machine is loaded; when it can't be, the old one and its name stay. The path
    // follows (BuildMultPath). False, with nothing changed, when a name is not valid or the stock
    // length or kerf is beyond the range of lengths (fw::kMaxInches).
    bool SetMultData(const MultRecord& data);
    // GetMultData with the stock length and kerf in the document's measuring system.
    MultRecord GetMultRecord();
    // SetMultData, and the record's drop; false, with nothing changed, for a drop beyond the range.
    bool SetMultRecord(const MultRecord& record);
    // <drive>:<Job/Group directory>\<job>\<group>\<mark> <sequence>.mlt, the drive the path's
    // (the default job drive without a path), "NONE" for an empty job or group.
    std::string BuildMultPath() const;

    // The user named a machine (typed or picked): the document is modified, a machine counts as
    // chosen, and the save rule decides again.
    void ChooseMachine();
    // The stock length in inches; the other views show everything again.
    void SetLength(double inches, fw::View* sender);

    // Loads the machine of that name from the machine directory; false (the current one stays)
    // when it can't. What went wrong is shown only when the document has a window.
    bool LoadMachine(const std::string& name);
    // Loads the shape file of that designation type and size as the stock shape of its kind,
    // keeping the loaded tools; false (the current one stays) when it can't. What went wrong is
    // shown only when the document has a window.
    bool LoadShape(const std::string& desctp, const std::string& desc);
    // Reads a mult file; the path is not taken. False, with the document empty, when it can't.
    // With a window that and what could not be resolved are shown; without one nothing is, and
    // GetLoadProblems tells what could not be resolved.
    bool LoadMult(const std::string& path);

    // '|'-terminated part files and patterns of a source: the job's groups (each "<group>\*.prt"),
    // the mult's group, the parts or groups selected in the navigator; "" for another source.
    std::string GetPartSourceList(int source) const;
    // Orders the parts by increasing length; parts of equal length keep their order.
    void SortPartsByLength();
    // Where SaveDocument looks for a free name.
    void SetSaveFolder(const std::string& folder) { saveFolder_ = folder; }
    const std::string& GetSaveFolder() const { return saveFolder_; }

    const MultRecord& Header() const { return header_; }
    MultRecord& Header() { return header_; }
    int GetShapeKind() const { return shapeKind_; }
    CMultPartList& GetParts() { return parts_; }
    CMultShape* GetShape() const { return shape_.get(); }
    CMachine* GetMachine() const { return machine_.get(); }
    // The stock shape and its kind, and the machine, as built elsewhere (automatic multing).
    void SetShape(std::unique_ptr<CMultShape> shape, int kind);
    void SetMachine(std::unique_ptr<CMachine> machine) { machine_ = std::move(machine); }

    // IMultDoc (MultDocAutomation.cpp).
    std::int32_t MultConvert(const std::string& bstrJob, const std::string& bstrGroup, const std::string& bstrMark,
                             std::int16_t nSequence, std::int16_t nQuantity, double dLength, double dKerf,
                             const std::string& bstrShape, const std::string& bstrDesc, const std::string& bstrGrade,
                             const std::string& bstrMachine, const std::string& bstrRemA, const std::string& bstrRemB,
                             std::int16_t nMeasuringSystem) override;
    std::int32_t GetDescription(std::string& pbstrFileName, std::string& pbstrShape, std::string& pbstrDesc) override;
    std::int32_t SaveMult() override;
    std::int32_t AddPart(const std::string& bstrJobID, const std::string& bstrGroup, const std::string& bstrMark,
                         std::uint32_t nQuantity) override;
    std::int32_t GetShapeDescriptionFromMultPart(const std::string& bstrJobID, const std::string& bstrGroup,
                                                 const std::string& bstrMark, std::string& pbstrShape,
                                                 std::string& pbstrDesc) override;
    std::int32_t CheckMachine(const std::string& strMachineName) override;
    std::int32_t CheckPart(const std::string& bstrJobID, const std::string& bstrGroup,
                           const std::string& bstrMark) override;

    // Load and save errors; silent without a window.
    void ReportSaveLoadException(const std::string& path, std::exception_ptr error, bool saving) override;

protected:
    // A shape the last lookup found and a machine named.
    bool HasWhatSaveNeeds() const override;
    // The shape the catalog does not hold, else the machine not chosen.
    std::string WhatSaveLacks() const override;

private:
    // The text without leading and trailing blanks.
    static std::string Trim(const std::string& text);
    // A message box, or the default answer when windowless.
    int Tell(const std::string& text, unsigned type) const;
    // LoadMachine and LoadShape without showing anything: what went wrong is added to problems.
    bool ResolveMachine(const std::string& name, LoadProblems& problems);
    bool ResolveShape(const std::string& desctp, const std::string& desc, LoadProblems& problems);
    // The problems, when the document has a window.
    void Report(const LoadProblems& problems) const;
    // The first view that holds edits (the mult form); Save/New keeps it and closes the others.
    fw::View* FirstFormView() const;
    // The shape and machine a save needs, with the message of the command when one is missing.
    bool CheckStock(const char* shapeMessage) const;
    bool CheckNames() const;
    // OnSaveDocument without the forms: the checks, then the save at the rebuilt path.
    SaveResult SaveUnder(const std::string& path, SaveMode mode);
    // The checks, then the save at exactly that path, which becomes the mult's own file.
    SaveResult SaveChecked(const std::string& target, SaveMode mode);
    // Job, group, mark and sequence: what names the mult's file.
    std::string KeyText() const;
    // The file the mult saves back to; empty when it has none (see SaveDocument).
    std::string OwnFile() const;
    // The mult is a new one: its next save takes the first free name.
    void ForgetOwnFile();
    // SaveDocument without the forms.
    bool SaveUnderFreeName();
    std::string MultPathOnDrive(const std::string& drive) const;
    void JobGroupFromPath();

    MultRecord header_;
    int shapeKind_ = -1;
    CMultPartList parts_;
    std::unique_ptr<CMultShape> shape_;
    std::unique_ptr<CMachine> machine_;
    std::string saveFolder_;
    // The file last opened or saved, and the key it was saved under.
    std::string ownFile_;
    std::string ownKey_;
    bool machineChosen_ = false;
};

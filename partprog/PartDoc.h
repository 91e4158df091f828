#pragma once
// The document of one part: its header (job, group, mark, quantity, length, shape, grade,
// fabrication code, remarks, measuring system, channel leg), its part shape with the patterns and
// stencil marks of each face, and the reference plane automation clients set before adding holes.
// ".prt" and ".pat" files hold the same archive.
//
// File: job, group, mark (strings); quantity (LONG); length (length form); shape designation type,
// size, grade, fabrication code (strings); measure web depth (LONG); remark A, remark B (strings);
// measuring system, channel leg (LONG); then the part shape's own form, untagged. The section is
// not stored: once the bytes are read (into a plain part shape), ResolveReferences takes it again
// from the shape file of the designation type and size, and the hole tools from their tool files.
//
// Job, group and mark become folder and file names: each must be a file name of at most 10
// characters (the record's width); an empty job or group stands as "NONE".

#include "partprog/IPartDoc.h"

#include "model/JobPaths.h"
#include "model/PartShape.h"
#include "model/ShapeDoc.h"
#include "model/SmartDoc.h"
#include "records/PartRecord.h"

#include <memory>
#include <optional>
#include <string>

class CPartDoc : public CSmartDoc, public IPartDoc {
    FW_DECLARE_DYNAMIC(CPartDoc)
public:
    static constexpr const char* kNoShape = CShapeDoc::kNoShape;
    static constexpr const char* kInvalidName = jobs::kNameRule;

    // The automation reference plane; a horizontal plane at the part's start, patterns above.
    struct RefPlaneData {
        double startX = 0.0;
        double startU = 0.0;
        char directionX = '+';
        char directionU = '+';
        double rise = 0.0;
        double run = 0.0;
        char patternType = 'A';
    };

    CPartDoc();
    ~CPartDoc() override;

    // A new windowless part as an automation object: the factory of the class registry's entry
    // for IPartDoc::kClassId and IPartDoc::kProgId.
    static std::unique_ptr<fw::Unknown> CreateAutomationObject();

    // A windowless part document holding the file of that job, group and mark below the Job/Group
    // directory (an empty job or group stands as "NONE"); none when a name can't be a folder or
    // file name or the file doesn't load. quiet: no report when the file can't be opened.
    static std::unique_ptr<CPartDoc> LoadByName(const std::string& job, const std::string& group,
                                                const std::string& mark, bool quiet);

    // Framework steps. Serialize reads and writes the file's fields only; loading leaves a plain
    // part shape holding the patterns as archived, and touches no other file.
    void Serialize(fw::Archive& ar) override;
    // After the bytes: the part shape of the shape file takes the patterns (a missing file gives
    // the "SHAPE ERROR" problem, the plain shape stays and the shape-error flag is set), then the
    // hole patterns take their tools' current data (files that can't be read: one problem).
    LoadProblems ResolveReferences() override;
    bool OnNewDocument() override;
    // Saves under the Job/Group directory + job\group\mark.prt on the drive of the path, once the
    // part forms have given their fields. Refused (nothing written) when a form refuses, without a
    // part shape, with a job, group or mark that is not a valid name, and when another part's
    // file is there and the user does not agree to replace it (windowless:
    // never replaced).
    bool OnSaveDocument(const std::string& path) override;
    void DeleteContents() override;

    // CSmartDoc's operations.
    void ClearModel() override;
    int CreateFaceViews() override;
    // Saves under the folder of the current path + mark + ".prt".
    bool SaveDocument() override;

    // The length in inches; the other views show everything again.
    void SetLength(double inches, fw::View* sender);

    // Choose Shape while the key fields are open; Specifics with a part shape and the key fields
    // open; then CSmartDoc's commands.
    std::optional<bool> IsCommandEnabled(unsigned command) const override;

    // File Save: true when saved (the document then stands for its file). Nothing is saved
    // while a part form refuses its fields.
    bool OnFileSave();
    // File Save/New: saves, then keeps the header as the start of a new part without patterns.
    // A failed save changes nothing.
    bool OnFileSaveNew();
    // Edit Specifics: the forms give their fields; true when the part programming window may
    // open on the document (it has a part shape).
    bool OnEditSpecifics();

    // Editing; each marks the document modified and returns true only when the shape accepted it.
    // A refused pattern or mark stays with the caller.
    bool AddPattern(std::unique_ptr<CPattern>& pattern, CPatternList& list, CPatternList::Position* position = nullptr);
    bool AddPatternToOppositeFace(std::unique_ptr<CPattern>& pattern, CPatternList& list);
    bool AddStencil(std::unique_ptr<CStencilPattern>& stencil);
    bool DeletePattern(CPatternList& list, CPatternList::Position& position);
    bool DeleteStencil(CStencilPatternList::Position& position);
    // Mirrors every pattern end for end about the part's length.
    void MirrorShape();
    // The pattern commands of the part programming window on one face. Each marks the document
    // modified, moves the stencil marks with the patterns and updates every view (hint 0).
    // Flip: end for end about the length; Flop: across the depth; Rotate: a quarter turn, and the
    // part's length and the shape's depth change places.
    void FlipFace(CPatternList& list);
    void FlopFace(CPatternList& list);
    void RotateFace(CPatternList& list);
    // Gives the pattern at the list's current position a copy of the tool; false without one.
    bool CopyToolToPattern(CPatternList& list, const CPartTool& tool);

    // Reads a part file; true when it was read and its shape file found. The path is not taken.
    // With a window, what could not be resolved is shown and a file that can't be opened or read
    // is reported (TryLoadPart: not one that can't be opened); without one nothing is shown, and
    // GetLoadProblems tells what could not be resolved.
    bool LoadPart(const std::string& path);
    bool TryLoadPart(const std::string& path);

    // The header, job and group first refreshed from the path.
    PartRecord GetPartRecord();
    // Takes the header; a new designation builds the shape (on failure the old one stays). The
    // path follows job, group and mark. False, with nothing changed, when a name is not valid or
    // the length is beyond the range of lengths (fw::kMaxInches).
    bool SetPartRecord(const PartRecord& record);
    // drive + Job/Group directory + "\" + job + "\" + group + "\" + mark + ".prt"; an empty job or
    // group becomes "NONE".
    std::string GetPartFilePath() const;
    std::string GetPartPathName() const { return GetPartFilePath(); }

    // Builds the part shape from the shape file, moving the patterns of the old one into it; on
    // failure the current one stays. What the shape file could not give is added to problems.
    bool BuildShape(const std::string& desctp, const std::string& desc, LoadProblems& problems);
    // The same for a shape the user gives: the problems are shown when the document has a window.
    bool BuildShape(const std::string& desctp, const std::string& desc);

    const PartRecord& Header() const { return header_; }
    PartRecord& Header() { return header_; }
    std::string GetJob() const { return header_.jobId; }
    std::string GetGroup() const { return header_.group; }
    std::string GetMark() const { return header_.mark; }
    std::string GetLengthText() const { return header_.length.GetText(); }
    int GetMeasuringSystem() const { return header_.measuringSystem; }
    int GetShapeKind() const { return shapeKind_; }
    int GetShapeError() const { return shapeError_; }
    CPartShape* GetPartShape() const { return shape_.get(); }
    const RefPlaneData& GetRefPlane() const { return refPlane_; }

    // IPartDoc (PartDocAutomation.cpp).
    fw::HRESULT SetPartData(const std::string& strJobid, const std::string& strGroup, const std::string& strMark,
                            std::int16_t iQuanity, double dLength, const std::string& strDesctp,
                            const std::string& strDesc, const std::string& strGrade, const std::string& strFabcode,
                            std::int32_t bMeasureWebDepth, const std::string& strRemarka,
                            const std::string& strRemarkb, std::int16_t nMeasureSystem,
                            std::int16_t iChannelLeg) override;
    fw::HRESULT RefPlane(double StartX, double StartU, double Rise, double Run, const std::string& DirX,
                         const std::string& DirU, const std::string& PatType) override;
    fw::HRESULT SetWebHole(VARNEX_HOLE_ARGS) override;
    fw::HRESULT SetWebLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetTFNearHole(VARNEX_HOLE_ARGS) override;
    fw::HRESULT SetTFNearLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetTFFarHole(VARNEX_HOLE_ARGS) override;
    fw::HRESULT SetTFFarLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetTFNearFarHole(VARNEX_HOLE_ARGS) override;
    fw::HRESULT SetTFNearFarLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetBFNearHole(VARNEX_HOLE_ARGS) override;
    fw::HRESULT SetBFNearLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetBFFarHole(VARNEX_HOLE_ARGS) override;
    fw::HRESULT SetBFFarLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetBFNearFarHole(VARNEX_HOLE_ARGS) override;
    fw::HRESULT SetBFNearFarLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SavePart() override;
    fw::HRESULT SetWebHiddenLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetTFNearHiddenLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetTFFarHiddenLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetTFNearFarHiddenLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetBFNearHiddenLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetBFFarHiddenLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetBFNearFarHiddenLayout(VARNEX_LAYOUT_ARGS) override;
    fw::HRESULT SetWebStencil(double dXPos, double dUPos, const std::string& pszStencil) override;
    fw::HRESULT SetTFStencil(double dXPos, double dUPos, const std::string& pszStencil) override;
    fw::HRESULT SetBFStencil(double dXPos, double dUPos, const std::string& pszStencil) override;
    fw::HRESULT GetSpecification(const std::string& vtFileName, std::string& vtDescription,
                                 std::string& vtSection) override;
    fw::HRESULT SetWeb2Hole(VARNEX_HOLE_ARGS) override;
    fw::HRESULT SetWebHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) override;
    fw::HRESULT SetTFNearHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) override;
    fw::HRESULT SetTFFarHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) override;
    fw::HRESULT SetTFNearFarHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) override;
    fw::HRESULT SetBFNearHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) override;
    fw::HRESULT SetBFFarHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) override;
    fw::HRESULT SetBFNearFarHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) override;
    fw::HRESULT SetWeb2HoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) override;

    // The grid of an automation pattern.
    struct Grid {
        double x, u, incrementX, incrementU;
        int countX, countU;
    };

protected:
    // A shape the last lookup found.
    bool HasWhatSaveNeeds() const override { return GetShapeLookup() == ShapeLookup::found; }
    // The shape the catalog does not hold.
    std::string WhatSaveLacks() const override;

private:
    // Adds a pattern of the operation to a face from the stored plane.
    fw::HRESULT AddAutomationPattern(int faceCode, int operation, const Grid& grid, const CPartTool& tool);
    fw::HRESULT AddAutomationHole(int faceCode, const Grid& grid, double sizeA, double sizeB,
                                  const std::string& code, int orientation, int toolSystem);
    fw::HRESULT AddAutomationStencil(double x, double u, const std::string& text);

    bool ReadPart(const std::string& path, bool quietWhenUnopened);
    // The last view that holds edits (the part form); Save/New keeps it and closes the others.
    fw::View* LastForm() const;
    // A message box, or the default answer when windowless.
    int Tell(const std::string& text, unsigned type) const;
    bool CheckNames();
    std::string JobGroupPath(const std::string& drive) const;
    void FillBlankJobGroup();

    RefPlaneData refPlane_;
    PartRecord header_;
    int shapeKind_ = 0;
    std::unique_ptr<CPartShape> shape_;
    int shapeError_ = 0;
};

#pragma once
// A rectangular grid of elements on a face (holes made with its tool, or layout marks), laid
// out from its reference plane: count X x count U elements from a start, at fixed increments.

#include "model/FaceBox.h"
#include "model/PartTool.h"
#include "model/PatternGrid.h"
#include "model/RefPlane.h"

#include <memory>
#include <span>

class ToolLibrary;

class CPattern : public fw::Object {
    FW_DECLARE_SERIAL(CPattern)
public:
    enum Operation { hole = 0, frontLayout = 1, backLayout = 2 };
    // Placements of the elements relative to the plane.
    enum Placement { above = 0, below = 1, centredFirst = 3, centredSecond = 4 };
    // Most elements one pattern of a file may have along one axis, and in all.
    static constexpr int kMaxCount = 10000;
    static constexpr long long kMaxElements = 1000000;

    CPattern() = default;
    // The lengths in inches, shown in the measuring system; the plane and the tool are copied
    // (either may be absent; without a plane the box stays empty).
    CPattern(double startX, double startU, int countX, double incrementX, int countU, double incrementU,
             int operation, const CRefPlane* plane, const CPartTool* tool, int measuringSystem);
    CPattern(const CPattern&) = delete;
    CPattern& operator=(const CPattern&) = delete;

    void CopyFrom(const CPattern& other);
    // Replaces the tool with a copy of the given one, of its kind class.
    void SetTool(const CPartTool& tool);
    // Measuring system of start X, start U and both increments (their texts follow).
    void SetUnits(int system);
    bool IsEqual(const CPattern& other) const;
    bool Differs(const CPattern& other) const { return !IsEqual(other); }

    // Face position in inches of element (i, j) in a placement.
    void GetElementPosition(int i, int j, int placement, double& x, double& u) const;
    // The box of every element position in the plane's placements; unchanged when there is none.
    void ComputeBox();
    // Whether its lengths, its plane and its box are within fw::kMaxInches (what a face keeps).
    bool IsSane() const;

    // Orientation flags of an ER- or CR-kind tool.
    void SetToolFlag1() { SetToolFlag(0); }
    void SetToolFlag2() { SetToolFlag(1); }
    void SetToolFlag3() { SetToolFlag(2); }

    // The elements that can show inside clip (logical units) with the tool (holes) or the layout
    // marker, in the brush of the operation. Elements that fall closer than a device pixel are
    // drawn as what they fill: a line per row or column, or the pattern's outline, so that a
    // repaint costs what the screen can show, not what the pattern holds.
    void Draw(fw::DrawContext& dc, const fw::Rect& clip = kEverywhere) const;
    static constexpr fw::Rect kEverywhere{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};

    const CDimension& GetStartX() const { return startX_; }
    const CDimension& GetStartU() const { return startU_; }
    const CDimension& GetIncrementX() const { return incrementX_; }
    const CDimension& GetIncrementU() const { return incrementU_; }
    int GetCountX() const { return countX_; }
    int GetCountU() const { return countU_; }
    int GetOperation() const { return operation_; }
    const CRefPlane& GetRefPlane() const { return plane_; }
    CRefPlane& GetRefPlane() { return plane_; }
    const CPartTool* GetTool() const { return tool_.get(); }
    int GetToolKind() const { return toolKind_; }
    const FaceBox& GetBox() const { return box_; }
    double GetMinX() const { return box_.minX; }
    double GetMinU() const { return box_.minU; }

    // A hole pattern takes the current sizes, type, orientation and measuring system of its tool
    // from the library; a tool the library does not have keeps its data.
    void RefreshTool(ToolLibrary& library);

    // Start X, start U, count X, count U, increment X, increment U, operation, plane, tool kind,
    // the tool's form, the box. On load the box is recomputed; a box that is not finite is a bad
    // value. The tool keeps its archived data (RefreshTool takes the tool file's).
    void Serialize(fw::Archive& ar) override;

private:
    // The placements of the plane's type: 'A' above, 'B' below, 'C' both halves, else none.
    std::span<const int> Placements() const;
    PatternGrid GridOf(int placement) const;
    void DrawElement(double x, double u, fw::DrawContext& dc) const;
    void SlopePosition(int i, int j, int placement, double u0, double rise, double run, double& x, double& u) const;
    void RotatePosition(int i, int j, int placement, double u0, double rise, double run, double& x, double& u) const;
    void SetToolFlag(int which);
    void Store(fw::Archive& ar);
    void Load(fw::Archive& ar);

    CDimension startX_;
    CDimension startU_;
    int countX_ = 0;
    int countU_ = 0;
    CDimension incrementX_;
    CDimension incrementU_;
    int operation_ = hole;
    CRefPlane plane_;
    std::unique_ptr<CPartTool> tool_;
    FaceBox box_;
    int toolKind_ = CPartTool::kindRD;
};

#pragma once
// The reference plane a pattern is laid out from: its origin on the face, the signs of the X
// and U progressions, an optional slope (rise over run) and the side on which the pattern lies
// ('A' above, 'B' below, 'C' centred on it; 'H' until it is placed).
// Its screen geometry (device units, DeviceUnits.h) follows every change and is never archived.

#include "fw/core/Geometry.h"
#include "model/DimTPoint.h"
#include "records/Dimension.h"

#include <optional>

namespace fw {
class DrawContext;
}

class CRefPlane : public fw::Object {
    FW_DECLARE_SERIAL(CRefPlane)
public:
    CRefPlane();
    CRefPlane(const CRefPlane& other) : fw::Object() { CopyFrom(other); }
    CRefPlane& operator=(const CRefPlane& other)
    {
        CopyFrom(other);
        return *this;
    }

    // Stores the plane and applies the slope rule: a run without a rise, or a rise without a
    // run unless the type is 'C', clears both.
    void Set(double startX, double startU, char xDirection, char uDirection, double rise, double run, char type);
    // Whether the directions are '+' or '-' and the type one of 'A', 'B', 'C', 'H': what a stored
    // plane may hold.
    static bool IsKnown(char xDirection, char uDirection, char type);
    // The same from dialog indexes: direction 1 '-', other '+'; type 1 'B', 2 'C', other 'A'.
    void SetFromDialog(double startX, double startU, int xDirection, int uDirection, double rise, double run,
                       int typeIndex);

    // 'A' 0, 'B' 1, 'C' 2; none for a plane that was never placed.
    std::optional<int> GetPatternTypeIndex() const;
    bool IsEqual(const CRefPlane& other) const;
    void CopyFrom(const CRefPlane& other);
    // Mirrors the plane end for end about a part of that length.
    void MirrorX(double length);
    // Turns the plane over across a face of that width.
    void FlopU(double width);
    std::string GetRiseText() const { return rise_.GetString(); }
    // The measuring system the four lengths show their values in (CDimension::SetUnits).
    void SetUnits(int system);

    const CDimension& GetStartX() const { return startX_; }
    const CDimension& GetStartU() const { return startU_; }
    const CDimension& GetRise() const { return rise_; }
    const CDimension& GetRun() const { return run_; }
    char GetXDirection() const { return xDirection_; }
    char GetUDirection() const { return uDirection_; }
    char GetPatternType() const { return type_; }
    // +1 or -1.
    int GetXSign() const { return xSign_; }
    int GetUSign() const { return uSign_; }
    bool IsVertical() const { return run_ == 0.0 && rise_ != 0.0; }

    // Screen geometry in device units.
    fw::Point GetOrigin() const { return origin_; }
    fw::Point GetSlopeEnd() const { return slopeEnd_; }
    fw::Point GetCrossStart() const { return crossStart_; }
    fw::Point GetCrossEnd() const { return crossEnd_; }
    const CDimTPoint& GetCornerPoint() const { return cornerPoint_; }

    // The slope line from the origin, then the cross line, in a dashed red pen.
    void Draw(fw::DrawContext& dc) const;

    // Start X, start U, X direction, U direction (bytes), rise, run, type (byte).
    // Whether start X, start U, rise and run are within fw::kMaxInches.
    bool IsSane() const;

    void Serialize(fw::Archive& ar) override;

private:
    void ApplySlopeRule();
    void Recompute();

    CDimension startX_;
    CDimension startU_;
    char xDirection_ = '+';
    char uDirection_ = '+';
    CDimension rise_;
    CDimension run_;
    char type_ = 'H';

    fw::Point origin_;
    fw::Point slopeEnd_;
    fw::Point crossStart_;
    fw::Point crossEnd_;
    int xSign_ = 1;
    int uSign_ = 1;
    CDimTPoint cornerPoint_;
};

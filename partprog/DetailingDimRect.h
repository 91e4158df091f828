#pragma once
// The six dimension kinds: origin to reference plane, reference plane to first element and
// first to last element, each along X and in U. Each builds its rectangle from the measured
// distance (corners 1 and 4 at the distance's ends on the dimension line, corners 2 and 3 one
// level further out), and draws its extension lines, ticks, line and value.

#include "partprog/DetailingObject.h"

class CDetailingDimRect : public CDetailingObject {
public:
    // Nothing when the distance is 0 or the pattern has a single element along it; else the
    // value text, level, rectangle, fits flag and the own member.
    bool Build() override;
    // One step outward: at plane angle 0 (and always for origin to plane) straight away from the
    // face, a level (16 units for first to last) along X or 16 units in U; at an angle a level
    // along the rectangle's first edge, from corner 1 toward corner 2.
    void MoveOut() override;
    // Extension lines, ticks at both ends, then the line (or the stubs of a long line).
    void Draw() override;

protected:
    CDetailingDimRect(Kind kind, bool alongX) : CDetailingObject(kind, alongX, false) {}

    // How the reference plane lies: without a slope, with rise and no run (its X axis across the
    // face), or at an angle.
    enum class Lie { horizontal, vertical, angled };
    Lie GetLie() const;
    // A plane whose X axis runs across the face swaps what kinds 2 and 3 measure.
    bool SwapsAxes() const { return HasVerticalAxis(); }
    bool IsCentredVertical() const { return IsCentred() && HasVerticalAxis(); }
    // F2 of a centred pattern, else the plane's corner point.
    CDimTPoint SecondFirstOrPlane() const;

    // Corners a + near n, a + far n, b + far n, b + near n (n a unit direction).
    void SetRectAlong(const CDimTPoint& a, const CDimTPoint& b, const CDimTPoint& n, double near, double far);
    // For a plane at an angle: the line runs parallel to the measured axis (the plane's X axis
    // along X, its U axis in U), on the outer side (toward negative y along X, negative x in U),
    // the line offset beyond the farthest of the pattern's corners and the plane's corner point;
    // corners 1 and 4 are a and b carried onto that line.
    void SetRectAngled(const CDimTPoint& a, const CDimTPoint& b);
    void SetRectAlongX(double xa, double xb, double near, double far) { SetRectAlong({xa, 0}, {xb, 0}, {0, -1}, near, far); }
    void SetRectInU(double ya, double yb, double near, double far) { SetRectAlong({0, ya}, {0, yb}, {-1, 0}, near, far); }

    // Corner n (1 to 4) of the rectangle, work point n.
    const CDimTPoint& C(int n) const { return GetRect().GetCorner(n - 1); }
    const CDimTPoint& W(int n) const { return GetWorkPoint(n); }

private:
    // The kind's rectangle.
    virtual void Layout() = 0;
    virtual void DrawExtensionLines() const = 0;

    // Whether the distance measured runs along X (after the swap of kinds 2 and 3).
    bool MeasuresX() const;
    bool Exists() const;
    std::string MakeText() const;
    bool TextFits() const;
};

class CDetailingDimRectOrgToRef final : public CDetailingDimRect {
public:
    CDetailingDimRectOrgToRef() : CDetailingDimRect(originToPlane, true) {}

private:
    void Layout() override;
    void DrawExtensionLines() const override;
};

class CDetailingDimRectOrgToRefU final : public CDetailingDimRect {
public:
    CDetailingDimRectOrgToRefU() : CDetailingDimRect(originToPlane, false) {}

private:
    void Layout() override;
    void DrawExtensionLines() const override;
};

class CDetailingDimRectRefTo1st final : public CDetailingDimRect {
public:
    CDetailingDimRectRefTo1st() : CDetailingDimRect(planeToFirst, true) {}

private:
    void Layout() override;
    void DrawExtensionLines() const override;
};

class CDetailingDimRectRefTo1stU final : public CDetailingDimRect {
public:
    CDetailingDimRectRefTo1stU() : CDetailingDimRect(planeToFirst, false) {}

private:
    void Layout() override;
    void DrawExtensionLines() const override;
};

class CDetailingDimRect1stToLast final : public CDetailingDimRect {
public:
    CDetailingDimRect1stToLast() : CDetailingDimRect(firstToLast, true) {}

private:
    void Layout() override;
    void DrawExtensionLines() const override;
};

class CDetailingDimRect1stToLastU final : public CDetailingDimRect {
public:
    CDetailingDimRect1stToLastU() : CDetailingDimRect(firstToLast, false) {}

private:
    void Layout() override;
    void DrawExtensionLines() const override;
};

#pragma once
// Value labels: a dimension's value shown on a short underline beside and beyond the dimension,
// with a thin leader back to it, for a value text that does not fit on its dimension line.
// CDetailingTextRect labels the dimensions along X, CDetailingTextRectU those in U.

#include "partprog/DetailingObject.h"

class CDetailingTextRect : public CDetailingObject {
public:
    CDetailingTextRect() : CDetailingTextRect(true) {}

    // Takes the dimension's pattern, context, face, value text and kind; false (and the label
    // stays empty) when that text is empty.
    bool InitLabel(CDetailingObject& dimension) override;
    // Steps away from the owner until the label lies a level beyond every corner of the owner
    // and of the owner's cover box; at least one step.
    void MoveOut() override;
    // The leader, the underline and the text.
    void Draw() override;
    CDetailingObject* GetOwner() const override { return owner_; }

protected:
    explicit CDetailingTextRect(bool alongX) : CDetailingObject(noKind, alongX, true) {}

    // Sign of the growth along x: the plane's X direction.
    double GrowthSign() const;
    CDetailingObject& Owner() const { return *owner_; }

private:
    // The label's rectangle for a text of that width.
    virtual CDimRect MakeRect(int textWidth) const;
    virtual CDimTPoint Step() const;
    // The coordinate that moving out decreases: y along X, x in U.
    double Across(const CDimTPoint& p) const { return IsAlongX() ? p.GetY() : p.GetX(); }
    // The owner's least coordinate over its cover box, as a whole logical unit.
    double OwnerCoverLeast() const;
    // Whether the label is not yet a level beyond the owner's corners (first corner) and the
    // owner's cover box (every corner).
    bool TooClose() const;

    CDetailingObject* owner_ = nullptr;
};

class CDetailingTextRectU final : public CDetailingTextRect {
public:
    CDetailingTextRectU() : CDetailingTextRect(false) {}

private:
    CDimRect MakeRect(int textWidth) const override;
    CDimTPoint Step() const override;
};

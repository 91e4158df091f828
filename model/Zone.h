#pragma once
// A closed range of lengths on one axis of a face. The bounds are normally ordered; the
// comparing operations accept either order.

#include "records/Dimension.h"

class CZone : public fw::Object {
    FW_DECLARE_SERIAL(CZone)
public:
    CZone() = default;
    CZone(double a, double b) { SetRange(a, b); }

    // The smaller value becomes the low bound.
    void SetRange(double a, double b);
    // Swaps the bounds (values with their units) when high < low.
    void Normalize();
    // Whether x lies in the range, the bounds included.
    bool Contains(double x) const;
    // Whether both ranges, each taken in order, have exactly the same bounds.
    bool IsEqual(const CZone& other) const;
    // Copies the other range in order.
    void Assign(const CZone& other);
    // Grows this range (put in order) to cover the other one and anything between them.
    void Extend(const CZone& other);

    const CDimension& GetLow() const { return low_; }
    const CDimension& GetHigh() const { return high_; }
    CDimension& GetLow() { return low_; }
    CDimension& GetHigh() { return high_; }

    // Low bound, then high bound.
    void Serialize(fw::Archive& ar) override;

private:
    const CDimension& OrderedLow() const { return high_ < low_ ? high_ : low_; }
    const CDimension& OrderedHigh() const { return high_ < low_ ? low_ : high_; }

    CDimension low_;
    CDimension high_;
};

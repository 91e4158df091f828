#pragma once
// One dimension or value label of a detailing run: what it stands for (its patterns and their
// corner elements), the area it occupies on the face view (logical units, 1/16 inch) and how
// it is measured, moved and drawn. The six dimension kinds are CDetailingDimRect*, the two
// labels CDetailingTextRect*.
//
// Orientation: logical x runs along the part, logical y across the face. Dimensions along X
// stand at negative y (beyond the face's U = 0 edge) and move further that way; dimensions in
// U stand at negative x (before the part's start) and move further that way.

#include "partprog/DimRect.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class CPattern;
class CRefPlane;

namespace fw {
class DrawContext;
}

// What detailing reads of the face view it draws on: the face depth D and the part length L,
// in logical units.
struct DetailingFace {
    int depth = 0;
    int length = 0;
};

class CDetailingObject {
public:
    enum Kind { noKind = 0, originToPlane = 1, planeToFirst = 2, firstToLast = 3 };

    // Corner elements: set 1 is (first X, last U), (first X, first U), (last X, first U),
    // (last X, last U); set 2 the same for the second half of a centred pattern.
    static constexpr int kCornerCount = 8;
    using Corners = std::array<CDimTPoint, kCornerCount>;
    // A pattern this object stands for, with its corner elements.
    struct Member {
        const CPattern* pattern = nullptr;
        Corners corners;
    };
    static constexpr int kMaxMembers = 100;
    static constexpr int kWorkPointCount = 24;
    // Clearance that placement keeps between an object and the box of its patterns' corners.
    static constexpr double kCoverClearance = 15.0;
    // The most steps one move of placement takes; geometry that can never separate stops there.
    static constexpr int kMaxSteps = 4096;
    // Geometry beyond this many logical units (about a mile) is not dimensioned.
    static constexpr double kMaxCoordinate = 1.0e6;

    virtual ~CDetailingObject() = default;
    CDetailingObject(const CDetailingObject&) = delete;
    CDetailingObject& operator=(const CDetailingObject&) = delete;

    // Takes the pattern, context and face, prepares the pattern's geometry and builds the
    // object; false when there is nothing to dimension (the caller then discards it).
    bool Init(const CPattern& pattern, fw::DrawContext& dc, const DetailingFace& face);

    virtual void Draw() {}
    // Makes this label show the value of a dimension; false when that value text is empty.
    virtual bool InitLabel(CDetailingObject& dimension);
    virtual bool Build() { return false; }
    // One step of placement away from the patterns.
    virtual void MoveOut() {}
    // The dimension a label shows; none for a dimension.
    virtual CDetailingObject* GetOwner() const { return nullptr; }

    // Writes the value text on the dimension line (dimensions whose text fits).
    void DrawText();
    // The level spacing from the value text in the context's current font: 16, or the text
    // height + 2 for text higher than 16.
    void SetLevel();
    // atan2(rise, run) of the reference plane when both are non-zero, else 0.
    double GetAngle() const { return angle_; }
    // Offset of the dimension line from the measured points, by plane type, kind and U sign.
    int GetLineOffset() const;
    // Adds the other object's pattern and corner elements to the members (at most kMaxMembers).
    void AddMember(const CDetailingObject& other);
    // The six groups of four extreme points over the members' corners (see the .cpp).
    void ComputeCoverBox();
    // Whether every corner lies beyond the cover box (the owner's, for a label) by the
    // clearance, on one side.
    bool IsClearOfCover() const;
    bool Overlaps(const CDetailingObject& other) const { return rect_.Overlaps(other.rect_); }
    void Translate(double dx, double dy) { rect_.Translate(dx, dy); }

    const CPattern* GetPattern() const { return pattern_; }
    const CDimRect& GetRect() const { return rect_; }
    // The dimension line, corner 4 to corner 1, its length and its middle (the text anchor).
    const CDimLineSegment& GetLine() const { return rect_.GetEdge(3); }
    double GetLineLength() const { return GetLine().GetLength(); }
    const CDimTPoint& GetAnchor() const { return GetLine().GetThird(); }
    const CDimTPoint& GetCorner(int index) const { return corners_[index]; }
    const CDimTPoint& GetWorkPoint(int index) const { return work_[index]; }
    const std::vector<Member>& GetMembers() const { return members_; }
    Kind GetKind() const { return kind_; }
    std::string GetText() const { return text_; }
    bool Fits() const { return fits_; }
    bool IsLabel() const { return isLabel_; }
    bool IsAlongX() const { return alongX_; }
    int GetLevel() const { return level_; }
    int GetTextWidthOnLine() const { return textWidthOnLine_; }

    // Draws from now on through dc, which maps as the one the object was made with.
    void Rebind(fw::DrawContext& dc) { dc_ = &dc; }

protected:
    CDetailingObject(Kind kind, bool alongX, bool isLabel);

    // Corner elements and the plane's axis lines; false when the pattern has no element or its
    // geometry lies beyond kMaxCoordinate.
    bool Prepare();
    void TakeContext(const CPattern& pattern, fw::DrawContext& dc, const DetailingFace& face);
    // A label takes its dimension's pattern, context, face, value text and kind.
    void TakeOwnerValues(const CDetailingObject& owner);
    void SetText(std::string text)
    {
        text_ = std::move(text);
        label_.reset();
    }
    void SetRect(const CDimRect& rect) { rect_ = rect; }
    void SetFits(bool fits) { fits_ = fits; }
    void SetOwnMember();
    // Widens the work points by one member's points.
    void AddToCover(const Member& member);

    const CRefPlane& Plane() const;
    fw::DrawContext& Dc() const { return *dc_; }
    // The plane's point P and its corner point R, in logical units.
    CDimTPoint PlanePoint() const;
    CDimTPoint PlaneCorner() const;
    // E1 to E4 (set 1) and F1 to F4 (set 2, unset outside a centred pattern), numbered from 1.
    const CDimTPoint& E(int n) const { return corners_[n - 1]; }
    const CDimTPoint& F(int n) const { return corners_[n + 3]; }
    const CDimLineSegment& XAxis() const { return xAxis_; }
    const CDimLineSegment& UAxis() const { return uAxis_; }
    bool IsCentred() const;
    // The plane's X axis runs across the face (a plane with rise and no run).
    bool HasVerticalAxis() const { return xAxis_.IsVertical(); }
    // A line between two points in the current pen, at their drawn coordinates.
    void DrawLine(const CDimTPoint& from, const CDimTPoint& to) const;
    // Whether the dimension line is long enough to carry the value near both ends: longer than
    // a quarter of a part longer than 220 units, and than six widths of the bracketed text.
    bool IsLongLine(int bracketedTextWidth) const;

private:
    double TextAngle() const;
    int Escapement(double angle) const;
    // The value text as drawn, measured once in the text font: it keeps while the object does,
    // as the object is made again when the view's scale changes.
    struct Label {
        std::string bracketed;   // "<" + text + ">"
        int bracketedWidth;
        int width;
    };
    const Label& MeasuredLabel();

    const CPattern* pattern_ = nullptr;
    fw::DrawContext* dc_ = nullptr;
    DetailingFace face_;
    CDimRect rect_;
    Corners corners_;
    Kind kind_;
    std::string text_;
    std::optional<Label> label_;
    int textWidthOnLine_ = 0;
    bool fits_ = false;
    bool isLabel_;
    bool alongX_;
    CDimLineSegment xAxis_;
    CDimLineSegment uAxis_;
    double angle_ = 0.0;
    std::vector<Member> members_;
    std::array<CDimTPoint, kWorkPointCount> work_;
    int level_ = 0;
};

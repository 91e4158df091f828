#include "model/Pattern.h"

#include "fw/core/Archive.h"
#include "fw/core/Drawing.h"
#include "fw/core/SaneLength.h"
#include "model/DeviceUnits.h"
#include "model/ToolLibrary.h"

#include <algorithm>
#include <cmath>

FW_IMPLEMENT_SERIAL(CPattern, fw::Object, 1)

namespace {

constexpr int kAbove[] = {CPattern::above};
constexpr int kBelow[] = {CPattern::below};
constexpr int kCentred[] = {CPattern::centredFirst, CPattern::centredSecond};

bool IsFirstSide(int placement) { return placement == CPattern::above || placement == CPattern::centredFirst; }

// The placement on the other side of the plane, for a mirrored U direction or slope.
int OtherSide(int placement) { return IsFirstSide(placement) ? CPattern::below : CPattern::above; }

// The stock brushes of the operations: black holes, dark gray front and gray back layouts.
fw::Brush OperationBrush(int operation)
{
    switch (operation) {
    case CPattern::hole: return {fw::BrushStyle::Solid, fw::Rgb(0, 0, 0)};
    case CPattern::frontLayout: return {fw::BrushStyle::Solid, fw::Rgb(64, 64, 64)};
    default: return {fw::BrushStyle::Solid, fw::Rgb(128, 128, 128)};
    }
}

// A tool form with no data stands for a pattern without a tool.
bool IsEmptyTool(const CPartTool& tool)
{
    return tool.GetSizeA() == 0.0 && tool.GetSizeB() == 0.0 && tool.GetType().empty() && tool.GetOrientation() == 0 &&
           tool.GetShortName().empty();
}

double FiniteDouble(fw::Archive& ar)
{
    const double value = ar.ReadDouble();
    if (!std::isfinite(value))
        throw fw::ArchiveException(fw::ArchiveException::badValue, "pattern box is not a number");
    return value;
}

} // namespace

CPattern::CPattern(double startX, double startU, int countX, double incrementX, int countU, double incrementU,
                   int operation, const CRefPlane* plane, const CPartTool* tool, int measuringSystem)
    : countX_(countX), countU_(countU), operation_(operation)
{
    startX_.SetValue(startX);
    startU_.SetValue(startU);
    incrementX_.SetValue(incrementX);
    incrementU_.SetValue(incrementU);
    SetUnits(measuringSystem);
    if (tool)
        SetTool(*tool);
    if (plane) {
        plane_.CopyFrom(*plane);
        ComputeBox();
    }
}

void CPattern::CopyFrom(const CPattern& other)
{
    startX_.SetValue(other.startX_.GetValue());
    startU_.SetValue(other.startU_.GetValue());
    incrementX_.SetValue(other.incrementX_.GetValue());
    incrementU_.SetValue(other.incrementU_.GetValue());
    countX_ = other.countX_;
    countU_ = other.countU_;
    operation_ = other.operation_;
    plane_.CopyFrom(other.plane_);
    if (other.tool_) {
        SetTool(*other.tool_);
    } else {
        tool_.reset();
        toolKind_ = other.toolKind_;
    }
    ComputeBox();
}

void CPattern::SetTool(const CPartTool& tool)
{
    tool_ = CPartTool::CopyOfKind(tool);
    toolKind_ = tool_->GetKind();
}

void CPattern::SetUnits(int system)
{
    for (CDimension* length : {&startX_, &startU_, &incrementX_, &incrementU_}) {
        length->SetUnits(system);
        length->UpdateFromValue();
    }
}

bool CPattern::IsEqual(const CPattern& other) const
{
    const bool sameTools = tool_ && other.tool_ ? tool_->IsEqual(*other.tool_) : !tool_ && !other.tool_;
    return startX_ == other.startX_.GetValue() && startU_ == other.startU_.GetValue() && countX_ == other.countX_ &&
           countU_ == other.countU_ && incrementX_ == other.incrementX_.GetValue() &&
           incrementU_ == other.incrementU_.GetValue() && operation_ == other.operation_ &&
           plane_.IsEqual(other.plane_) && sameTools;
}

void CPattern::SetToolFlag(int which)
{
    if (tool_ && (toolKind_ == CPartTool::kindER || toolKind_ == CPartTool::kindCR))
        tool_->SetOrientationFlag(which);
}

std::span<const int> CPattern::Placements() const
{
    switch (plane_.GetPatternType()) {
    case 'A': return kAbove;
    case 'B': return kBelow;
    case 'C': return kCentred;
    default: return {};
    }
}

// Positions along and across the plane, signed by its directions; a vertical plane lays the X
// progression along U; a sloped one turns the grid by the slope, each sign of direction, rise
// and run mirroring the picture.
void CPattern::GetElementPosition(int i, int j, int placement, double& x, double& u) const
{
    const double sx = plane_.GetXDirection() == '+' ? 1.0 : -1.0;
    const double su = plane_.GetUDirection() == '+' ? 1.0 : -1.0;
    const bool halved = placement == centredFirst || placement == centredSecond;
    const bool negated = placement == below || placement == centredSecond;
    const double u0 = halved ? startU_.GetValue() / 2 : startU_.GetValue();
    const double along = startX_.GetValue() + i * incrementX_.GetValue();
    const double across = u0 + j * incrementU_.GetValue();
    const double rise = plane_.GetRise().GetValue();
    const double run = plane_.GetRun().GetValue();

    if (rise == 0.0 && run == 0.0) {
        x = sx * along;
        u = su * across * (negated ? -1 : 1);
    } else if (run == 0.0) {
        u = sx * along * (rise < 0 ? -1 : 1);
        x = su * across * (negated ? -1 : 1);
    } else if (sx > 0) {
        if (su > 0)
            SlopePosition(i, j, placement, u0, rise, run, x, u);
        else
            SlopePosition(i, j, OtherSide(placement), u0, -rise, run, x, u);
    } else {
        if (su > 0)
            SlopePosition(i, j, placement, u0, rise, -run, x, u);
        else
            SlopePosition(i, j, OtherSide(placement), u0, -rise, -run, x, u);
    }
    x += plane_.GetStartX().GetValue();
    u += plane_.GetStartU().GetValue();
}

void CPattern::SlopePosition(int i, int j, int placement, double u0, double rise, double run, double& x,
                             double& u) const
{
    if (rise > 0 && run > 0) {
        RotatePosition(i, j, placement, u0, rise, run, x, u);
    } else if (rise < 0 && run > 0) {
        RotatePosition(i, j, OtherSide(placement), u0, -rise, run, x, u);
        u = -u;
    } else if (rise < 0 && run < 0) {
        RotatePosition(i, j, OtherSide(placement), u0, -rise, -run, x, u);
        u = -u;
        x = -x;
    } else {
        RotatePosition(i, j, placement, u0, rise, -run, x, u);
        x = -x;
    }
}

void CPattern::RotatePosition(int i, int j, int placement, double u0, double rise, double run, double& x,
                              double& u) const
{
    const double angle = std::atan(rise / run);
    const double s = IsFirstSide(placement) ? 1.0 : -1.0;
    const double a = startX_.GetValue() + i * incrementX_.GetValue();
    const double b = s * (u0 + j * incrementU_.GetValue());
    x = a * std::cos(angle) - b * std::sin(angle);
    u = b * std::cos(angle) + a * std::sin(angle);
}

// An element's position is affine in (i, j) in every placement, so the corner elements of the
// grid span the box of them all: the cost does not grow with the element count.
void CPattern::ComputeBox()
{
    if (countX_ <= 0 || countU_ <= 0)
        return;
    bool first = true;
    for (const int i : {0, countX_ - 1})
        for (const int j : {0, countU_ - 1})
            for (const int placement : Placements()) {
                double x = 0, u = 0;
                GetElementPosition(i, j, placement, x, u);
                if (first)
                    box_ = FaceBox::At(x, u);
                else
                    box_.Add(x, u);
                first = false;
            }
}

bool CPattern::IsSane() const
{
    return fw::AreSaneInches({startX_.GetValue(), startU_.GetValue(), incrementX_.GetValue(), incrementU_.GetValue(),
                              box_.minX, box_.minU, box_.maxX, box_.maxU}) &&
           plane_.IsSane();
}

PatternGrid CPattern::GridOf(int placement) const
{
    PatternGrid grid;
    GetElementPosition(0, 0, placement, grid.origin.x, grid.origin.u);
    PatternGrid::Vector next;
    GetElementPosition(1, 0, placement, next.x, next.u);
    grid.stepX = {next.x - grid.origin.x, next.u - grid.origin.u};
    GetElementPosition(0, 1, placement, next.x, next.u);
    grid.stepU = {next.x - grid.origin.x, next.u - grid.origin.u};
    grid.countX = countX_;
    grid.countU = countU_;
    return grid;
}

void CPattern::DrawElement(double x, double u, fw::DrawContext& dc) const
{
    if (tool_)
        tool_->Draw(x, u, operation_, dc);
    else
        CPartTool::DrawMarker(x, u, dc);
}

void CPattern::Draw(fw::DrawContext& dc, const fw::Rect& clip) const
{
    if (Placements().empty() || countX_ <= 0 || countU_ <= 0)
        return;
    // The clip in inches, widened by what an element drawn outside it may reach into it.
    const double reach =
        1.0 + (tool_ ? std::max(std::abs(tool_->GetSizeA().GetValue()), std::abs(tool_->GetSizeB().GetValue())) : 0.0);
    const double unit = kDeviceUnitsPerInch;
    const PatternGrid::Vector min{std::min(clip.left, clip.right) / unit - reach,
                                  std::min(clip.top, clip.bottom) / unit - reach};
    const PatternGrid::Vector max{std::max(clip.left, clip.right) / unit + reach,
                                  std::max(clip.top, clip.bottom) / unit + reach};
    const fw::Brush previous = dc.SelectBrush(OperationBrush(operation_));
    const auto point = [](PatternGrid::Vector v) { return InchesToDevice(v.x, v.u); };
    for (const int placement : Placements()) {
        const PatternGrid grid = GridOf(placement);
        const bool denseX = countX_ > 1 && PatternGrid::Pixels(dc, grid.stepX) < 1.0;
        const bool denseU = countU_ > 1 && PatternGrid::Pixels(dc, grid.stepU) < 1.0;
        PatternGrid::Range is, js;
        grid.Within(min, max, is, js);
        if (denseX && (denseU || countU_ == 1)) {
            const fw::Point outline[] = {point(grid.At(0, 0)), point(grid.At(countX_ - 1, 0)),
                                         point(grid.At(countX_ - 1, countU_ - 1)), point(grid.At(0, countU_ - 1))};
            dc.Polygon(outline);
        } else if (denseX || denseU) {
            // Rows (or columns) of elements closer than a pixel: one line each.
            const PatternGrid::Range lines = denseX ? js : is;
            for (int k = lines.lo; k <= lines.hi; ++k) {
                dc.MoveTo(point(denseX ? grid.At(0, k) : grid.At(k, 0)));
                dc.LineTo(point(denseX ? grid.At(countX_ - 1, k) : grid.At(k, countU_ - 1)));
            }
        } else {
            for (int i = is.lo; i <= is.hi; ++i)
                for (int j = js.lo; j <= js.hi; ++j) {
                    double x = 0, u = 0;
                    GetElementPosition(i, j, placement, x, u);
                    DrawElement(x, u, dc);
                }
        }
    }
    dc.SelectBrush(previous);
}

void CPattern::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

void CPattern::Store(fw::Archive& ar)
{
    startX_.Serialize(ar);
    startU_.Serialize(ar);
    ar << std::int32_t(countX_) << std::int32_t(countU_);
    incrementX_.Serialize(ar);
    incrementU_.Serialize(ar);
    ar << std::int32_t(operation_);
    plane_.Serialize(ar);
    ar << std::int32_t(toolKind_);
    if (tool_)
        tool_->Serialize(ar);
    else
        CPartToolRD().Serialize(ar);
    ar << box_.minX << box_.minU << box_.maxX << box_.maxU;
}

void CPattern::Load(fw::Archive& ar)
{
    startX_.Serialize(ar);
    startU_.Serialize(ar);
    countX_ = ar.ReadLong();
    countU_ = ar.ReadLong();
    const bool countsOk = countX_ >= 0 && countU_ >= 0 && countX_ <= kMaxCount && countU_ <= kMaxCount &&
                          (long long)countX_ * countU_ <= kMaxElements;
    if (!countsOk)
        throw fw::ArchiveException(fw::ArchiveException::badValue, "pattern element count out of range");
    incrementX_.Serialize(ar);
    incrementU_.Serialize(ar);
    operation_ = ar.ReadLong();
    if (operation_ < hole || operation_ > backLayout)
        throw fw::ArchiveException(fw::ArchiveException::badValue, "unknown pattern operation");
    plane_.Serialize(ar);
    toolKind_ = ar.ReadLong();
    tool_ = CPartTool::CreateOfKind(toolKind_);
    tool_->Serialize(ar);
    if (IsEmptyTool(*tool_))
        tool_.reset();
    box_.minX = FiniteDouble(ar);
    box_.minU = FiniteDouble(ar);
    box_.maxX = FiniteDouble(ar);
    box_.maxU = FiniteDouble(ar);
    ComputeBox();
    // Finite lengths may still place an element beyond what a double holds.
    if (!std::isfinite(box_.minX) || !std::isfinite(box_.minU) || !std::isfinite(box_.maxX) ||
        !std::isfinite(box_.maxU))
        throw fw::ArchiveException(fw::ArchiveException::badValue, "pattern box is not a number");
}

void CPattern::RefreshTool(ToolLibrary& library)
{
    if (operation_ != hole || !tool_)
        return;
    if (std::optional<ToolRecord> record = library.LoadTool(tool_->GetShortName()))
        tool_->SetToolRecord(*record);
}

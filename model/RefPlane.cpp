#include "model/RefPlane.h"

#include "fw/core/Archive.h"
#include "fw/core/Drawing.h"
#include "fw/core/SaneLength.h"
#include "model/DeviceUnits.h"

#include <algorithm>
#include <cmath>
#include <string_view>

FW_IMPLEMENT_SERIAL(CRefPlane, fw::Object, 1)

namespace {

constexpr double kSlopeLineInches = 36.0;
constexpr double kCrossLineInches = 12.0;
char DirectionFromIndex(int index) { return index == 1 ? '-' : '+'; }

char TypeFromIndex(int index)
{
    switch (index) {
    case 1: return 'B';
    case 2: return 'C';
    default: return 'A';
    }
}

// A direction of `length` inches along (1, slope), reversed when `reverse`.
std::pair<double, double> Along(double slope, double length, bool reverse)
{
    const double scale = length / std::hypot(1.0, slope);
    const double sign = reverse ? -1.0 : 1.0;
    return {sign * scale, sign * scale * slope};
}

} // namespace

CRefPlane::CRefPlane() { Recompute(); }

bool CRefPlane::IsKnown(char xDirection, char uDirection, char type)
{
    const auto isDirection = [](char c) { return c == '+' || c == '-'; };
    return isDirection(xDirection) && isDirection(uDirection) && std::string_view("ABCH").find(type) != std::string_view::npos;
}

void CRefPlane::SetUnits(int system)
{
    for (CDimension* length : {&startX_, &startU_, &rise_, &run_}) {
        length->SetUnits(system);
        length->UpdateFromValue();
    }
}

void CRefPlane::Set(double startX, double startU, char xDirection, char uDirection, double rise, double run, char type)
{
    startX_.SetValue(startX);
    startU_.SetValue(startU);
    xDirection_ = xDirection;
    uDirection_ = uDirection;
    rise_.SetValue(rise);
    run_.SetValue(run);
    type_ = type;
    ApplySlopeRule();
    Recompute();
}

void CRefPlane::SetFromDialog(double startX, double startU, int xDirection, int uDirection, double rise, double run,
                              int typeIndex)
{
    Set(startX, startU, DirectionFromIndex(xDirection), DirectionFromIndex(uDirection), rise, run,
        TypeFromIndex(typeIndex));
}

void CRefPlane::ApplySlopeRule()
{
    const bool runWithoutRise = rise_ == 0.0 && run_ != 0.0;
    const bool riseWithoutRun = rise_ != 0.0 && run_ == 0.0 && type_ != 'C';
    if (runWithoutRise || riseWithoutRun) {
        rise_.SetValue(0.0);
        run_.SetValue(0.0);
    }
}

std::optional<int> CRefPlane::GetPatternTypeIndex() const
{
    switch (type_) {
    case 'A': return 0;
    case 'B': return 1;
    case 'C': return 2;
    default: return std::nullopt;
    }
}

bool CRefPlane::IsEqual(const CRefPlane& other) const
{
    return startX_ == other.startX_.GetValue() && startU_ == other.startU_.GetValue() &&
           xDirection_ == other.xDirection_ && uDirection_ == other.uDirection_ &&
           rise_ == other.rise_.GetValue() && run_ == other.run_.GetValue() && type_ == other.type_;
}

bool CRefPlane::IsSane() const
{
    return fw::AreSaneInches({startX_.GetValue(), startU_.GetValue(), rise_.GetValue(), run_.GetValue()});
}

void CRefPlane::CopyFrom(const CRefPlane& other)
{
    startX_.Assign(other.startX_);
    startU_.Assign(other.startU_);
    xDirection_ = other.xDirection_;
    uDirection_ = other.uDirection_;
    rise_.Assign(other.rise_);
    run_.Assign(other.run_);
    type_ = other.type_;
    origin_ = other.origin_;
    slopeEnd_ = other.slopeEnd_;
    crossStart_ = other.crossStart_;
    crossEnd_ = other.crossEnd_;
    xSign_ = other.xSign_;
    uSign_ = other.uSign_;
    cornerPoint_ = other.cornerPoint_;
}

void CRefPlane::MirrorX(double length)
{
    startX_.SetValue(length - startX_.GetValue());
    if (!IsVertical())
        xDirection_ = xDirection_ == '+' ? '-' : '+';
    Recompute();
}

void CRefPlane::FlopU(double width)
{
    startU_.SetValue(width - startU_.GetValue());
    char& flipped = IsVertical() ? xDirection_ : uDirection_;
    flipped = flipped == '+' ? '-' : '+';
    Recompute();
}

void CRefPlane::Recompute()
{
    xSign_ = xDirection_ == '+' ? 1 : -1;
    uSign_ = uDirection_ == '+' ? 1 : -1;
    const double rise = rise_.GetValue();
    const double run = run_.GetValue();
    const auto offset = [this](std::pair<double, double> d) {
        return fw::Point{InchesToDevice(xSign_ * d.first), InchesToDevice(uSign_ * d.second)};
    };

    origin_ = {InchesToDevice(startX_.GetValue()), InchesToDevice(startU_.GetValue())};
    cornerPoint_ = CDimTPoint(origin_.x, origin_.y);

    std::pair<double, double> slope{kSlopeLineInches, 0.0};
    if (IsVertical())
        slope = {0.0, rise >= 0 ? kSlopeLineInches : -kSlopeLineInches};
    else if (run != 0.0)
        slope = Along(rise / run, kSlopeLineInches, run < 0);
    slopeEnd_ = origin_ + offset(slope);

    std::pair<double, double> cross{0.0, kCrossLineInches};
    if (rise != 0.0)
        cross = run == 0.0 ? std::pair{kCrossLineInches, 0.0} : Along(-run / rise, kCrossLineInches, run < 0);
    switch (type_) {
    case 'A':
        crossStart_ = origin_;
        crossEnd_ = origin_ + offset(cross);
        break;
    case 'B':
        crossStart_ = origin_;
        crossEnd_ = origin_ + offset({-cross.first, -cross.second});
        break;
    default:
        crossStart_ = origin_ + offset({-cross.first / 2, -cross.second / 2});
        crossEnd_ = origin_ + offset({cross.first / 2, cross.second / 2});
        break;
    }
}

void CRefPlane::Draw(fw::DrawContext& dc) const
{
    const fw::Pen previous = dc.SelectPen({fw::PenStyle::Dash, 0, fw::Rgb(255, 0, 0)});
    dc.MoveTo(origin_);
    dc.LineTo(slopeEnd_);
    dc.MoveTo(crossStart_);
    dc.LineTo(crossEnd_);
    dc.SelectPen(previous);
}

void CRefPlane::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring()) {
        startX_.Serialize(ar);
        startU_.Serialize(ar);
        ar << std::uint8_t(xDirection_) << std::uint8_t(uDirection_);
        rise_.Serialize(ar);
        run_.Serialize(ar);
        ar << std::uint8_t(type_);
        return;
    }
    startX_.Serialize(ar);
    startU_.Serialize(ar);
    xDirection_ = char(ar.ReadByte());
    uDirection_ = char(ar.ReadByte());
    rise_.Serialize(ar);
    run_.Serialize(ar);
    type_ = char(ar.ReadByte());
    if (!IsKnown(xDirection_, uDirection_, type_))
        throw fw::ArchiveException(fw::ArchiveException::badValue, "reference plane with an unknown direction or type");
    Recompute();
}

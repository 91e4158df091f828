#include "model/StencilPattern.h"

#include "fw/core/Archive.h"
#include "fw/core/Drawing.h"
#include "fw/core/SaneLength.h"
#include "model/DeviceUnits.h"

#include <cmath>

FW_IMPLEMENT_SERIAL(CStencilPattern, fw::Object, 1)

namespace {
constexpr int kFontHeight = 16;
}

CStencilPattern::CStencilPattern(double x, double u, const std::string& text, int measuringSystem)
{
    Set(x, u, text);
    SetUnits(measuringSystem);
}

void CStencilPattern::Set(double x, double u, const std::string& text)
{
    x_.SetValue(x);
    u_.SetValue(u);
    text_ = text;
    box_ = {x, u, x + kCharacterWidth * double(text.size()), u};
}

void CStencilPattern::CopyFrom(const CStencilPattern& other)
{
    x_.Assign(other.x_);
    u_.Assign(other.u_);
    x_.UpdateFromValue();
    u_.UpdateFromValue();
    text_ = other.text_;
    box_ = other.box_;
}

void CStencilPattern::SetUnits(int system)
{
    for (CDimension* length : {&x_, &u_}) {
        length->SetUnits(system);
        length->UpdateFromValue();
    }
}

bool CStencilPattern::IsEqual(const CStencilPattern& other) const
{
    return x_ == other.x_.GetValue() && u_ == other.u_.GetValue() && text_ == other.text_;
}

bool CStencilPattern::IsSane() const
{
    return fw::AreSaneInches({x_.GetValue(), u_.GetValue(), box_.minX, box_.minU, box_.maxX, box_.maxU});
}

void CStencilPattern::Draw(fw::DrawContext& dc) const
{
    fw::Font font;
    font.height = kFontHeight;
    const fw::Font previous = dc.SelectFont(font);
    dc.TextOut(InchesToDevice(x_.GetValue()), InchesToDevice(u_.GetValue()), text_);
    dc.SelectFont(previous);
}

void CStencilPattern::Serialize(fw::Archive& ar)
{
    x_.Serialize(ar);
    u_.Serialize(ar);
    if (ar.IsStoring()) {
        ar << text_ << box_.minX << box_.minU << box_.maxX << box_.maxU;
        return;
    }
    ar >> text_;
    for (double* value : {&box_.minX, &box_.minU, &box_.maxX, &box_.maxU}) {
        *value = ar.ReadDouble();
        if (!std::isfinite(*value))
            throw fw::ArchiveException(fw::ArchiveException::badValue, "stencil box is not a number");
    }
}

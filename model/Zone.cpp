#include "model/Zone.h"

FW_IMPLEMENT_SERIAL(CZone, fw::Object, 1)

void CZone::SetRange(double a, double b)
{
    low_.SetValue(a < b ? a : b);
    high_.SetValue(a < b ? b : a);
}

void CZone::Normalize()
{
    if (!(high_ < low_))
        return;
    CDimension low;
    low.Assign(high_);
    high_.Assign(low_);
    low_.Assign(low);
}

bool CZone::Contains(double x) const
{
    return (low_ <= x && high_ >= x) || (high_ <= x && low_ >= x);
}

bool CZone::IsEqual(const CZone& other) const
{
    return OrderedHigh().GetValue() == other.OrderedHigh().GetValue() &&
           OrderedLow().GetValue() == other.OrderedLow().GetValue();
}

void CZone::Assign(const CZone& other)
{
    CDimension low, high;
    low.Assign(other.OrderedLow());
    high.Assign(other.OrderedHigh());
    low_.Assign(low);
    high_.Assign(high);
}

void CZone::Extend(const CZone& other)
{
    Normalize();
    if (other.OrderedHigh() > high_)
        high_.Assign(other.OrderedHigh());
    if (other.OrderedLow() < low_)
        low_.Assign(other.OrderedLow());
}

void CZone::Serialize(fw::Archive& ar)
{
    low_.Serialize(ar);
    high_.Serialize(ar);
}

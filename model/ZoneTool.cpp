#include "model/ZoneTool.h"

#include "fw/core/Archive.h"

FW_IMPLEMENT_SERIAL(CZoneTool, CPartTool, 1)

bool CZoneTool::IsEqual(const CZoneTool& other) const
{
    return CPartTool::IsEqual(other) && (code_ == other.code_ || zone_.IsEqual(other.zone_));
}

void CZoneTool::CopyFrom(const CPartTool& other)
{
    CPartTool::CopyFrom(other);
    zone_.SetRange(0.0, 0.0);
    code_ = 0;
}

void CZoneTool::CopyFrom(const CZoneTool& other)
{
    CPartTool::CopyFrom(other);
    zone_.Assign(other.zone_);
    code_ = other.code_;
}

void CZoneTool::Serialize(fw::Archive& ar)
{
    CPartTool::Serialize(ar);
    if (ar.IsStoring())
        ar << std::int32_t(code_);
    else
        code_ = ar.ReadLong();
    zone_.Serialize(ar);
}

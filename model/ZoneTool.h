#pragma once
// A tool needed on one side of one face: the tool, its face-and-side code (16 x face + side;
// faces 1 web, 2 top flange, 3 bottom flange, 4 second web; sides 1 far half, 2 near half,
// 3 both) and its range across the face.

#include "model/PartTool.h"
#include "model/Zone.h"

class CZoneTool : public CPartTool {
    FW_DECLARE_SERIAL(CZoneTool)
public:
    CZoneTool() : CPartTool(-1) {}

    using CPartTool::IsEqual;
    // The tools are equal and so are the codes, or, with different codes, the zones.
    bool IsEqual(const CZoneTool& other) const;
    bool Differs(const CZoneTool& other) const { return !IsEqual(other); }

    // A plain tool's data; the zone becomes (0, 0) and the code 0.
    void CopyFrom(const CPartTool& other) override;
    // Tool, zone and code.
    void CopyFrom(const CZoneTool& other);

    int GetZoneCode() const override { return code_; }
    void SetZoneCode(int code) { code_ = code; }
    const CZone& GetZone() const { return zone_; }
    CZone& GetZone() { return zone_; }

    // The tool's form, then the code and the zone.
    void Serialize(fw::Archive& ar) override;

private:
    int code_ = 0;
    CZone zone_;
};

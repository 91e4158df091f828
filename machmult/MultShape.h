#pragma once
// The stock piece of a mult: its section (shape record), the tools loaded for it and eight tool
// zones across its faces (top flange near and far half, bottom flange near and far half, web and
// a second web zone, second web and a second zone of it). Each profile adds its face surfaces,
// in order: beam, channel web + top + bottom flange; angle, T web + top flange; flat bar, plate
// web; tube web + top + bottom flange + second web; the plain class none.
//
// Archive (schema 1): only the loaded tools' list form. The section comes from the shape file.

#include "fw/core/Object.h"
#include "model/Surface.h"
#include "model/ToolList.h"
#include "model/Zone.h"
#include "records/ShapeRecord.h"

#include <array>
#include <memory>
#include <vector>

class CMultShape : public fw::Object {
    FW_DECLARE_SERIAL(CMultShape)
public:
    // The eight zones, in order.
    enum ZoneIndex {
        zoneTopNear, zoneTopFar, zoneBottomNear, zoneBottomFar, zoneWeb, zoneWebSecond, zoneWeb2, zoneWeb2Second,
        zoneCount
    };

    CMultShape();
    ~CMultShape() override;

    // The profile class of a shape kind (0 beam ... 6 tube); the plain class for any other.
    static std::unique_ptr<CMultShape> Create(int kind);

    // Stores the record, then sets up the zones.
    void SetShapeRecord(const ShapeRecord& record);
    const ShapeRecord& GetShapeRecord() const { return record_; }

    // A new plain CMultShape (never a profile) with copies of the record, tools and zones.
    std::unique_ptr<CMultShape> Clone() const;

    // The zones from the section: ranges across the face, 0..BF/2 and so on, per profile.
    virtual void SetupZones();
    // The first surface; none for the plain class.
    CSurface* GetFirstSurface() const;
    // The surface after the given one; none after the last.
    CSurface* GetNextSurface(const CSurface* surface) const;

    const CZone& GetZone(ZoneIndex index) const { return zones_[index]; }
    const CToolList& GetTools() const { return tools_; }
    CToolList& GetTools() { return tools_; }

    void Serialize(fw::Archive& ar) override;

protected:
    // Sets the eight zones from (low, high) pairs in zone order.
    void SetZones(const std::array<std::pair<double, double>, zoneCount>& ranges);
    void AddSurface(std::unique_ptr<CSurface> surface) { surfaces_.push_back(std::move(surface)); }
    // Adds a new surface of each class, in order.
    template <class... Surfaces> void AddSurfaces() { (AddSurface(std::make_unique<Surfaces>()), ...); }

private:
    ShapeRecord record_;
    CToolList tools_;
    std::array<CZone, zoneCount> zones_;
    std::vector<std::unique_ptr<CSurface>> surfaces_;
};

// The profiles; each constructor adds its surfaces, each SetupZones its zone table.
#define VARNEX_MULT_SHAPE(Name)                                                                             \
    class Name : public CMultShape {                                                                        \
        FW_DECLARE_SERIAL(Name)                                                                             \
    public:                                                                                                 \
        Name();                                                                                             \
        void SetupZones() override;                                                                         \
    };
VARNEX_MULT_SHAPE(CBeamMultShape)
VARNEX_MULT_SHAPE(CChannelMultShape)
VARNEX_MULT_SHAPE(CAngleMultShape)
VARNEX_MULT_SHAPE(CFlatMultShape)
VARNEX_MULT_SHAPE(CPlateMultShape)
VARNEX_MULT_SHAPE(CTMultShape)
VARNEX_MULT_SHAPE(CTubeMultShape)
#undef VARNEX_MULT_SHAPE

#pragma once
// The programmed body of one part: the section of its rolled profile, the patterns of each face,
// the stencil marks, and two zones per face that split it across its width (the near and the far
// half). One class per profile decides the zones, the face views, and how patterns are copied
// and pasted between faces.

#include "model/PatternList.h"
#include "model/StencilPatternList.h"
#include "model/Zone.h"
#include "records/ShapeRecord.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CToolList;

// Face codes: the face part (face x 16) of the face-and-side codes. The side is added to it:
// 1 the far half (the face's second zone), 2 the near half (its first zone), 3 both.
enum FaceCode : int { faceWeb = 16, faceTopFlange = 32, faceBottomFlange = 48, faceWeb2 = 64 };

// The face view classes of the part programming window.
enum class FaceViewKind {
    angleTF, angleWeb,
    beamTF, beamWeb, beamBF,
    channelTF, channelWeb, channelBF,
    flatBarWeb,
    tTF, tWeb,
    tubeTF, tubeWeb, tubeBF, tubeWeb2,
};

// One tab of the part programming window: its label, the face view class, the face and the lists
// the view shows. Exactly one view of a profile shows the part's stencil marks.
struct FaceTab {
    std::string label;
    FaceViewKind kind;
    int faceCode;
    CPatternList* patterns;
    CStencilPatternList* stencils;   // null on the views that do not draw the marks
};

class CPartShape : public fw::Object {
    FW_DECLARE_SERIAL(CPartShape)
public:
    using Position = CPatternList::Position;
    static constexpr int zoneCount = 8;

    CPartShape();
    CPartShape(const CPartShape&) = delete;
    CPartShape& operator=(const CPartShape&) = delete;

    // A new, empty part shape of the class of a shape kind (ShapeKind); the base class for a kind
    // outside 0-6.
    static std::unique_ptr<CPartShape> CreateOfKind(int kind);

    // Zones by profile: 0 and 1 top flange, 2 and 3 bottom flange, 4 and 5 web, 6 and 7 second web.
    virtual void SetupZones();
    // The tabs of the part programming window, in order; the base has none.
    virtual std::vector<FaceTab> DescribeFaceViews();
    // Mirrors every pattern end for end about a part of that length; boxes and list order follow.
    virtual void MirrorX(double length);
    // Moves the patterns of the source into the face of the code (16, 32, 48, 64; any other: none)
    // by sorted insert. A refused pattern is deleted, except on beams and channels, where it stays
    // in the source; the source keeps nothing else.
    virtual void PastePatterns(CPatternList& source, int faceCode, int side);
    // Moves the marks of the source into the part's marks; a refused mark is deleted.
    virtual void PasteStencils(CStencilPatternList& source);
    // Adds copies of the face's patterns of an operation (asking for front layouts gives back
    // layouts too) to the destination by sorted insert; refused copies are deleted.
    virtual void CopyFacePatterns(CPatternList& destination, int faceCode, int side, int operation) const;
    // Adds copies of every mark to the destination (refused copies deleted); returns the face
    // code the marks are stored under: 16, or 32 on beams and channels.
    virtual int CopyStencils(CStencilPatternList& destination) const;

    // The section, lengths in inches; the zones follow.
    void SetShapeData(const std::string& desctp, const std::string& desc, double depth, double webThickness,
                      double flangeWidth, double flangeThickness, double flangeGage, double weight,
                      const std::string& formal);
    // The same from a record (lengths with their units); the profile kind stays the class's.
    void SetFromShapeRecord(const ShapeRecord& record);
    const ShapeRecord& GetShapeRecord() const { return record_; }

    double GetDepth() const { return record_.depth.GetValue(); }
    double GetWebThickness() const { return record_.webThickness.GetValue(); }
    double GetFlangeWidth() const { return record_.flangeWidth.GetValue(); }
    double GetFlangeThickness() const { return record_.flangeThickness.GetValue(); }
    double GetStandardFlangeGage() const { return record_.flangeGage.GetValue(); }
    double GetWeightPerFoot() const { return record_.weight; }
    const std::string& GetDesctp() const { return record_.desctp; }
    const std::string& GetDesc() const { return record_.desc; }
    const std::string& GetFormalDescription() const { return record_.formal; }
    int GetKind() const { return record_.kind; }

    // Sorted insert into a face list, then the profile fix-ups. False when the list refused the
    // pattern, which then stays with the caller; else the list owns it (and its position is given).
    bool InsertPattern(std::unique_ptr<CPattern>& pattern, CPatternList& list, Position* position = nullptr);
    // InsertPattern into the opposite face: top and bottom flange, web and second web; on an
    // angle the top flange and the web. A list that is none of these receives the pattern itself.
    bool AddToOppositeFace(std::unique_ptr<CPattern>& pattern, CPatternList& list, Position* position = nullptr);
    // Sorted insert into the marks; false (the mark stays with the caller) for a duplicate at
    // its place or an empty text.
    bool AddStencil(std::unique_ptr<CStencilPattern>& mark);
    // Delete the item; the position moves to the next one, to the previous one at the end, or to
    // none.
    bool DeletePattern(CPatternList& list, Position& position);
    bool DeleteStencil(CStencilPatternList::Position& position);
    // Deletes the patterns of the four faces and every mark.
    void DeleteAllPatterns();

    void SetChannelLegFlag() { channelLeg_ = 1; }
    int GetChannelLegFlag() const { return channelLeg_; }

    // Adds a zone tool for the tool of every hole pattern, face by face (web, top flange, bottom
    // flange, second web): its zone is the pattern's extent across the face, its code the face
    // code plus the side (2 when the extent touches the first zone, 1 the second, 3 both), or 0
    // when it touches neither. The list drops duplicates.
    void GetFaceToolList(CToolList& tools) const;

    // Every hole pattern takes its tool's current data from the library (CPattern::RefreshTool),
    // then the profile fix-ups flag the tools again.
    void RefreshTools(ToolLibrary& library);

    CPatternList& GetTopFlangeList() { return topFlange_; }
    CPatternList& GetBottomFlangeList() { return bottomFlange_; }
    CPatternList& GetWebList() { return web_; }
    CPatternList& GetWeb2List() { return web2_; }
    CStencilPatternList& GetStencilList() { return stencils_; }
    // The list of a face code, or null.
    CPatternList* GetFaceList(int faceCode);
    const CPatternList* GetFaceList(int faceCode) const;
    const CZone& GetZone(int index) const { return zones_.at(std::size_t(index)); }

    // Top flange, web, bottom flange and second web patterns, then the marks, each as an object
    // list; the section is not stored. After loading, the profile fix-ups.
    void Serialize(fw::Archive& ar) override;

protected:
    explicit CPartShape(int kind);

    // Sets the eight zones; each pair (low, high).
    void SetZones(const std::array<std::array<double, 2>, zoneCount>& bounds);
    // An "L " shape flags the oblong tools of its top flange; a "C " shape with channel legs
    // those of both flanges.
    void ApplyProfileFixUps();
    // A tab of this shape's face.
    FaceTab FaceView(FaceViewKind kind, int faceCode, bool withStencils);

    // Whether patterns pasted or copied onto this face are turned over across the flange width.
    virtual bool FlopsFace(int faceCode, int side) const;
    // Whether a pasted pattern that the face refuses stays in the source (else it is deleted).
    virtual bool KeepsRefusedPaste() const { return false; }

private:
    // The face list of an opposite face, or the list itself.
    CPatternList& OppositeFace(CPatternList& list);

    ShapeRecord record_;
    CPatternList topFlange_;
    CPatternList bottomFlange_;
    CPatternList web_;
    CPatternList web2_;
    CStencilPatternList stencils_;
    std::array<CZone, zoneCount> zones_;
    int channelLeg_ = 0;
};

class CBeamPartShape : public CPartShape {
    FW_DECLARE_SERIAL(CBeamPartShape)
public:
    CBeamPartShape() : CPartShape(shapeBeam) {}
    void SetupZones() override;
    std::vector<FaceTab> DescribeFaceViews() override;
    int CopyStencils(CStencilPatternList& destination) const override;

protected:
    bool FlopsFace(int faceCode, int side) const override;
    bool KeepsRefusedPaste() const override { return true; }
};

class CChannelPartShape : public CPartShape {
    FW_DECLARE_SERIAL(CChannelPartShape)
public:
    CChannelPartShape() : CPartShape(shapeChannel) {}
    void SetupZones() override;
    std::vector<FaceTab> DescribeFaceViews() override;
    int CopyStencils(CStencilPatternList& destination) const override;

protected:
    bool FlopsFace(int faceCode, int side) const override;
    bool KeepsRefusedPaste() const override { return true; }
};

class CAnglePartShape : public CPartShape {
    FW_DECLARE_SERIAL(CAnglePartShape)
public:
    CAnglePartShape() : CPartShape(shapeAngle) {}
    void SetupZones() override;
    std::vector<FaceTab> DescribeFaceViews() override;
    // The profile fix-ups follow storing as well as loading.
    void Serialize(fw::Archive& ar) override;
};

class CFlatPartShape : public CPartShape {
    FW_DECLARE_SERIAL(CFlatPartShape)
public:
    CFlatPartShape() : CPartShape(shapeFlat) {}
    void SetupZones() override;
    std::vector<FaceTab> DescribeFaceViews() override;
};

// Zones and view as a flat bar.
class CPlatePartShape : public CPartShape {
    FW_DECLARE_SERIAL(CPlatePartShape)
public:
    CPlatePartShape() : CPartShape(shapePlate) {}
    void SetupZones() override;
    std::vector<FaceTab> DescribeFaceViews() override;
};

class CTPartShape : public CPartShape {
    FW_DECLARE_SERIAL(CTPartShape)
public:
    CTPartShape() : CPartShape(shapeT) {}
    void SetupZones() override;
    std::vector<FaceTab> DescribeFaceViews() override;
};

class CTubePartShape : public CPartShape {
    FW_DECLARE_SERIAL(CTubePartShape)
public:
    CTubePartShape() : CPartShape(shapeTube) {}
    void SetupZones() override;
    std::vector<FaceTab> DescribeFaceViews() override;
};

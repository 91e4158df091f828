#pragma once
// The tool that makes every element of a hole pattern: two sizes, a two-letter type code, an
// orientation and a measuring system. The class of a tool object follows its type code (its
// kind), so that each shape draws itself.

#include "model/ToolRecord.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CToolDoc;

namespace fw {
class DrawContext;
}

class CPartTool : public fw::Object {
    FW_DECLARE_SERIAL(CPartTool)
public:
    // Kinds, from the type code: SQ RT -> SQ; ER SL VE HE -> ER; CR; HX; HC; VC; anything else RD.
    enum Kind { kindRD = 0, kindSQ = 1, kindER = 2, kindCR = 3, kindHX = 4, kindHC = 5, kindVC = 6 };

    CPartTool() : CPartTool(0.0, 0.0, std::string(), 0) {}
    // Sizes in inches; the code is stored upper case and gives the kind; the short name is built
    // in the measuring system (imperial for the four-argument form).
    CPartTool(double sizeA, double sizeB, const std::string& type, int orientation, int measuringSystem = 0);

    // Sizes, type code and orientation equal (exactly).
    virtual bool IsEqual(const CPartTool& other) const;
    // Copies sizes, type code, orientation, measuring system and short name; not the kind nor
    // the flags.
    virtual void CopyFrom(const CPartTool& other);
    // Draws the tool's shape at (x, u) inches; with a marker (not 0) a 0.1875-inch circle instead.
    virtual void Draw(double x, double u, int marker, fw::DrawContext& dc) const;
    // The face-and-side code of a zone tool; 0 for a plain tool.
    virtual int GetZoneCode() const { return 0; }

    // Takes the tool document's data, and the name of its file (its title without the
    // extension; a document without a file: its short name) as the short name.
    void SetFromToolDoc(const CToolDoc& doc);
    // Replaces sizes, type code, orientation and measuring system with those of a tool file.
    void SetToolRecord(const ToolRecord& record);
    const ToolRecord& GetToolRecord() const { return record_; }

    const CDimension& GetSizeA() const { return record_.sizeA; }
    const CDimension& GetSizeB() const { return record_.sizeB; }
    const std::string& GetType() const { return record_.type; }
    int GetOrientation() const { return record_.orientation; }
    int GetMeasuringSystem() const { return record_.measuringSystem; }
    int GetKind() const { return kind_; }

    const std::string& GetShortName() const { return shortName_; }
    void SetShortName(const std::string& name) { shortName_ = name; }
    // Rebuilds the short name from sizes, type code and orientation (ToolRecord::GetShortName).
    void BuildShortName();

    // The tool as the user reads it, e.g. "1/2 X 1 SL45".
    std::string GetDescription() const;
    // The unit code of the machine side: imperial 1, decimal inch 3, metric 2, other 0.
    int GetMachineUnits() const;

    // Orientation flags 0-2, set for oblong tools on angle and channel flanges: an oblong
    // with any of them set is drawn at 180 degrees minus its orientation.
    void SetOrientationFlag(int which) { flags_.at(std::size_t(which)) = 1; }
    bool GetOrientationFlag(int which) const { return flags_.at(std::size_t(which)) != 0; }
    bool AnyOrientationFlag() const { return flags_[0] || flags_[1] || flags_[2]; }

    // Size A, size B, type code, orientation, short name.
    void Serialize(fw::Archive& ar) override;

    static int KindFromType(const std::string& type);
    // A new, empty tool of the kind's class (unknown kinds: RD).
    static std::unique_ptr<CPartTool> CreateOfKind(int kind);
    // A new tool of the other's kind class holding a copy of it (CopyFrom).
    static std::unique_ptr<CPartTool> CopyOfKind(const CPartTool& other);

    // The 0.1875-inch circle that marks a layout element.
    static void DrawMarker(double x, double u, fw::DrawContext& dc);

protected:
    // An empty tool of a kind class.
    explicit CPartTool(int kind) : CPartTool() { kind_ = kind; }

    // The tool's own shape at (x, u); the base draws the diagonals of a square of size A.
    virtual void DrawShape(double x, double u, fw::DrawContext& dc) const;
    // A circle of that diameter.
    static void DrawCircle(double x, double u, double diameter, fw::DrawContext& dc);
    // An oblong of the two sizes: half circles of the smaller size joined by straight lines,
    // its long axis at the angle (degrees).
    void DrawOblong(double x, double u, double angle, fw::DrawContext& dc) const;
    // The orientation, or 180 minus it when an orientation flag is set.
    int FlaggedOrientation() const { return AnyOrientationFlag() ? 180 - GetOrientation() : GetOrientation(); }

private:
    ToolRecord record_;
    std::string shortName_;
    int kind_ = kindRD;
    std::array<std::uint8_t, 3> flags_{};
};

// The kind classes: the same data, drawn by shape, whatever their type code.
// Round: a circle of size A.
class CPartToolRD : public CPartTool {
    FW_DECLARE_SERIAL(CPartToolRD)
public:
    CPartToolRD() : CPartTool(kindRD) {}

protected:
    void DrawShape(double x, double u, fw::DrawContext& dc) const override;
};

// Square and rectangle: the base drawing.
class CPartToolSQ : public CPartTool {
    FW_DECLARE_SERIAL(CPartToolSQ)
public:
    CPartToolSQ() : CPartTool(kindSQ) {}
};

// Oblong (ER, SL, VE, HE) at its orientation, mirrored (180 - orientation) when flagged.
class CPartToolER : public CPartTool {
    FW_DECLARE_SERIAL(CPartToolER)
public:
    CPartToolER() : CPartTool(kindER) {}

protected:
    void DrawShape(double x, double u, fw::DrawContext& dc) const override;
};

// Oblong like ER.
class CPartToolCR : public CPartTool {
    FW_DECLARE_SERIAL(CPartToolCR)
public:
    CPartToolCR() : CPartTool(kindCR) {}

protected:
    void DrawShape(double x, double u, fw::DrawContext& dc) const override;
};

// Hexagon: not drawn, not even as a marker.
class CPartToolHX : public CPartTool {
    FW_DECLARE_SERIAL(CPartToolHX)
public:
    CPartToolHX() : CPartTool(kindHX) {}
    void Draw(double x, double u, int marker, fw::DrawContext& dc) const override;
};

// Oblong at its orientation; the flags are not used.
class CPartToolHC : public CPartTool {
    FW_DECLARE_SERIAL(CPartToolHC)
public:
    CPartToolHC() : CPartTool(kindHC) {}

protected:
    void DrawShape(double x, double u, fw::DrawContext& dc) const override;
};

// Oblong turned a quarter turn from HC.
class CPartToolVC : public CPartTool {
    FW_DECLARE_SERIAL(CPartToolVC)
public:
    CPartToolVC() : CPartTool(kindVC) {}

protected:
    void DrawShape(double x, double u, fw::DrawContext& dc) const override;
};

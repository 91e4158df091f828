#pragma once
// A text to be marked on a face at (X, U). Its box runs 0.625 inch per character along X.

#include "records/Dimension.h"
#include "model/FaceBox.h"

#include <string>

namespace fw {
class DrawContext;
}

class CStencilPattern : public fw::Object {
    FW_DECLARE_SERIAL(CStencilPattern)
public:
    static constexpr double kCharacterWidth = 0.625;

    CStencilPattern() = default;
    CStencilPattern(double x, double u, const std::string& text, int measuringSystem);

    // Position, text and box.
    void Set(double x, double u, const std::string& text);
    void CopyFrom(const CStencilPattern& other);
    // Measuring system of X and U (their texts follow).
    void SetUnits(int system);
    // X, U and text (case-sensitive) equal.
    bool IsEqual(const CStencilPattern& other) const;
    bool Differs(const CStencilPattern& other) const { return !IsEqual(other); }

    // Whether X, U and the box are within fw::kMaxInches (what a part keeps).
    bool IsSane() const;

    // The text at (X, U) in a font 16 units high, in the context's text alignment.
    void Draw(fw::DrawContext& dc) const;

    const CDimension& GetX() const { return x_; }
    const CDimension& GetU() const { return u_; }
    const std::string& GetText() const { return text_; }
    const FaceBox& GetBox() const { return box_; }
    double GetMinX() const { return box_.minX; }
    double GetMinU() const { return box_.minU; }

    // X, U, text, then the box.
    void Serialize(fw::Archive& ar) override;

private:
    CDimension x_;
    CDimension u_;
    std::string text_;
    FaceBox box_;
};

#pragma once
// The automation interface of the shape document: other programs write and read entries of the
// shape catalog through it. Made through the class registry by class id or ProgID.

#include "fw/core/Component.h"

#include <cstdint>
#include <string>

class IShapeDoc : public fw::Unknown {
public:
    static constexpr const char* kClassId = "{34773D21-227C-11D2-AA3F-006008A85237}";
    static constexpr const char* kProgId = "Varnex.Shape";

    // Sets every field (lengths in inches, weight per foot); the type is left-trimmed and padded
    // to two characters. 0; 1 when a number is not finite or the kind (0-6) or measuring
    // system (0-2) is unknown, and nothing is changed.
    virtual std::int16_t UpdateShapeMembers(const std::string& strDesctp, const std::string& strDesc, double dimtD,
                                            double dimtTW, double dimtBF, double dimtTF, double dimtSFG,
                                            double dWeight, const std::string& strFormal, std::int16_t nType,
                                            std::int16_t iMeasuringSystem) = 0;
    // Saves the shape into the shape directory: 0 saved, 1 not.
    virtual std::int16_t SaveShape() = 0;
    // Loads the shape of that type and size: 0 found (the section in inches, the weight and the
    // formal description given back), 1 not found.
    virtual std::int32_t GetData(const std::string& szDesctp, const std::string& szDesc, double& dDepth,
                                 double& dWebThickness, double& dBreathOfFlange, double& dFlangeThickness,
                                 double& dStandardFlangeGage, double& dWeightPerFoot, std::string& szFormal) = 0;
};

#pragma once
// What the control's two property pages edit, as the texts and choices of their controls, with
// the checks the pages make before they hand the values to the control.
//
// ApplyTo checks every field, then sets the properties on a copy of the control and keeps the
// copy only when every setter accepted its value; it returns the message to show for the first
// thing that is wrong, or an empty string when the control took everything.

#include "lenbox/LenboxModel.h"

#include <string>

namespace lenbox {

// The "General" page.
struct GeneralPageValues {
    std::string formatFeet;
    std::string formatInch;
    std::string decimalInchAppendage;
    std::string formatMetric;
    std::string metricAppendage;
    std::string maxInches;
    std::string minInches;
    std::string maxDenominator;
    std::string defaultDenominator;
    std::string initialValue;
    int dimensionType = 0;
    bool packed = false;
    int justifyType = 0;

    static GeneralPageValues From(const LenboxModel& model);
    std::string ApplyTo(LenboxModel& model) const;
};

// The "Specifics" page.
struct SpecificsPageValues {
    bool autoSize = true;
    bool toolTips = false;
    std::string borderStyle;
    bool enableInput = true;
    int appearance = 1;
    int backGround = 1;

    static SpecificsPageValues From(const LenboxModel& model);
    std::string ApplyTo(LenboxModel& model) const;
};

} // namespace lenbox

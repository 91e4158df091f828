#include "lenbox/PropPageValues.h"

#include "lenbox/MaskCheck.h"

#include "fw/core/Number.h"

namespace lenbox {

namespace {

constexpr const char* kEnterNumber = "Please enter a number.";
constexpr const char* kEnterInteger = "Please enter an integer.";
constexpr const char* kEnterDenominator = "Please enter an integer between 2 and 64.";

// The message of a failed check, or of the first setter that refuses its value.
class PageCheck {
public:
    void Fail(const std::string& message)
    {
        if (message_.empty())
            message_ = message;
    }
    void Mask(const std::string& message, const char* prefix)
    {
        if (!message.empty())
            Fail(prefix ? std::string(prefix) + " " + message : message);
    }
    double Number(const std::string& text)
    {
        std::optional<double> value = fw::ParseDouble(text);
        if (!value)
            Fail(kEnterNumber);
        return value.value_or(0.0);
    }
    int Integer(const std::string& text, int low, int high, const char* message)
    {
        std::optional<int> value = fw::ParseInt(text);
        if (!value || *value < low || *value > high)
            Fail(message);
        return value.value_or(low);
    }
    bool Failed() const { return !message_.empty(); }
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

// Sets the properties on a copy of the model; keeps it when every setter accepted its value.
template <class Setters> std::string ApplyToCopy(LenboxModel& model, Setters setters)
{
    LenboxModel copy = model;
    try {
        setters(copy);
    } catch (const LenboxError& e) {
        return e.Description();
    }
    model = std::move(copy);
    return {};
}

} // namespace

GeneralPageValues GeneralPageValues::From(const LenboxModel& model)
{
    GeneralPageValues v;
    v.formatFeet = model.GetFormatFeet();
    v.formatInch = model.GetFormatInch();
    v.decimalInchAppendage = model.GetDecimalInchAppendage();
    v.formatMetric = model.GetFormatMetric();
    v.metricAppendage = model.GetMetricAppendage();
    v.maxInches = fw::FormatGeneral(model.GetMaxInches());
    v.minInches = fw::FormatGeneral(model.GetMinInches());
    v.maxDenominator = std::to_string(model.GetMaxDenominator());
    v.defaultDenominator = std::to_string(model.GetDefaultDenominator());
    v.initialValue = fw::FormatGeneral(model.GetInitialValue());
    v.dimensionType = model.GetDimensionType();
    v.packed = model.GetPacked();
    v.justifyType = model.GetJustifyType();
    return v;
}

std::string GeneralPageValues::ApplyTo(LenboxModel& model) const
{
    PageCheck check;
    check.Mask(CheckFeetMask(formatFeet), nullptr);
    check.Mask(CheckDecimalMask(formatInch), "Decimal Inch");
    check.Mask(CheckDecimalMask(formatMetric), "Metric");
    const double max = check.Number(maxInches);
    const double min = check.Number(minInches);
    const int maxDen = check.Integer(maxDenominator, 2, 64, kEnterDenominator);
    const int defaultDen = check.Integer(defaultDenominator, 2, 64, kEnterDenominator);
    const double initial = check.Number(initialValue);
    if (check.Failed())
        return check.Message();
    return ApplyToCopy(model, [&](LenboxModel& m) {
        m.SetFormatFeet(formatFeet);
        m.SetFormatInch(formatInch);
        m.SetDecimalInchAppendage(decimalInchAppendage);
        m.SetFormatMetric(formatMetric);
        m.SetMetricAppendage(metricAppendage);
        // Move the limit first that keeps them in order.
        if (max >= m.GetMinInches()) {
            m.SetMaxInches(max);
            m.SetMinInches(min);
        } else {
            m.SetMinInches(min);
            m.SetMaxInches(max);
        }
        m.SetMaxDenominator(maxDen);
        m.SetDefaultDenominator(defaultDen);
        m.SetInitialValue(initial);
        m.SetDimensionType(dimensionType);
        m.SetPacked(packed);
        m.SetJustifyType(justifyType);
    });
}

SpecificsPageValues SpecificsPageValues::From(const LenboxModel& model)
{
    SpecificsPageValues v;
    v.autoSize = model.GetAutoSize();
    v.toolTips = model.GetToolTips();
    v.borderStyle = std::to_string(model.GetStock().borderStyle);
    v.enableInput = model.GetEnableInput();
    v.appearance = model.GetStock().appearance;
    v.backGround = model.GetBackGround();
    return v;
}

std::string SpecificsPageValues::ApplyTo(LenboxModel& model) const
{
    const std::optional<int> border = fw::ParseInt(borderStyle);
    if (!border)
        return kEnterInteger;
    return ApplyToCopy(model, [&](LenboxModel& m) {
        m.SetAutoSize(autoSize);
        m.SetToolTips(toolTips);
        m.SetBorderStyle(*border);
        m.SetEnableInput(enableInput);
        m.SetAppearance(appearance);
        m.SetBackGround(backGround);
    });
}

} // namespace lenbox

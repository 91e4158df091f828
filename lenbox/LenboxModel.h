#pragma once
// The dimension-entry control without its window: one length held at once in three forms
// (feet-inch-fraction, decimal inch, millimetres), the properties that configure it, the rules
// for typing, caret keys, focus and limits, and the events it reports. The widget forwards its
// keys, clicks and focus changes here and shows DisplayText().
//
// Property setters throw LenboxError and leave the property unchanged. After every accepted edit
// the value is carried to the other two forms, so the three forms always agree; a value wider
// than a form's mask is written in full there.

#include "lenbox/LenboxExport.h"
#include "lenbox/DecimalInch.h"
#include "lenbox/FeetInchFrac.h"
#include "lenbox/LenboxError.h"
#include "lenbox/LenboxProperties.h"
#include "lenbox/Metric.h"

#include <optional>
#include <string>

namespace lenbox {

inline constexpr double kMillimetresPerInch = 25.4;

enum DimensionType : int { FeetInchFracType = 0, DecimalInchType = 1, MetricType = 2 };

// What the control reports to its host.
class LenboxEvents {
public:
    virtual ~LenboxEvents() = default;
    // A value outside MinInches..MaxInches was entered.
    virtual void DecimalInchValueError(double inches, const std::string& input, const std::string& minText,
                                       const std::string& maxText) = 0;
    // The first change of the value in a focus period.
    virtual void Changed() = 0;
};

class LENBOX_EXPORT LenboxModel {
public:
    LenboxModel();   // every property at its default

    void SetEvents(LenboxEvents* events) { events_ = events; }   // not owned; may be null

    // --- Properties ----------------------------------------------------------------------------
    bool GetAutoSize() const { return autoSize_; }
    void SetAutoSize(bool on) { Store(autoSize_, on); }
    int GetBackGround() const { return backGround_; }   // 0 opaque, anything else transparent
    void SetBackGround(int value) { Store(backGround_, value); }
    bool GetEnableInput() const { return enableInput_; }
    void SetEnableInput(bool on) { Store(enableInput_, on); }
    bool GetPacked() const { return packed_; }
    void SetPacked(bool on) { Store(packed_, on); }
    bool GetToolTips() const { return toolTips_; }
    void SetToolTips(bool on) { Store(toolTips_, on); }
    int GetJustifyType() const { return justifyType_; }   // 0 left, 1 centre, 2 right
    void SetJustifyType(int value) { Store(justifyType_, value); }
    double GetInitialValue() const { return initialValue_; }
    void SetInitialValue(double inches);

    // The value in inches; writing it sets all three forms without a check against the limits,
    // each written in full however narrow its mask. False, with nothing changed, only when it is
    // beyond the range of lengths (fw::kMaxInches) or not a number. InitialValue, MaxInches and MinInches beyond that range are
    // refused as invalid property values.
    double GetDecimalInches() const;
    bool SetDecimalInches(double inches);
    int GetDimensionType() const { return dimensionType_; }
    void SetDimensionType(int type);

    double GetMaxInches() const { return maxInches_; }
    void SetMaxInches(double inches);
    double GetMinInches() const { return minInches_; }
    void SetMinInches(double inches);

    // The form's text, packed and justified as the properties say. Writing one parses it in that
    // form: a value outside the limits fires DecimalInchValueError and changes nothing; false
    // when the text cannot be read or shown.
    std::string GetFeetInchFracString() const;
    bool SetFeetInchFracString(const std::string& text);
    std::string GetDecimalInchString() const;
    bool SetDecimalInchString(const std::string& text);
    std::string GetMetricString() const;
    bool SetMetricString(const std::string& text);

    std::string GetFormatFeet() const { return forms_.feetInchFrac.GetMask(); }
    void SetFormatFeet(const std::string& mask);
    std::string GetFormatInch() const { return forms_.decimalInch.GetMask(); }
    void SetFormatInch(const std::string& mask);
    std::string GetFormatMetric() const { return forms_.metric.GetMask(); }
    void SetFormatMetric(const std::string& mask);
    std::string GetDecimalInchAppendage() const { return forms_.decimalInch.GetAppendage(); }
    void SetDecimalInchAppendage(const std::string& text);
    std::string GetMetricAppendage() const { return forms_.metric.GetAppendage(); }
    void SetMetricAppendage(const std::string& text);
    int GetMaxDenominator() const { return forms_.feetInchFrac.GetMaxDenominator(); }
    void SetMaxDenominator(int n);
    int GetDefaultDenominator() const { return forms_.feetInchFrac.GetDefaultDenominator(); }
    void SetDefaultDenominator(int n);

    // Reads 0.0 whatever the value; writing only marks the control modified.
    float GetGetFloatDecInch() const { return 0.0f; }
    void SetGetFloatDecInch(float) { modified_ = true; }

    // Stock properties.
    const LenboxStock& GetStock() const { return stock_; }
    void SetBackColor(std::uint32_t color);
    void SetForeColor(std::uint32_t color);
    void SetFont(const LenboxFont& font);
    void SetBorderStyle(int style);
    void SetAppearance(int appearance);
    void SetExtent(std::int32_t x, std::int32_t y);

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // --- Persistence ---------------------------------------------------------------------------
    LenboxProperties GetProperties() const;
    // Every property from a stream or from the defaults, then the value from InitialValue.
    // Masks and denominators the forms refuse keep their defaults; other values out of range
    // throw LenboxError and change nothing.
    void LoadProperties(const LenboxProperties& properties);

    // --- The forms and the display -------------------------------------------------------------
    const CFeetInchFrac& FeetInchFrac() const { return forms_.feetInchFrac; }
    const CDecimalInch& DecimalInch() const { return forms_.decimalInch; }
    const CMetric& Metric() const { return forms_.metric; }
    const CVariable& ActiveForm() const;
    // While editing (focus or pointer over the control): the edit text; otherwise the packed text.
    std::string DisplayText(bool editing) const;
    // The two forms not shown, packed, joined by ",", without blanks.
    std::string ToolTipText() const;

    // --- Editing -------------------------------------------------------------------------------
    // Focus arrives: a new focus period; returns the range to select, the caret at its first.
    EditRange FocusIn();
    // Focus leaves: the value is kept within the limits (DecimalInchValueError when it was not).
    void FocusOut();
    // A typed character over the selection [start, end); both become the caret. False: refused.
    bool TypeChar(char ch, bool keypad, int& start, int& end);
    int Backspace(int start, int end);   // the new caret
    void Delete(int start, int end);
    int Home();
    int End();
    int MoveCaret(CaretKey key, int pos);
    int ClickAt(int pos);   // the caret for a click at pos

private:
    struct Forms {
        CFeetInchFrac feetInchFrac;
        CDecimalInch decimalInch;
        CMetric metric;
    };

    template <class T> void Store(T& field, const T& value)
    {
        if (field != value) {
            field = value;
            modified_ = true;
        }
    }
    template <class Value, class FormSet> static Value& Pick(FormSet& forms, int type);
    static CVariable& Form(Forms& forms, int type);
    const CVariable& Form(int type) const;
    CVariable& Active() { return Form(forms_, dimensionType_); }
    double InchesOf(int type) const;
    static bool SetInches(Forms& forms, int type, double inches);
    bool SetAll(double inches);
    bool Propagate();
    // Runs an edit of the active form and carries the value on; undoes it when another form
    // cannot show the new value.
    bool EditActive(const std::function<bool(CVariable&)>& edit);
    void NoteChange();
    bool SetFromText(int type, const std::string& text);
    std::string LimitText(double inches) const;
    void SetMask(CVariable& form, const std::string& mask, LenboxErrorNumber error);
    void SetAppendage(CVariable& form, const std::string& text);
    void Apply(const LenboxProperties& p);

    Forms forms_;
    double maxInches_ = 1200.0;
    double minInches_ = 0.0;
    int dimensionType_ = FeetInchFracType;
    int justifyType_ = 0;
    bool toolTips_ = false;
    bool packed_ = false;
    int backGround_ = 1;
    bool autoSize_ = true;
    double initialValue_ = 0.0;
    bool enableInput_ = true;
    LenboxStock stock_;
    bool modified_ = false;
    bool changedFired_ = false;
    LenboxEvents* events_ = nullptr;
};

} // namespace lenbox

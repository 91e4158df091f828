#include "lenbox/LenboxModel.h"

#include "lenbox/MaskField.h"

#include "fw/core/Number.h"
#include "fw/core/SaneLength.h"

#include <algorithm>
#include <cmath>

namespace lenbox {

namespace {

[[noreturn]] void Raise(LenboxErrorNumber number)
{
    throw LenboxError(number);
}

// Values and limits are lengths within the range of lengths (fw::kMaxInches).
void RequireSane(double value)
{
    if (!fw::IsSaneInches(value))
        Raise(LenboxErrorNumber::InvalidPropertyValue);
}

} // namespace

LenboxModel::LenboxModel()
{
    Apply(LenboxProperties{});
}

// --- Forms ------------------------------------------------------------------------------------

template <class Value, class FormSet> Value& LenboxModel::Pick(FormSet& forms, int type)
{
    switch (type) {
    case DecimalInchType: return forms.decimalInch;
    case MetricType: return forms.metric;
    default: return forms.feetInchFrac;
    }
}

CVariable& LenboxModel::Form(Forms& forms, int type)
{
    return Pick<CVariable>(forms, type);
}

const CVariable& LenboxModel::Form(int type) const
{
    return Pick<const CVariable>(forms_, type);
}

const CVariable& LenboxModel::ActiveForm() const
{
    return Form(dimensionType_);
}

double LenboxModel::InchesOf(int type) const
{
    const double value = Form(type).GetValue();
    return type == MetricType ? value / kMillimetresPerInch : value;
}

bool LenboxModel::SetInches(Forms& forms, int type, double inches)
{
    return Form(forms, type).SetValue(type == MetricType ? inches * kMillimetresPerInch : inches);
}

bool LenboxModel::SetAll(double inches)
{
    Forms next = forms_;
    for (int type : {FeetInchFracType, DecimalInchType, MetricType})
        if (!SetInches(next, type, inches))
            return false;
    forms_ = std::move(next);
    return true;
}

bool LenboxModel::Propagate()
{
    const double inches = InchesOf(dimensionType_);
    for (int type : {FeetInchFracType, DecimalInchType, MetricType})
        if (type != dimensionType_ && !SetInches(forms_, type, inches))
            return false;
    return true;
}

bool LenboxModel::EditActive(const std::function<bool(CVariable&)>& edit)
{
    const Forms saved = forms_;
    if (edit(Active()) && Propagate())
        return true;
    forms_ = saved;
    return false;
}

void LenboxModel::NoteChange()
{
    if (changedFired_)
        return;
    changedFired_ = true;
    if (events_)
        events_->Changed();
}

// --- Value and limits -------------------------------------------------------------------------

double LenboxModel::GetDecimalInches() const
{
    return InchesOf(dimensionType_);
}

bool LenboxModel::SetDecimalInches(double inches)
{
    return fw::IsSaneInches(inches) && SetAll(inches);
}

void LenboxModel::SetInitialValue(double inches)
{
    RequireSane(inches);
    initialValue_ = inches;
    modified_ = true;
}

void LenboxModel::SetDimensionType(int type)
{
    if (type == dimensionType_)
        return;
    if (type < FeetInchFracType || type > MetricType)
        Raise(LenboxErrorNumber::InvalidPropertyValue);
    SetInches(forms_, type, GetDecimalInches());
    dimensionType_ = type;
    modified_ = true;
}

void LenboxModel::SetMaxInches(double inches)
{
    if (inches == maxInches_)
        return;
    RequireSane(inches);
    if (inches < minInches_)
        Raise(LenboxErrorNumber::MinAboveMax);
    maxInches_ = inches;
    modified_ = true;
}

// A minimum below 0.0 gives every form a sign position; one at or above 0.0 takes it away.
void LenboxModel::SetMinInches(double inches)
{
    if (inches == minInches_)
        return;
    RequireSane(inches);
    if (inches > maxInches_)
        Raise(LenboxErrorNumber::MinAboveMax);
    minInches_ = inches;
    for (int type : {FeetInchFracType, DecimalInchType, MetricType})
        Form(forms_, type).SetSigned(inches < 0.0);
    modified_ = true;
}

// --- Text properties --------------------------------------------------------------------------

std::string LenboxModel::GetFeetInchFracString() const
{
    return forms_.feetInchFrac.BuildText(packed_, justifyType_);
}

bool LenboxModel::SetFeetInchFracString(const std::string& text)
{
    return SetFromText(FeetInchFracType, text);
}

std::string LenboxModel::GetDecimalInchString() const
{
    return forms_.decimalInch.BuildText(packed_, justifyType_);
}

bool LenboxModel::SetDecimalInchString(const std::string& text)
{
    return SetFromText(DecimalInchType, text);
}

std::string LenboxModel::GetMetricString() const
{
    return forms_.metric.BuildText(packed_, justifyType_);
}

bool LenboxModel::SetMetricString(const std::string& text)
{
    return SetFromText(MetricType, text);
}

bool LenboxModel::SetFromText(int type, const std::string& text)
{
    std::optional<double> value = Form(type).ValueOfText(text);
    if (!value)
        return false;
    const double inches = type == MetricType ? *value / kMillimetresPerInch : *value;
    if (inches < minInches_ || inches > maxInches_) {
        if (events_)
            events_->DecimalInchValueError(inches, text, LimitText(minInches_), LimitText(maxInches_));
        return false;
    }
    Forms next = forms_;
    if (!Form(next, type).SetFromText(text))
        return false;
    for (int other : {FeetInchFracType, DecimalInchType, MetricType})
        if (other != type && !SetInches(next, other, inches))
            return false;
    forms_ = std::move(next);
    return true;
}

// A limit as the active form writes it; a limit the form cannot show as a plain number.
std::string LenboxModel::LimitText(double inches) const
{
    const double value = dimensionType_ == MetricType ? inches * kMillimetresPerInch : inches;
    return ActiveForm().PackedTextOf(value).value_or(fw::FormatGeneral(value));
}

// --- Masks, appendages, denominators ----------------------------------------------------------

void LenboxModel::SetMask(CVariable& form, const std::string& mask, LenboxErrorNumber error)
{
    if (RemoveChar(RemoveBlanks(mask), '-') == form.GetMask())
        return;
    if (!form.SetMask(mask))
        Raise(error);
    modified_ = true;
}

void LenboxModel::SetFormatFeet(const std::string& mask)
{
    SetMask(forms_.feetInchFrac, mask, LenboxErrorNumber::IllegalFeetFormat);
}

void LenboxModel::SetFormatInch(const std::string& mask)
{
    SetMask(forms_.decimalInch, mask, LenboxErrorNumber::IllegalDecimalInchFormat);
}

void LenboxModel::SetFormatMetric(const std::string& mask)
{
    SetMask(forms_.metric, mask, LenboxErrorNumber::IllegalMetricFormat);
}

void LenboxModel::SetAppendage(CVariable& form, const std::string& text)
{
    if (text == form.GetAppendage())
        return;
    if (RemoveBlanks(text).size() > kMaxAppendageLength)
        Raise(LenboxErrorNumber::InvalidPropertyValue);
    form.SetAppendage(text);
    modified_ = true;
}

void LenboxModel::SetDecimalInchAppendage(const std::string& text)
{
    SetAppendage(forms_.decimalInch, text);
}

void LenboxModel::SetMetricAppendage(const std::string& text)
{
    SetAppendage(forms_.metric, text);
}

void LenboxModel::SetMaxDenominator(int n)
{
    if (n == GetMaxDenominator())
        return;
    if (!forms_.feetInchFrac.SetMaxDenominator(n))
        Raise(LenboxErrorNumber::DenominatorNotPower);
    modified_ = true;
}

void LenboxModel::SetDefaultDenominator(int n)
{
    if (n == GetDefaultDenominator())
        return;
    if (!forms_.feetInchFrac.SetDefaultDenominator(n))
        Raise(LenboxErrorNumber::DefaultDenominatorNotPower);
    modified_ = true;
}

// --- Stock properties -------------------------------------------------------------------------

void LenboxModel::SetBackColor(std::uint32_t color)
{
    if (!IsValidColor(color))
        Raise(LenboxErrorNumber::InvalidPropertyValue);
    Store(stock_.backColor, color);
}

void LenboxModel::SetForeColor(std::uint32_t color)
{
    if (!IsValidColor(color))
        Raise(LenboxErrorNumber::InvalidPropertyValue);
    Store(stock_.foreColor, color);
}

void LenboxModel::SetFont(const LenboxFont& font)
{
    if (!IsValidFont(font))
        Raise(LenboxErrorNumber::InvalidPropertyValue);
    Store(stock_.font, font);
}

void LenboxModel::SetBorderStyle(int style)
{
    if (!IsValidSwitch(style))
        Raise(LenboxErrorNumber::InvalidPropertyValue);
    Store(stock_.borderStyle, std::int16_t(style));
}

void LenboxModel::SetAppearance(int appearance)
{
    if (!IsValidSwitch(appearance))
        Raise(LenboxErrorNumber::InvalidPropertyValue);
    Store(stock_.appearance, std::int16_t(appearance));
}

void LenboxModel::SetExtent(std::int32_t x, std::int32_t y)
{
    if (!IsValidExtent(x) || !IsValidExtent(y))
        Raise(LenboxErrorNumber::InvalidPropertyValue);
    Store(stock_.extentX, x);
    Store(stock_.extentY, y);
}

// --- Persistence ------------------------------------------------------------------------------

LenboxProperties LenboxModel::GetProperties() const
{
    LenboxProperties p;
    p.stock = stock_;
    p.initialValue = initialValue_;
    p.maxInches = maxInches_;
    p.minInches = minInches_;
    p.justifyType = justifyType_;
    p.backGround = backGround_;
    p.toolTips = toolTips_;
    p.packed = packed_;
    p.autoSize = autoSize_;
    p.enableInput = enableInput_;
    p.formatFeet = GetFormatFeet();
    p.formatInch = GetFormatInch();
    p.formatMetric = GetFormatMetric();
    p.maxDenominator = GetMaxDenominator();
    p.defaultDenominator = GetDefaultDenominator();
    p.dimensionType = dimensionType_;
    p.decimalInchAppendage = GetDecimalInchAppendage();
    p.metricAppendage = GetMetricAppendage();
    return p;
}

void LenboxModel::LoadProperties(const LenboxProperties& properties)
{
    LenboxModel next;
    next.Apply(properties);
    next.events_ = events_;
    *this = std::move(next);
}

// On a model with fresh forms: the properties, then the value from InitialValue.
void LenboxModel::Apply(const LenboxProperties& p)
{
    const LenboxStock& s = p.stock;
    SetExtent(s.extentX, s.extentY);
    SetBackColor(s.backColor);
    SetForeColor(s.foreColor);
    SetFont(s.font);
    SetBorderStyle(s.borderStyle);
    SetAppearance(s.appearance);
    RequireSane(p.initialValue);
    RequireSane(p.maxInches);
    RequireSane(p.minInches);
    if (p.minInches > p.maxInches)
        Raise(LenboxErrorNumber::MinAboveMax);
    if (p.dimensionType < FeetInchFracType || p.dimensionType > MetricType)
        Raise(LenboxErrorNumber::InvalidPropertyValue);
    SetDecimalInchAppendage(p.decimalInchAppendage);
    SetMetricAppendage(p.metricAppendage);

    initialValue_ = p.initialValue;
    maxInches_ = p.maxInches;
    minInches_ = p.minInches;
    justifyType_ = p.justifyType;
    backGround_ = p.backGround;
    toolTips_ = p.toolTips;
    packed_ = p.packed;
    autoSize_ = p.autoSize;
    enableInput_ = p.enableInput;
    dimensionType_ = p.dimensionType;
    forms_.feetInchFrac.SetMask(CFeetInchFrac::kBuiltInMask);
    forms_.feetInchFrac.SetMask(p.formatFeet);
    forms_.decimalInch.SetMask(p.formatInch);
    forms_.metric.SetMask(p.formatMetric);
    forms_.feetInchFrac.SetMaxDenominator(p.maxDenominator);
    forms_.feetInchFrac.SetDefaultDenominator(p.defaultDenominator);
    for (int type : {FeetInchFracType, DecimalInchType, MetricType})
        Form(forms_, type).SetSigned(minInches_ < 0.0);
    SetAll(initialValue_);
    modified_ = false;
}

// --- Display ----------------------------------------------------------------------------------

std::string LenboxModel::DisplayText(bool editing) const
{
    return editing ? ActiveForm().GetEditText() : ActiveForm().BuildText(packed_, justifyType_);
}

std::string LenboxModel::ToolTipText() const
{
    std::string text;
    for (int type : {FeetInchFracType, DecimalInchType, MetricType}) {
        if (type == dimensionType_)
            continue;
        if (!text.empty())
            text += ',';
        text += Form(type).BuildText(true, 0);
    }
    return RemoveBlanks(text);
}

// --- Editing ----------------------------------------------------------------------------------

EditRange LenboxModel::FocusIn()
{
    changedFired_ = false;
    const EditRange range = ActiveForm().GetEditRange();
    Active().SetCaret(range.first);
    return range;
}

void LenboxModel::FocusOut()
{
    if (!enableInput_)
        return;
    const double inches = GetDecimalInches();
    if (inches >= minInches_ && inches <= maxInches_) {
        Propagate();
        return;
    }
    if (events_)
        events_->DecimalInchValueError(inches, ActiveForm().GetEditText(), LimitText(minInches_),
                                       LimitText(maxInches_));
    SetAll(inches < minInches_ ? minInches_ : maxInches_);
}

bool LenboxModel::TypeChar(char ch, bool keypad, int& start, int& end)
{
    if (!enableInput_)
        return false;
    int newStart = start;
    int newEnd = end;
    if (!EditActive([&](CVariable& form) { return form.TypeChar(ch, keypad, newStart, newEnd); }))
        return false;
    start = newStart;
    end = newEnd;
    NoteChange();
    return true;
}

int LenboxModel::Backspace(int start, int end)
{
    int caret = start;
    const std::string before = ActiveForm().GetEditText();
    if (EditActive([&](CVariable& form) {
            caret = form.Backspace(start, end);
            return true;
        })
        && ActiveForm().GetEditText() != before)
        NoteChange();
    return caret;
}

void LenboxModel::Delete(int start, int end)
{
    const std::string before = ActiveForm().GetEditText();
    if (EditActive([&](CVariable& form) {
            form.Delete(start, end);
            return true;
        })
        && ActiveForm().GetEditText() != before)
        NoteChange();
}

int LenboxModel::Home()
{
    return Active().Home();
}

int LenboxModel::End()
{
    return Active().End();
}

int LenboxModel::MoveCaret(CaretKey key, int pos)
{
    return Active().MoveCaret(key, pos);
}

int LenboxModel::ClickAt(int pos)
{
    const int first = ActiveForm().GetEditRange().first;
    return std::max(Active().SetCaret(std::max(pos, first)), first);
}

} // namespace lenbox

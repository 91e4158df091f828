#include "lenbox/FixedDecimal.h"

#include "lenbox/MaskCheck.h"
#include "lenbox/MaskField.h"

#include "fw/core/Number.h"

#include <cmath>

namespace lenbox {

namespace {

constexpr int kWhole = 0;
constexpr int kFraction = 1;

long long PowerOfTen(int n)
{
    long long p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

} // namespace

CFixedDecimal::CFixedDecimal(std::string_view mask)
{
    LayOut(*SplitMask(mask));
    TakeValue(0.0);
    RebuildEditText();
}

bool CFixedDecimal::EditCopy(const Edit& edit)
{
    CFixedDecimal copy = *this;
    if (!edit(copy))
        return false;
    *this = std::move(copy);
    return true;
}

bool CFixedDecimal::TestCopy(const Edit& edit) const
{
    CFixedDecimal copy = *this;
    return edit(copy);
}

// --- Mask and fields --------------------------------------------------------------------------

std::optional<std::vector<CVariable::Field>> CFixedDecimal::SplitMask(std::string_view mask) const
{
    if (!CheckDecimalMask(mask).empty())
        return std::nullopt;
    const std::size_t dot = mask.find('.');
    if (dot == std::string_view::npos)
        return std::vector<Field>{{std::string(mask), 0, 0, false, 0}};
    return std::vector<Field>{{std::string(mask.substr(0, dot)), 0, '.', false, 0},
                              {std::string(mask.substr(dot + 1)), 0, 0, true, 0}};
}

int CFixedDecimal::MaskDecimals() const
{
    return fields_.size() > 1 ? fields_[kFraction].Length() : 0;
}

bool CFixedDecimal::RebuildEditText()
{
    std::vector<std::string> texts{FormatFieldInFull(whole_, fields_[kWhole].mask)};
    if (decimals_ > 0) {
        std::optional<std::string> fraction = FormatFraction(fraction_, fields_[kFraction].mask);
        if (!fraction)
            return false;
        texts.push_back(*fraction);
    }
    SetFieldTexts(texts);
    return true;
}

void CFixedDecimal::ReadFields()
{
    ReadSign();
    whole_ = ReadField(FieldText(kWhole));
    decimals_ = MaskDecimals();
    if (decimals_ > 0) {
        std::string digits = RemoveBlanks(FieldText(kFraction));
        fraction_ = ReadField(digits + std::string(decimals_ - digits.size(), '0'));
    } else {
        fraction_ = 0;
    }
}

// --- Value ------------------------------------------------------------------------------------

double CFixedDecimal::GetValue() const
{
    return sign_ * (whole_ + double(fraction_) / double(PowerOfTen(decimals_)));
}

// Rounded to the mask's decimals (half away from zero).
bool CFixedDecimal::TakeValue(double value)
{
    if (!std::isfinite(value))
        return false;
    const int decimals = MaskDecimals();
    const long long scale = PowerOfTen(decimals);
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e9)
        return false;
    const long long total = (long long)std::floor(magnitude * double(scale) + 0.5);
    if (total / scale > 999999999)
        return false;
    sign_ = value < 0.0 ? -1 : 1;
    whole_ = int(total / scale);
    fraction_ = int(total % scale);
    decimals_ = decimals;
    return true;
}

void CFixedDecimal::ResetValue()
{
    sign_ = 1;
    whole_ = fraction_ = 0;
}

// --- Typing and caret -------------------------------------------------------------------------

// '.' in the whole field blanks it from the caret and goes to the fraction's first position;
// in the fraction field it blanks the rest of the fraction and goes to the end.
bool CFixedDecimal::TypeSeparator(char ch, int& caret)
{
    (void)ch;
    const int field = FieldNear(caret);
    EndFieldAt(field, caret);
    caret = EnterNext(field);
    return true;
}

int CFixedDecimal::SnapCaret(int pos)
{
    if (pos <= 0) {
        EnterField(kWhole);
        return fields_[kWhole].first;
    }
    const int field = FieldAt(pos);
    return field < 0 ? pos : EnterAt(field, pos);
}

// Right: one position on from a digit; from a blank of the whole field or the '.' to the
// fraction's first position; from a blank of the fraction back to just after its digits; from
// beyond the end to the end, back over blanks.
int CFixedDecimal::CaretRight(int pos)
{
    const int last = int(fields_.size()) - 1;
    if (pos >= LayoutLength()) {
        EnterField(last);
        return LeftOverBlanks(LayoutLength(), last);
    }
    if (pos == SignPosition())
        return SnapCaret(pos);
    if (IsDigitAt(pos))
        return pos + 1;
    const int field = FieldAt(pos);
    if (field == kWhole && last == kFraction) {
        EnterField(kFraction);
        return fields_[kFraction].first;
    }
    EnterField(field);
    return DigitsEnd(field);
}

// --- Text -------------------------------------------------------------------------------------

std::string CFixedDecimal::BuildText(bool packed, int justify) const
{
    if (!packed)
        return editText_;
    return Justify(RemoveBlanks(editText_), editText_.size(), justify);
}

// The text cut down to its digits, its first '.' and a '-' in first place.
std::optional<double> CFixedDecimal::ValueOfText(std::string_view text) const
{
    const std::string s = RemoveBlanks(text);
    std::string number;
    bool negative = false;
    bool point = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '-' && i == 0)
            negative = true;
        else if (c >= '0' && c <= '9')
            number += c;
        else if (c == '.' && !point) {
            point = true;
            number += c;
        }
    }
    if (number.empty() || number == ".")
        return negative ? -0.0 : 0.0;
    if (number.front() == '.')
        number.insert(0, "0");
    if (number.back() == '.')
        number += '0';
    std::optional<double> value = fw::ParseDouble(number);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

bool CFixedDecimal::TakeText(std::string_view text)
{
    std::optional<double> value = ValueOfText(text);
    return value && TakeValue(*value);
}

} // namespace lenbox

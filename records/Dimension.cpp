#include "records/Dimension.h"

#include "fw/core/Archive.h"
#include "fw/core/Number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

FW_IMPLEMENT_SERIAL(CDimension, CVariable, 1)

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kFeetPerMillimetre = 0.0032808398950131233;
constexpr char kInchMark = '"';
constexpr char kFootMark = '\'';
// The parts of longer lengths saturate at the widest feet count.
constexpr double kLongestParts = 12.0 * 4294967295.0;
// Integer fields of an imperial text saturate here; far beyond any real length.
constexpr long long kLargestField = 1000000000000LL;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Drops trailing zeros after the point, then a trailing point.
std::string TrimFraction(std::string text)
{
    if (text.find('.') == std::string::npos)
        return text;
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

// The longest decimal number at the start of the text (blanks skipped, optional sign, digits,
// point, exponent); 0 when there is none or it is out of range.
double LeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t start = i;
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            ++digits;
    if (digits == 0)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    double value = 0.0;
    auto [end, ec] = std::from_chars(text.data() + start, text.data() + i, value);
    if (ec != std::errc() || end != text.data() + i)
        return 0.0;
    return negative ? -value : value;
}

// The integer at the start of the text (blanks skipped, optional sign, digits); 0 when none.
long long LeadingInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min(value * 10 + (text[i] - '0'), kLargestField);
    return negative ? -value : value;
}

std::string PadRight(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string DigitsUnlessZero(unsigned value) { return value ? std::to_string(value) : std::string(); }

char UnitLetter(int system)
{
    switch (system) {
    case 1: return 'D';
    case 2: return 'M';
    default: return 'E';
    }
}

} // namespace

CDimension::CDimension() : CVariable(&inches_) {}

CDimension::CDimension(const CDimension& other)
    : CVariable(other), inches_(other.inches_), feet_(other.feet_), inch_(other.inch_),
      numerator_(other.numerator_), denominator_(other.denominator_), unit_(other.unit_)
{
    boundValue_ = &inches_;
}

CDimension& CDimension::operator=(const CDimension& other)
{
    text_ = other.text_;
    cursor_ = other.cursor_;
    Assign(other);
    return *this;
}

CDimension& CDimension::operator=(double inches)
{
    SetValue(inches);
    return *this;
}

CDimension& CDimension::operator+=(const CDimension& other)
{
    SetValue(inches_ + other.inches_);
    return *this;
}

void CDimension::SetValue(double inches)
{
    inches_ = inches;
    UpdateFromValue();
}

int CDimension::GetUnits() const
{
    switch (unit_) {
    case 'D': return 1;
    case 'M': return 2;
    default: return 0;
    }
}

void CDimension::SetUnits(int system) { unit_ = UnitLetter(system); }

void CDimension::Assign(const CDimension& other)
{
    inches_ = other.inches_;
    feet_ = other.feet_;
    inch_ = other.inch_;
    numerator_ = other.numerator_;
    denominator_ = other.denominator_;
    unit_ = other.unit_;
}

int CDimension::SetText(const std::string& text)
{
    text_ = text;
    ParseText();
    return int(text_.size());
}

void CDimension::UpdateFromValue()
{
    ComputeParts();
    FormatText();
}

// Feet, inches and the fraction rounded to the nearest 64th and reduced (halves stay halves).
// A fraction that rounds up to a whole inch carries into the inches, not into the feet.
void CDimension::ComputeParts()
{
    double a = std::fabs(inches_);
    if (std::isnan(a))
        a = 0.0;
    a = std::min(a, kLongestParts);
    const double feet = std::trunc(a / 12.0);
    const double rest = std::max(0.0, a - 12.0 * feet);
    const double inch = std::min(std::trunc(rest), 11.0);
    feet_ = std::uint32_t(feet);
    inch_ = std::uint8_t(inch);
    int numerator = int((rest - inch) * 64.0 + 0.5);
    int denominator = 64;
    if (numerator == 0) {
        denominator = 0;
    } else {
        while (denominator != 2 && numerator % 2 == 0) {
            numerator /= 2;
            denominator /= 2;
        }
        if (numerator == denominator) {
            ++inch_;
            numerator = denominator = 0;
        }
    }
    numerator_ = std::uint8_t(numerator);
    denominator_ = std::uint8_t(denominator);
}

std::string CDimension::GetText() const { return FormatAs(GetUnits()); }

std::string CDimension::FormatAs(int system) const
{
    switch (system) {
    case 1: {
        std::string text = TrimFraction(fw::FormatFixed(inches_, 6));
        return text.empty() ? text : text + " in.";
    }
    case 2:
        return TrimFraction(fw::FormatFixed(inches_ * kMillimetresPerInch, 2)) + " mm";
    default:
        return FormatImperial();
    }
}

std::string CDimension::FormatImperial() const
{
    std::string text = inches_ < 0 ? "-" : "";
    if (feet_)
        text += std::to_string(feet_) + kFootMark;
    if (inch_)
        text += std::to_string(inch_) + kInchMark;
    if (numerator_)
        text += std::to_string(numerator_) + '/' + std::to_string(denominator_);
    return text;
}

void CDimension::FormatText()
{
    if (GetUnits() != 0) {
        text_ = GetText();
        return;
    }
    const bool fraction = numerator_ && denominator_;
    text_ = inches_ < 0 ? "-" : "";
    text_ += PadRight(DigitsUnlessZero(feet_), 3) + kFootMark;
    text_ += PadRight(DigitsUnlessZero(inch_), 2) + kInchMark;
    text_ += PadRight(fraction ? std::to_string(numerator_) : std::string(), 2) + '/';
    text_ += PadRight(fraction ? std::to_string(denominator_) : std::string(), 2);
}

void CDimension::Clear()
{
    inches_ = 0.0;
    feet_ = 0;
    inch_ = 0;
    numerator_ = 0;
    denominator_ = 1;
    text_.clear();
}

void CDimension::ParseText()
{
    cursor_ = 0;
    if (text_.empty()) {
        Clear();
        return;
    }
    switch (GetUnits()) {
    case 1:
        inches_ = LeadingNumber(text_);
        break;
    case 2:
        inches_ = LeadingNumber(text_) / kMillimetresPerInch;
        break;
    default:
        ParseImperial();
        break;
    }
    ComputeParts();
}

// Reads feet before the foot mark, then inches up to the inch mark, then numerator/denominator
// around the slash, each from where the previous field ended. A field whose mark is missing
// counts 0; a text without any mark is whole inches. A zero denominator means no fraction.
void CDimension::ParseImperial()
{
    std::string text = text_;
    double sign = 1.0;
    if (const std::size_t first = text.find_first_not_of(" \t"); first != std::string::npos && text[first] == '-') {
        sign = -1.0;
        text[first] = ' ';
    }
    const std::string_view view(text);
    std::size_t cursor = 0;
    long long feet = 0, inch = 0, numerator = 0, denominator = 0;
    bool marked = false;
    if (const std::size_t mark = view.find(kFootMark); mark != std::string_view::npos) {
        feet = LeadingInteger(view.substr(0, mark));
        cursor = mark + 1;
        marked = true;
    }
    if (cursor < view.size())
        if (const std::size_t mark = view.find(kInchMark, cursor); mark != std::string_view::npos) {
            inch = LeadingInteger(view.substr(cursor, mark - cursor));
            cursor = mark + 1;
            marked = true;
        }
    if (cursor < view.size())
        if (const std::size_t slash = view.find('/', cursor); slash != std::string_view::npos) {
            numerator = LeadingInteger(view.substr(cursor, slash - cursor));
            denominator = LeadingInteger(view.substr(slash + 1));
            marked = true;
        }
    if (!marked)
        inch = LeadingInteger(view);
    const double fraction = denominator ? double(numerator) / double(denominator) : 0.0;
    inches_ = sign * (double(feet) * 12.0 + double(inch) + fraction);
}

double CDimension::GetRoundedFeet() const
{
    switch (GetUnits()) {
    case 1:
        return LeadingNumber(text_) / 12.0;
    case 2:
        return LeadingNumber(text_) * kFeetPerMillimetre;
    default: {
        const double denominator = denominator_ ? denominator_ : 1.0;
        const double feet = feet_ + inch_ / 12.0 + numerator_ / denominator / 12.0;
        return inches_ < 0 ? -feet : feet;
    }
    }
}

void CDimension::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteDouble(inches_);
        ar.WriteByte(std::uint8_t(unit_));
        return;
    }
    const double inches = ar.ReadDouble();
    if (!std::isfinite(inches))
        throw fw::ArchiveException(fw::ArchiveException::badValue, "length is not a number");
    const char unit = char(ar.ReadByte());
    if (unit != 'E' && unit != 'D' && unit != 'M')
        throw fw::ArchiveException(fw::ArchiveException::badValue, "length with an unknown unit");
    unit_ = unit;
    inches_ = inches;
    UpdateFromValue();
}

void ReduceFraction(int& numerator, int& denominator)
{
    if (numerator == 0) {
        denominator = 0;
        return;
    }
    while (denominator != 2 && numerator % 2 == 0) {
        numerator /= 2;
        denominator /= 2;
    }
}

std::string FormatInchesFraction(double inches)
{
    double magnitude = std::fabs(inches);
    if (!std::isfinite(magnitude))
        return {};
    const double whole = std::trunc(magnitude);
    int numerator = int((magnitude - whole) * 64.0);
    int denominator = 64;
    ReduceFraction(numerator, denominator);
    std::string text;
    if (whole != 0)
        text += fw::FormatFixed(whole, 0) + kInchMark;
    if (numerator != 0)
        text += std::to_string(numerator) + '/' + std::to_string(denominator);
    return inches < 0 && !text.empty() ? "-" + text : text;
}

#include "convert/Convert.h"

#include "convert/except/zrException.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <optional>
#include <string>

namespace {

constexpr int kMaxIntegerChars = 12;
constexpr char kFootMark = '\'';
constexpr char kInchMark = '"';
constexpr int kSixtyFourths = 64;
// Lengths within this many inches of the next unit count as that unit, so that results of
// arithmetic such as 0.35 - 0.1 (0.24999999999999997) give 16/64 and not 15/64.
constexpr double kTolerance = 1e-6;
// Larger lengths are refused: their unit counts would not fit the integer types.
constexpr double kMaxInches = 1e9;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

[[noreturn]] void ThrowOutOfRange()
{
    throw CNumericConversionException("Integer Out Of Range");
}

int ParseDigits(const char* first, const char* last, bool negative)
{
    long long magnitude = 0;
    if (first != last && std::from_chars(first, last, magnitude).ec != std::errc())
        ThrowOutOfRange();
    const long long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        ThrowOutOfRange();
    return static_cast<int>(value);
}

// Reads the unsigned digits at text + pos into number (0 without digits); returns the position
// after them.
int ReadUnsigned(const char* text, int pos, int& number)
{
    int end = pos;
    while (IsDigit(text[end]))
        ++end;
    number = ParseDigits(text + pos, text + end, false);
    return end;
}

// A length as whole inches and a count of units of 1/denominator inch below the next inch.
struct InchUnits {
    bool negative = false;
    long long whole = 0;
    int units = 0;
};

// Truncates, or rounds to nearest, within the tolerance; a full unit count carries into the
// inches. Nothing for a denominator of 0 or less or a length out of range.
std::optional<InchUnits> SplitInches(double value, int denominator, bool nearest)
{
    const double magnitude = std::fabs(value);
    if (denominator <= 0 || !(magnitude <= kMaxInches))
        return std::nullopt;
    const auto total = static_cast<long long>(
        std::floor(magnitude * denominator + (nearest ? 0.5 : 0.0) + kTolerance * denominator));
    return InchUnits{value < 0 && total != 0, total / denominator, static_cast<int>(total % denominator)};
}

std::string Sign(bool negative) { return negative ? "-" : ""; }

std::string NumberOrEmpty(long long n) { return n != 0 ? std::to_string(n) : std::string(); }

std::optional<std::string> InchFracText(double value, int denominator, bool nearest, bool delimits)
{
    const std::optional<InchUnits> length = SplitInches(value, denominator, nearest);
    if (!length)
        return std::nullopt;
    std::string text = Sign(length->negative);
    if (length->whole != 0)
        text += std::to_string(length->whole) + (delimits ? "\"" : "");
    int numerator = length->units;
    CConvert::GetCommonDenominator(numerator, denominator);
    if (numerator != 0)
        text += std::to_string(numerator) + (delimits ? "/" : "") + std::to_string(denominator);
    return text;
}

std::optional<std::string> InchDecimalText(double value, bool delimits)
{
    constexpr int kThousandths = 1000;
    const std::optional<InchUnits> length = SplitInches(value, kThousandths, true);
    if (!length)
        return std::nullopt;
    std::string text = Sign(length->negative) + NumberOrEmpty(length->whole);
    if (length->units != 0) {
        // Three digits (1000 + units less its leading 1) less the trailing zeros.
        std::string digits = std::to_string(kThousandths + length->units).substr(1);
        digits.erase(digits.find_last_not_of('0') + 1);
        text += (delimits ? "." : "") + digits;
    }
    return text;
}

struct FeetInchParts {
    std::string sign, feet, inches, numerator, denominator;
};

std::optional<FeetInchParts> SplitFeetInches(double value)
{
    const std::optional<InchUnits> length = SplitInches(value, kSixtyFourths, false);
    if (!length)
        return std::nullopt;
    int numerator = length->units;
    int denominator = kSixtyFourths;
    CConvert::GetCommonDenominator(numerator, denominator);
    return FeetInchParts{Sign(length->negative), NumberOrEmpty(length->whole / 12),
                         NumberOrEmpty(length->whole % 12), NumberOrEmpty(numerator),
                         NumberOrEmpty(denominator)};
}

bool CopyOut(const std::optional<std::string>& text, char* out, std::size_t size)
{
    if (!out || size == 0)
        return false;
    if (!text || text->size() >= size) {
        out[0] = '\0';
        return false;
    }
    std::memcpy(out, text->c_str(), text->size() + 1);
    return true;
}

}  // namespace

CConvert::~CConvert() = default;

int CConvert::TCharToInteger(const char* text, int& value)
{
    value = 0;
    if (!text)
        return 0;
    int pos = 0;
    const bool negative = text[0] == '-';
    if (text[0] == '-' || text[0] == '+')
        ++pos;
    while (pos < kMaxIntegerChars && IsBlank(text[pos]))
        ++pos;
    const int digits = pos;
    while (pos < kMaxIntegerChars && IsDigit(text[pos]))
        ++pos;
    if (IsDigit(text[pos]))
        ThrowOutOfRange();   // the digit run goes on past the counted characters
    value = ParseDigits(text + digits, text + pos, negative);
    return pos;
}

int CConvert::TCharToDouble(const char* text, double& value)
{
    value = 0;
    if (!text)
        return 0;
    int pos = 0;
    const double sign = text[0] == '-' ? -1.0 : 1.0;
    if (text[0] == '-' || text[0] == '+')
        ++pos;
    while (IsBlank(text[pos]))
        ++pos;
    int whole = 0;
    if (IsDigit(text[pos]))
        pos += TCharToInteger(text + pos, whole);
    value = sign * whole;
    if (text[pos] != '.')
        return pos;
    ++pos;
    if (!IsDigit(text[pos]))
        return pos;
    const int fraction = pos;
    while (IsDigit(text[pos]))
        ++pos;
    // Parsing "whole.fraction" as one number gives the correctly rounded value.
    const std::string number = std::to_string(whole) + "." + std::string(text + fraction, text + pos);
    double magnitude = 0;
    std::from_chars(number.data(), number.data() + number.size(), magnitude);
    value = sign * magnitude;
    return pos;
}

int CConvert::TCharToFeetInchFrac(const char* text, int& sign, int& feet, int& inches,
                                  int& numerator, int& denominator)
{
    sign = 1;
    feet = inches = numerator = 0;
    denominator = 1;
    if (!text)
        return 0;
    int pos = 0;
    if (text[0] == '-')
        sign = -1;
    if (text[0] == '-' || text[0] == '+')
        ++pos;
    while (IsBlank(text[pos]))
        ++pos;
    for (bool first = true, haveInches = false;; first = false) {
        int number = 0;
        const int mark = ReadUnsigned(text, pos, number);
        if (text[mark] == kFootMark && first) {
            feet = number;
        } else if (text[mark] == kInchMark && !haveInches) {
            inches = number;
            haveInches = true;
        } else if (text[mark] == '/') {
            int below = 0;
            const int end = ReadUnsigned(text, mark + 1, below);
            const char after = text[end];
            if (below == 0 || !(after == '\0' || IsBlank(after) || after == kInchMark))
                return pos;
            numerator = number;
            denominator = below;
            return after == kInchMark ? end + 1 : end;
        } else {
            return pos;
        }
        pos = mark + 1;
    }
}

int CConvert::TCharToFeetInchFrac(const char* text, double& value)
{
    int sign = 0, feet = 0, inches = 0, numerator = 0, denominator = 0;
    const int used = TCharToFeetInchFrac(text, sign, feet, inches, numerator, denominator);
    value = sign * (feet * 12.0 + inches + static_cast<double>(numerator) / denominator);
    return used;
}

bool CConvert::DoubleToInchFrac(double value, char* out, std::size_t size)
{
    return CopyOut(InchFracText(value, kSixtyFourths, false, true), out, size);
}

bool CConvert::DoubleToInchFrac(double value, char* out, std::size_t size, int denominator)
{
    return CopyOut(InchFracText(value, denominator, true, true), out, size);
}

bool CConvert::DoubleToInchFracNoDelimits(double value, char* out, std::size_t size)
{
    return CopyOut(InchFracText(value, kSixtyFourths, false, false), out, size);
}

bool CConvert::DoubleToInchFracNoDelimits(double value, char* out, std::size_t size, int denominator)
{
    return CopyOut(InchFracText(value, denominator, true, false), out, size);
}

bool CConvert::DoubleToInchDecimal(double value, char* out, std::size_t size)
{
    return CopyOut(InchDecimalText(value, true), out, size);
}

bool CConvert::DoubleToInchDecimalNoDelimits(double value, char* out, std::size_t size)
{
    return CopyOut(InchDecimalText(value, false), out, size);
}

bool CConvert::FeetInchFracToTCHAR(double value, char* sign, char* feet, char* inches,
                                   char* numerator, char* denominator, std::size_t size)
{
    const std::optional<FeetInchParts> parts = SplitFeetInches(value);
    const FeetInchParts p = parts.value_or(FeetInchParts{});
    char* const outs[] = {sign, feet, inches, numerator, denominator};
    const std::string* const texts[] = {&p.sign, &p.feet, &p.inches, &p.numerator, &p.denominator};
    bool fits = parts.has_value();
    for (int i = 0; i < 5; ++i)
        fits = fits && outs[i] && texts[i]->size() < size;
    bool written = true;
    for (int i = 0; i < 5; ++i)
        written = CopyOut(fits ? std::optional(*texts[i]) : std::nullopt, outs[i], size) && written;
    return written;
}

bool CConvert::FeetInchFractToTCHAR(double value, char* out, std::size_t size)
{
    std::optional<std::string> text;
    if (const std::optional<FeetInchParts> p = SplitFeetInches(value)) {
        text = p->sign;
        if (!p->feet.empty())
            *text += p->feet + kFootMark;
        if (!p->inches.empty())
            *text += p->inches + kInchMark;
        if (!p->numerator.empty())
            *text += p->numerator + "/" + p->denominator;
    }
    return CopyOut(text, out, size);
}

void CConvert::GetCommonDenominator(int& numerator, int& denominator)
{
    if (numerator == 0) {
        denominator = 0;
        return;
    }
    if (denominator == 0)
        return;
    const long long divisor = std::gcd(static_cast<long long>(numerator), static_cast<long long>(denominator));
    numerator = static_cast<int>(numerator / divisor);
    denominator = static_cast<int>(denominator / divisor);
}

bool UtilityConvertToInchFrac(double value, char* out, std::size_t size)
{
    return CConvert::DoubleToInchFrac(value, out, size);
}

bool UtilityConvertToInchFracNoDelimits(double value, char* out, std::size_t size)
{
    return CConvert::DoubleToInchFracNoDelimits(value, out, size);
}

bool UtilityConvertToInchDecimal(double value, char* out, std::size_t size)
{
    return CConvert::DoubleToInchDecimal(value, out, size);
}

bool UtilityConvertToInchDecimalNoDelimits(double value, char* out, std::size_t size)
{
    return CConvert::DoubleToInchDecimalNoDelimits(value, out, size);
}

void UtilityGetCommonDenominator(int& numerator, int& denominator)
{
    CConvert::GetCommonDenominator(numerator, denominator);
}

bool UtilitGetOSVersion(int& kind, int& version, int& minor)
{
    kind = 0;
    version = 95;
    minor = 0;
    return true;
}

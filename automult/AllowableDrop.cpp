#include "automult/AllowableDrop.h"

#include "automult/AutoMultClasses.h"
#include "fw/core/Number.h"

#include <cctype>
#include <climits>
#include <cmath>

namespace automult {

namespace {
constexpr std::size_t kMaxTyped = 24;
constexpr double kStoredPerInch = 10000.0;

bool IsDigit(std::string_view text, std::size_t i) { return i < text.size() && std::isdigit((unsigned char)text[i]); }

std::size_t SkipDigits(std::string_view text, std::size_t i)
{
    while (IsDigit(text, i))
        ++i;
    return i;
}

// The decimal number at the start of text (after white space), as a C library's conversion
// would take it: sign, digits with an optional point, optional exponent. Empty when none.
std::string_view LeadingNumber(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && std::isspace((unsigned char)text[start]))
        ++start;
    std::size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t digits = i;
    i = SkipDigits(text, i);
    const bool whole = i > digits;
    bool fraction = false;
    if (i < text.size() && text[i] == '.') {
        fraction = IsDigit(text, i + 1);
        i = SkipDigits(text, i + 1);
    }
    if (!whole && !fraction)
        return {};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (IsDigit(text, e))
            i = SkipDigits(text, e);
    }
    return text.substr(start, i - start);
}
} // namespace

std::string AllowableDropSection() { return "SOFTWARE\\Classes\\CLSID\\" + kClsidAutoMultOpnB; }

std::string FormatDrop(double inches)
{
    std::string text = fw::FormatFixed(inches, 3);
    if (text.size() < 6)
        text.insert(0, 6 - text.size(), ' ');
    return text;
}

double ParseAllowableDrop(std::string_view text)
{
    const double value = fw::ParseDouble(LeadingNumber(text.substr(0, kMaxTyped))).value_or(0.0);
    return value > 0.0 ? value : kLeastAllowableDrop;
}

double LoadAllowableDrop(const fw::Profile& profile)
{
    const int stored = profile.GetProfileInt(AllowableDropSection(), kAllowableDropEntry, 0);
    return stored > 0 ? stored / kStoredPerInch : 0.0;
}

void StoreAllowableDrop(fw::Profile& profile, double drop)
{
    const double stored = std::trunc(drop * kStoredPerInch);
    if (stored >= 0.0 && stored <= double(INT_MAX))
        profile.WriteProfileInt(AllowableDropSection(), kAllowableDropEntry, int(stored));
}

} // namespace automult

#include "lenbox/MaskCheck.h"

#include "lenbox/MaskField.h"

namespace lenbox {

namespace {

const char* const kFeetIllegal = "Illegal Feet-Inch-Frac Format";

// A run of 'first' characters followed only by 'second' characters, at most kMaxFieldDigits long.
bool RunThenRun(std::string_view field, char first, char second)
{
    if (field.size() > std::size_t(kMaxFieldDigits))
        return false;
    std::size_t i = 0;
    while (i < field.size() && field[i] == first)
        ++i;
    while (i < field.size() && field[i] == second)
        ++i;
    return i == field.size();
}

bool IsWholeField(std::string_view field)
{
    return !field.empty() && RunThenRun(field, '9', '0');
}

// Takes the field in front of position `at` and the separator there off the front of rest;
// false when the field is not legal.
bool TakeField(std::string_view& rest, std::size_t at)
{
    bool ok = IsWholeField(rest.substr(0, at));
    rest.remove_prefix(at + 1);
    return ok;
}

} // namespace

std::string CheckFeetMask(std::string_view mask)
{
    std::string text = RemoveBlanks(mask);
    if (text.empty())
        return "Feet Inch Frac Format is Empty";
    std::string_view rest = text;
    for (char separator : {'\'', '"'}) {
        std::size_t at = rest.find(separator);
        if (!rest.empty() && at != std::string_view::npos && !TakeField(rest, at))
            return kFeetIllegal;
    }
    if (rest.empty())
        return {};
    std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos)
        return "Illegal Feet-Inch-Frac Format Too Long";
    if (!TakeField(rest, slash) || rest.empty() || !RunThenRun(rest, '9', '9'))
        return kFeetIllegal;
    return {};
}

std::string CheckDecimalMask(std::string_view mask)
{
    std::string text = RemoveBlanks(mask);
    if (text.empty())
        return "Format is Empty";
    std::string_view whole = text;
    std::size_t dot = whole.find('.');
    if (dot != std::string_view::npos) {
        std::string_view fraction = whole.substr(dot + 1);
        if (fraction.empty())
            return "Illegal Format String";
        if (!RunThenRun(fraction, '0', '9'))
            return "Illegal Format";
        whole = whole.substr(0, dot);
    }
    if (!IsWholeField(whole))
        return "Illegal Format String";
    return {};
}

} // namespace lenbox

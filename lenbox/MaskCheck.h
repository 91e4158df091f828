#pragma once
// The checks of the edit masks, shared by the mask setters and the property page. Each returns
// the message that explains what is wrong, or an empty string when the mask is legal.
// Blanks are ignored; the sign position ('-') is not part of a mask here.

#include <string>
#include <string_view>

namespace lenbox {

// Feet-inch-fraction masks such as 99'99"99/99: optional feet and inch fields, each of '9's
// followed by '0's and closed by ' and ", then an optional numerator/denominator pair.
std::string CheckFeetMask(std::string_view mask);

// Fixed-decimal masks such as 9990.099999: a whole field of '9's followed by '0's, then an
// optional '.' and a fraction field of '0's followed by '9's.
std::string CheckDecimalMask(std::string_view mask);

} // namespace lenbox

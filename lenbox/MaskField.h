#pragma once
// Text helpers shared by the masked length values: the digit fields of an edit text, written
// from numbers, read back, aligned, and the packed display text justified.

#include <optional>
#include <string>
#include <string_view>

namespace lenbox {

// The most digits a field may hold, so that every field reads back into an int.
inline constexpr int kMaxFieldDigits = 9;

std::string RemoveBlanks(std::string_view text);
std::string RemoveChar(std::string_view text, char c);
bool AllDigits(std::string_view text);
int DigitCount(long long n);   // of a non-negative number; 0 has one digit

// n written into a field of mask `mask`: its digits padded on the left with '0' to the mask's
// length, then, from the left, each '9' position holding '0' blanked up to the first one that is
// not. Nothing when n is negative or has more digits than the mask has positions.
std::optional<std::string> FormatField(long long n, std::string_view mask);

// The fraction digits of a fixed-decimal value in a fraction field of mask `mask`: padded on the
// left with '0' to the mask's length, then, from the right, each '9' position holding '0' blanked
// up to the first one that is not. Nothing when n does not fit.
std::optional<std::string> FormatFraction(long long n, std::string_view mask);

// As FormatField, except that a number with more digits than the mask has positions is written
// in full (all its digits, nothing blanked).
std::string FormatFieldInFull(long long n, std::string_view mask);

// A field read back: blanks removed, read as a decimal integer; an empty field reads 0.
int ReadField(std::string_view field);

// The field's digits packed to the left (blanks behind) or to the right (blanks in front).
std::string AlignLeft(std::string_view field);
std::string AlignRight(std::string_view field);

// Justification of a packed text within a width: 0 left (blanks on the right), 1 centre (half the
// padding on the left, the larger half on the right), 2 right. Other values justify left.
std::string Justify(std::string_view text, std::size_t width, int justify);

} // namespace lenbox

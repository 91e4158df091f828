#include "lenbox/FeetInchFrac.h"

#include <gtest/gtest.h>

#include <cmath>

using lenbox::CaretKey;
using lenbox::CFeetInchFrac;

namespace {

// Types each key at the caret (an empty selection) and returns the caret.
int TypeKeys(CFeetInchFrac& v, const std::string& keys, int caret, bool* refused = nullptr)
{
    for (char key : keys) {
        int start = caret, end = caret;
        if (v.TypeChar(key, false, start, end))
            caret = start;
        else if (refused)
            *refused = true;
    }
    return caret;
}

CFeetInchFrac Made(const char* mask = CFeetInchFrac::kBuiltInMask, int maxDen = 64, double value = 0.0)
{
    CFeetInchFrac v;
    EXPECT_TRUE(v.SetMask(mask));
    EXPECT_TRUE(v.SetMaxDenominator(maxDen));
    EXPECT_TRUE(v.SetDefaultDenominator(64));
    EXPECT_TRUE(v.SetValue(value));
    return v;
}

} // namespace

TEST(FeetInchFrac, ValuesGoIntoTheFieldsOfTheMask)
{
    struct Case {
        const char* mask;
        double value;
        const char* text;
        int feet, inch, num, den;
    } cases[] = {
        {"99'99\"99/99", 30.0, " 2' 6\"  /  ", 2, 6, 0, 0},
        {"99'99\"99/99", 30.5, " 2' 6\" 1/2 ", 2, 6, 1, 2},   // 32/64 reduced to 1/2
        {"99'99\"99/99", 30.515625, " 2' 6\"33/64", 2, 6, 33, 64},
        {"99'99\"99/99", 30.499, " 2' 6\" 1/2 ", 2, 6, 1, 2},   // half a 64th added first
        {"99'99\"99/99", 0.0, "  '  \"  /  ", 0, 0, 0, 0},
        {"99'99\"99/99", 1199.99, "99'11\"63/64", 99, 11, 63, 64},
        {"99\"99/99", 30.5, "30\" 1/2 ", 0, 30, 1, 2},
        {"99'90\"", 24.25, " 2' 0\"", 2, 0, 1, 4},   // a hidden fraction is kept
    };
    for (const Case& c : cases) {
        CFeetInchFrac v = Made(c.mask, 64, c.value);
        EXPECT_EQ(v.GetEditText(), c.text) << c.mask << " " << c.value;
        EXPECT_EQ(v.GetFeet(), c.feet) << c.value;
        EXPECT_EQ(v.GetInch(), c.inch) << c.value;
        EXPECT_EQ(v.GetNumerator(), c.num) << c.value;
        EXPECT_EQ(v.GetDenominator(), c.den) << c.value;
    }
}

TEST(FeetInchFrac, AValueTooWideForTheMaskIsWrittenInFull)
{
    struct Case {
        const char* mask;
        double value;
        const char* text;     // the edit text, wider than the mask
        const char* packed;
    } cases[] = {
        {"99'99\"99/99", 1440.0, "120'  \"  /  ", "120'"},   // 120 ft in a two-digit feet field
        {"99'99\"99/99", 1440.5, "120'  \" 1/2 ", "120'1/2"},
        {"99'99\"99/99", 999999.0, "83333' 3\"  /  ", "83333'3\""},
        {"99'99\"99/99", -1.0, "-  ' 1\"  /  ", "-1\""},   // no sign position in the mask
        {"99\"99/99", 1440.0, "1440\"  /  ", "1440\""},    // no feet field
        {"9'99\"99/99", 700.0, "58' 4\"  /  ", "58'4\""},
    };
    for (const Case& c : cases) {
        CFeetInchFrac v = Made(c.mask, 64, 30.5);
        ASSERT_TRUE(v.SetValue(c.value)) << c.mask << " " << c.value;
        EXPECT_TRUE(v.CanHold(c.value));
        EXPECT_EQ(v.GetEditText(), c.text) << c.mask << " " << c.value;
        EXPECT_EQ(v.BuildText(true, 0), c.packed + std::string(v.GetEditText().size() - std::string(c.packed).size(), ' '));
        EXPECT_DOUBLE_EQ(v.GetValue(), c.value);
        EXPECT_EQ(v.GetMask(), c.mask);   // the mask itself stays
        EXPECT_EQ(v.GetEditRange().last, int(std::string(c.text).size()));
        ASSERT_TRUE(v.SetValue(30.5));    // a value that fits takes the mask's width again
        EXPECT_EQ(v.GetEditText().size(), std::string(c.mask).size()) << c.mask;
    }
    CFeetInchFrac v = Made(CFeetInchFrac::kBuiltInMask, 64, 30.5);
    EXPECT_FALSE(v.SetValue(std::nan("")));
    EXPECT_FALSE(v.CanHold(INFINITY));
    EXPECT_EQ(v.GetEditText(), " 2' 6\" 1/2 ");
}

TEST(FeetInchFrac, AWidenedFieldIsEditedInPlace)
{
    CFeetInchFrac v = Made(CFeetInchFrac::kBuiltInMask, 64, 1440.0);
    TypeKeys(v, "150", v.SetCaret(0));   // overwrites the three feet digits
    EXPECT_DOUBLE_EQ(v.GetValue(), 1800.0);
    int caret = TypeKeys(v, "'6", 3);   // the feet mark moves on to the inch field
    EXPECT_DOUBLE_EQ(v.GetValue(), 1806.0);
    EXPECT_EQ(v.GetEditText().substr(0, 7), "150'6 \"");
    EXPECT_EQ(caret, 5);
    EXPECT_EQ(v.MoveCaret(CaretKey::Right, v.GetEditRange().last), v.GetEditRange().last);
    v.Delete(0, 4);   // the feet digits, not the separator
    EXPECT_DOUBLE_EQ(v.GetValue(), 6.0);
}

TEST(FeetInchFrac, PackedTextIsJustifiedInTheEditWidth)
{
    CFeetInchFrac v = Made(CFeetInchFrac::kBuiltInMask, 64, 30.5);
    EXPECT_EQ(v.BuildText(false, 2), " 2' 6\" 1/2 ");
    EXPECT_EQ(v.BuildText(true, 0), "2'6\"1/2    ");
    EXPECT_EQ(v.BuildText(true, 1), "  2'6\"1/2  ");
    EXPECT_EQ(v.BuildText(true, 2), "    2'6\"1/2");
    v.SetValue(6.0);
    EXPECT_EQ(v.BuildText(true, 0), "6\"         ");   // empty fields are left out
}

TEST(FeetInchFrac, SignPositionComesAndGoesKeepingTheValue)
{
    CFeetInchFrac v = Made(CFeetInchFrac::kBuiltInMask, 64, 30.5);
    v.SetSigned(true);
    EXPECT_EQ(v.GetEditText(), "  2' 6\" 1/2 ");
    EXPECT_EQ(v.GetMask(), "99'99\"99/99");
    EXPECT_EQ(v.GetEditRange().first, 1);
    EXPECT_TRUE(v.SetValue(-30.5));
    EXPECT_EQ(v.GetEditText(), "- 2' 6\" 1/2 ");
    EXPECT_EQ(v.BuildText(true, 0), "-2'6\"1/2    ");
    v.SetSigned(false);   // a negative value cannot stay
    EXPECT_EQ(v.GetValue(), 0.0);
    EXPECT_EQ(v.GetEditText(), "  '  \"  /  ");
}

TEST(FeetInchFrac, TypedKeysFillTheFields)
{
    struct Case {
        const char* keys;
        int caret;   // where typing starts, on the value 0.0
        const char* text;
        int endCaret;
        double value;
    } cases[] = {
        {"5'6\"1/2", 0, " 5' 6\" 1/2 ", 10, 66.5},
        {"5\"", 0, "  ' 5\"  /  ", 6, 5.0},        // an inch mark in the feet field: inches
        {"3/", 0, "  '  \" 3/64", 9, 3.0 / 64},   // '/' in the feet field: the numerator
        {"2'3/", 0, " 2'  \" 3/64", 9, 24 + 3.0 / 64},
        {"12", 0, "12'  \"  /  ", 2, 144.0},
        {"123", 0, "12'3 \"  /  ", 4, 147.0},      // from the separator into the next field
        {"1/16", 0, "  '  \" 1/16", 11, 1.0 / 16},
        {"3", 9, "  '  \"  /32", 10, 0.0},        // the best prefix match among 2..64
        {"6", 9, "  '  \"  /64", 10, 0.0},
    };
    for (const Case& c : cases) {
        CFeetInchFrac v = Made();
        int caret = TypeKeys(v, c.keys, v.SetCaret(c.caret));
        EXPECT_EQ(v.GetEditText(), c.text) << c.keys;
        EXPECT_EQ(caret, c.endCaret) << c.keys;
        EXPECT_DOUBLE_EQ(v.GetValue(), c.value) << c.keys;
    }
}

TEST(FeetInchFrac, RefusedKeysChangeNothing)
{
    struct Case {
        char key;
        int caret;
    } cases[] = {
        {'7', 9},    // no allowed denominator starts with 7
        {'x', 0},
        {'-', 0},    // no sign position
        {'.', 0},    // not a separator of this mask
    };
    for (const Case& c : cases) {
        CFeetInchFrac v = Made(CFeetInchFrac::kBuiltInMask, 64, 30.5);
        const int caret = v.SetCaret(c.caret);
        const std::string before = v.GetEditText();
        int start = caret, end = caret;
        EXPECT_FALSE(v.TypeChar(c.key, false, start, end)) << c.key;
        EXPECT_EQ(v.GetEditText(), before) << c.key;
        EXPECT_EQ(start, caret) << c.key;
        EXPECT_DOUBLE_EQ(v.GetValue(), 30.5) << c.key;
    }
}

TEST(FeetInchFrac, KeypadKeysTypeSeparatorsAndTheSignKeyTypesTheSign)
{
    CFeetInchFrac v = Made();
    int start = 0, end = 0;
    for (char key : {'5', '+', '6', '-', '1', '*', '4'})   // the keypad's + - * are ' " /
        ASSERT_TRUE(v.TypeChar(key, key < '0', start, end)) << key;
    EXPECT_EQ(v.GetEditText(), " 5' 6\" 1/4 ");

    v.SetSigned(true);
    start = end = 1;
    ASSERT_TRUE(v.TypeChar('-', false, start, end));
    EXPECT_EQ(v.GetEditText(), "- 5' 6\" 1/4 ");
    EXPECT_DOUBLE_EQ(v.GetValue(), -66.25);
    start = end = 0;
    ASSERT_TRUE(v.TypeChar('+', false, start, end));
    EXPECT_EQ(start, 1);   // off the sign position
    EXPECT_DOUBLE_EQ(v.GetValue(), 66.25);
}

TEST(FeetInchFrac, TypingOverASelectionDeletesItFirst)
{
    CFeetInchFrac v = Made(CFeetInchFrac::kBuiltInMask, 64, 30.5);
    int start = v.SetCaret(0), end = v.GetEditRange().last;
    ASSERT_TRUE(v.TypeChar('7', false, start, end));
    EXPECT_EQ(v.GetEditText(), "7 '  \"  /  ");
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 1);
    EXPECT_DOUBLE_EQ(v.GetValue(), 84.0);

    start = end = 20;   // beyond the mask: accepted, nothing happens
    EXPECT_TRUE(v.TypeChar('1', false, start, end));
    EXPECT_EQ(v.GetEditText(), "7 '  \"  /  ");
}

// On 30.5 at rest: " 2' 6\" 1/2 " (0 sign-free; feet 0-1, ' 2, inch 3-4, " 5, numerator 6-7,
// / 8, denominator 9-10).
TEST(FeetInchFrac, CaretMovesFieldByField)
{
    struct Case {
        char op;   // 'S' SetCaret, 'L' left, 'R' right
        int pos;
        int caret;
        const char* text;
    } cases[] = {
        {'S', 0, 0, "2 ' 6\" 1/2 "},
        {'S', 2, 1, "2 ' 6\" 1/2 "},    // on the separator: just after the digits
        {'S', 4, 4, " 2'6 \" 1/2 "},
        {'S', 10, 9, " 2' 6\" 1/2 "},   // in the denominator: its first position
        {'S', 11, 11, " 2' 6\" 1/2 "},  // beyond the end: kept
        {'R', 1, 2, " 2' 6\" 1/2 "},    // from a digit one on
        {'R', 3, 6, " 2' 6\"1 /2 "},    // from a blank: the next field
        {'R', 5, 6, " 2' 6\"1 /2 "},    // from a separator: the next field
        {'R', 9, 9, " 2' 6\" 1/2 "},    // the denominator keeps it
        {'R', 12, 11, " 2' 6\" 1/2 "},
        {'L', 2, 1, "2 ' 6\" 1/2 "},
        {'L', 3, 1, "2 ' 6\" 1/2 "},    // from a field's start: after the digits in front
        {'L', 9, 7, " 2' 6\"1 /2 "},
        {'L', 0, 0, "2 ' 6\" 1/2 "},
        {'L', 15, 10, " 2' 6\" 1/2 "},  // beyond the end: after the last field's digits
    };
    for (const Case& c : cases) {
        CFeetInchFrac v = Made(CFeetInchFrac::kBuiltInMask, 64, 30.5);
        const int caret = c.op == 'S'   ? v.SetCaret(c.pos)
                          : c.op == 'L' ? v.MoveCaret(CaretKey::Left, c.pos)
                                        : v.MoveCaret(CaretKey::Right, c.pos);
        EXPECT_EQ(caret, c.caret) << c.op << c.pos;
        EXPECT_EQ(v.GetEditText(), c.text) << c.op << c.pos;
    }
}

TEST(FeetInchFrac, DeleteAndBackspaceBlankDigitsButNotSeparators)
{
    struct Case {
        char op;   // 'D' Delete, 'B' Backspace
        int start, end;
        int caret;
        const char* text;
        double value;
    } cases[] = {
        {'D', 1, 1, 0, "  ' 6\" 1/2 ", 6.5},
        {'D', 2, 2, 1, "2 ' 6\" 1/2 ", 30.5},       // the separator stays
        {'D', 1, 5, 0, "  '  \" 1/2 ", 0.5},        // a selection across fields
        {'D', 9, 9, 9, " 2' 6\" 1/32", 30.03125},   // an emptied denominator takes the default
        {'D', 0, 11, 0, "  '  \"  /  ", 0.0},
        {'B', 2, 2, 0, "  ' 6\" 1/2 ", 6.5},
        {'B', 3, 3, 1, "2 ' 6\" 1/2 ", 30.5},       // over the separator: the caret only moves
        {'B', 0, 0, 0, " 2' 6\" 1/2 ", 30.5},
        {'B', 10, 10, 9, " 2' 6\" 1/32", 30.03125}, // in the denominator: to its first position
        {'B', 3, 8, 3, " 2'  \"  /2 ", 24.0},
    };
    for (const Case& c : cases) {
        CFeetInchFrac v = Made(CFeetInchFrac::kBuiltInMask, 64, 30.5);
        v.SetDefaultDenominator(32);
        const int caret = c.op == 'D' ? v.Delete(c.start, c.end) : v.Backspace(c.start, c.end);
        EXPECT_EQ(caret, c.caret) << c.op << c.start;
        EXPECT_EQ(v.GetEditText(), c.text) << c.op << c.start;
        EXPECT_DOUBLE_EQ(v.GetValue(), c.value) << c.op << c.start;
    }
}

TEST(FeetInchFrac, DenominatorsArePowersOfTwoThatFitTheField)
{
    CFeetInchFrac v;
    for (int n : {0, -2, 3, 12, 128})
        EXPECT_FALSE(v.SetMaxDenominator(n)) << n;   // 128 does not fit "99"
    for (int n : {0, -4, 6, 256})
        EXPECT_FALSE(v.SetDefaultDenominator(n)) << n;
    EXPECT_EQ(v.GetMaxDenominator(), 64);
    EXPECT_EQ(v.GetDefaultDenominator(), 32);
    for (int n : {1, 2, 16})
        EXPECT_TRUE(v.SetMaxDenominator(n)) << n;
    ASSERT_TRUE(v.SetMask("99'99\"99/999"));
    EXPECT_TRUE(v.SetMaxDenominator(128));
    EXPECT_TRUE(v.SetValue(1.0 / 128));
    EXPECT_EQ(v.GetEditText(), "  '  \" 1/128");
}

TEST(FeetInchFrac, DenominatorsAreMatchedByPrefix)
{
    struct Case {
        int maxDen;
        const char* keys;   // typed into the empty denominator
        std::optional<int> den;
    } cases[] = {
        {64, "3", 32}, {64, "1", 16}, {64, "6", 64}, {64, "2", 2}, {64, "64", 64},
        {64, "7", std::nullopt}, {64, "12", 16}, {16, "3", std::nullopt}, {8, "8", 8},
    };
    for (const Case& c : cases) {
        CFeetInchFrac v = Made(CFeetInchFrac::kBuiltInMask, c.maxDen);
        bool refused = false;
        TypeKeys(v, c.keys, v.SetCaret(9), &refused);
        EXPECT_EQ(refused, !c.den) << c.keys;
        if (c.den) {
            EXPECT_EQ(v.GetDenominator(), *c.den) << c.keys;
        }
    }
}

TEST(FeetInchFrac, TextsFromOutsideAreParsed)
{
    struct Case {
        const char* text;
        std::optional<double> value;   // what the text stands for
        bool taken;                    // whether the unsigned default mask can show it
    } cases[] = {
        {"2'6\"1/2", 30.5, true},
        {" 2' 6\" 1/2 ", 30.5, true},
        {"30", 30.0, true},             // no mark: inches
        {"5'6", 66.0, true},            // after the feet mark without an inch mark: inches
        {"1/16", 1.0 / 16, true},
        {"3/7", 3.0 / 64, true},        // an unknown denominator becomes the default
        {"-2'6", -30.0, true},          // shown with a sign the mask has no room for
        {"123'", 1476.0, true},         // written in full
        {"5'6\"7", std::nullopt, false},
        {"5'x", std::nullopt, false},
        {"12345678901'", std::nullopt, false},
    };
    for (const Case& c : cases) {
        CFeetInchFrac v = Made(CFeetInchFrac::kBuiltInMask, 64, 1.0);
        const std::optional<double> value = v.ValueOfText(c.text);
        ASSERT_EQ(value.has_value(), c.value.has_value()) << c.text;
        if (value) {
            EXPECT_DOUBLE_EQ(*value, *c.value) << c.text;
        }
        EXPECT_EQ(v.SetFromText(c.text), c.taken) << c.text;
        EXPECT_DOUBLE_EQ(v.GetValue(), c.taken ? *c.value : 1.0) << c.text;
    }
}

TEST(FeetInchFrac, ANewMaskLaysTheValueOutAgain)
{
    CFeetInchFrac v = Made(CFeetInchFrac::kBuiltInMask, 64, 30.5);
    EXPECT_FALSE(v.SetMask("99'99\"99"));   // refused: the value and mask stay
    EXPECT_EQ(v.GetMask(), "99'99\"99/99");
    EXPECT_TRUE(v.SetMask(" 99 \" 99 / 99 "));
    EXPECT_EQ(v.GetMask(), "99\"99/99");
    EXPECT_EQ(v.GetEditText(), "30\" 1/2 ");
    EXPECT_DOUBLE_EQ(v.GetValue(), 30.5);
    EXPECT_TRUE(v.SetMask("-99'99\"99/99"));   // the sign position follows the signed flag
    EXPECT_EQ(v.GetEditText(), " 2' 6\" 1/2 ");
    ASSERT_TRUE(v.SetValue(700.0));
    EXPECT_TRUE(v.SetMask("9'99\"99/99"));   // 58 ft written in full
    EXPECT_EQ(v.GetEditText(), "58' 4\"  /  ");
    ASSERT_TRUE(v.SetValue(700.015625));
    EXPECT_FALSE(v.SetMask("9'99\"99/9"));   // but a denominator is never cut or widened
    EXPECT_EQ(v.GetMask(), "9'99\"99/99");
}

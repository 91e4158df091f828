#pragma once
// A length in feet, inches and a fraction of an inch, edited under a mask such as 99'99"99/99.
// The fraction's denominator is a power of two up to the maximum denominator; a typed or read
// denominator is matched against the allowed ones ("2", "4", ... up to the maximum).

#include "lenbox/LenboxExport.h"
#include "lenbox/Variable.h"

namespace lenbox {

class LENBOX_EXPORT CFeetInchFrac : public CVariable {
public:
    static constexpr const char* kBuiltInMask = "99'99\"99/99";

    CFeetInchFrac();   // the built-in mask, maximum denominator 64, default denominator 32, 0.0

    double GetValue() const override;   // inches
    std::string BuildText(bool packed, int justify) const override;
    std::optional<double> ValueOfText(std::string_view text) const override;

    // Powers of two only (1 counts); refused too when the denominator field is too narrow.
    bool SetMaxDenominator(int n);
    int GetMaxDenominator() const { return maxDenominator_; }
    bool SetDefaultDenominator(int n);
    int GetDefaultDenominator() const { return defaultDenominator_; }

    int GetSign() const { return sign_; }
    int GetFeet() const { return feet_; }
    int GetInch() const { return inch_; }
    int GetNumerator() const { return numerator_; }
    int GetDenominator() const { return denominator_; }

protected:
    bool EditCopy(const Edit& edit) override;
    bool TestCopy(const Edit& edit) const override;
    std::optional<std::vector<Field>> SplitMask(std::string_view mask) const override;
    bool TakeValue(double value) override;
    bool TakeText(std::string_view text) override;
    void ResetValue() override;
    bool RebuildEditText() override;
    void ReadFields() override;
    bool TypeSeparator(char ch, int& caret) override;
    bool TypeDigit(int field) override;
    int SnapCaret(int pos) override;
    int CaretRight(int pos) override;
    char TranslateKeypad(char ch, bool keypad) const override;
    bool AfterBlank(const std::vector<int>& touched) override;
    int CaretAfterBackspace(int caret, int field) const override;

private:
    enum Part { Feet, Inch, Numerator, Denominator };
    struct Parsed {
        int sign = 1;
        int feet = 0;
        int inch = 0;
        int numerator = 0;
        int denominator = 0;
    };

    int FieldOf(Part part) const;   // -1 when the mask has no such field
    bool IsPart(int field, Part part) const { return field >= 0 && field == FieldOf(part); }
    int& Number(Part part);
    std::optional<int> MatchDenominator(std::string_view typed) const;
    std::optional<Parsed> Parse(std::string_view text) const;
    int NormalisedDenominator(bool hasNumerator, std::string_view denominatorText) const;
    bool WriteDenominator();
    bool NormaliseDenominator();
    bool MoveDigits(int from, int to);

    int maxDenominator_ = 0;
    int defaultDenominator_ = 32;
    int feet_ = 0;
    int inch_ = 0;
    int numerator_ = 0;
    int denominator_ = 0;
    std::vector<std::string> allowed_;   // "2", "4", ... up to the maximum denominator
};

} // namespace lenbox
